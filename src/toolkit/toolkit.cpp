#include "toolkit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <QtGlobal>

namespace lineer::ui {

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::string systemDecimalSymbol() { return QLocale::system().decimalPoint().toStdString(); }

void silenceToolkitMessages() { qInstallMessageHandler(quiet); }

void useToolkitTexts(Language language) {
    static QPointer<QTranslator> turkish;
    if (turkish) {
        QCoreApplication::removeTranslator(turkish);
        delete turkish;
    }
    if (language != Language::Turkish) return;
    turkish = new QTranslator(QCoreApplication::instance());
    if (turkish->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(turkish);
    else
        delete turkish;
}

}  // namespace lineer::ui
