#include "toolkit.h"

#include <QLocale>
#include <QtGlobal>

namespace lineer::ui {

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

std::string systemDecimalSymbol() { return QLocale::system().decimalPoint().toStdString(); }

void silenceToolkitMessages() { qInstallMessageHandler(quiet); }

}  // namespace lineer::ui
