#include "handoutdialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <string_view>

#include "export.h"
#include "pages.h"
#include "printing.h"
#include "replacefile.h"
#include "saving.h"
#include "uitext.h"

namespace lineer::ui {

bool choosePrinter(QPrinter& printer, const QString& docName, QWidget* parent) {
    printer.setPageLayout(handoutPageLayout());
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(uiText(Text::PrintTitle));
    return dialog.exec() == QDialog::Accepted;
}

std::string printConfirmed(const Handout& h, QPrinter& printer, const std::function<bool(const QString&)>& confirm) {
    const int pages = countPages(printer, h);
    if (pages > kAskAbovePages && !confirm(uiFormat(Text::PrintManyPages, pages))) return {};
    QString why;
    if (printHandout(h, printer, &why) != 0) return {};
    return why.isEmpty() ? std::string(text(Text::PrintFailed))
                         : format(Text::SaveFailed, shownFilePath(printer.outputFileName()), why.toStdString());
}

bool confirmLongPrint(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, uiText(Text::WindowCaption), question, QMessageBox::Cancel, parent);
    QPushButton* print = box.addButton(uiText(Text::PrintManyPagesButton), QMessageBox::AcceptRole);
    box.setDefaultButton(print);
    box.exec();
    return box.clickedButton() == print;
}

QString proposedExportPath(const QString& loadedPath, const QString& folder) {
    const QString stem = loadedPath.isEmpty() ? uiText(Text::ResultsFileName) : QFileInfo(loadedPath).completeBaseName();
    return QDir(folder).filePath(stem + QStringLiteral(".tex"));
}

std::string exportHandout(const QString& path, const std::function<Handout()>& handout) {
    const ExportKind kind = exportKind(path);
    if (kind == ExportKind::None) return std::string(text(Text::ExportUnknownType));
    const QByteArray bytes = exportDocument(handout(), kind);
    const std::string why =
        bytes.isEmpty() ? std::string(text(Text::WhyNotEncoded))
                        : replaceFileContents(path.toStdString(),
                                              std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!why.empty()) return format(Text::ExportFailed, shownFilePath(path), why);
    return {};
}

}  // namespace lineer::ui
