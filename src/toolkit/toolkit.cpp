#include "toolkit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QtGlobal>

#include "languages.h"

namespace lineer::ui {

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::string systemDecimalSymbol() { return QLocale::system().decimalPoint().toStdString(); }

void silenceToolkitMessages() { qInstallMessageHandler(quiet); }

void useToolkitTexts(Language language) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    const QString name = QString::fromLatin1(languageRow(language).toolkitTranslation);
    if (name.isEmpty()) return;
    installed = new QTranslator(QCoreApplication::instance());
    if (installed->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(installed);
    else
        delete installed;
}

}  // namespace lineer::ui
