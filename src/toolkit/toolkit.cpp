#include "toolkit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtGlobal>

namespace lineer::ui {

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::string systemDecimalSymbol() { return QLocale::system().decimalPoint().toStdString(); }

void silenceToolkitMessages() { qInstallMessageHandler(quiet); }

void useTurkishToolkitTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace lineer::ui
