#include "toolkit_outputs.h"

#include <QGuiApplication>

#include "export.h"
#include "handout.h"
#include "pages.h"
#include "picturecanvas.h"
#include "picturerecord.h"
#include "plotdrawing.h"
#include "replacefile.h"
#include "texts.h"
#include "toolkit.h"
#include "uitext.h"

namespace lineer::cli {

namespace {

// Text in the picture needs the toolkit's fonts, so a windowless toolkit
// is started the first time a picture is asked for.
void startOffscreenToolkit() {
    if (QCoreApplication::instance()) return;
    ui::silenceToolkitMessages();
    static int argc = 3;
    static char name[] = "lineer";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Lives until the process ends; tearing it down among the static
    // destructors would gain nothing.
    new QGuiApplication(argc, argv);
}

std::string bytesOf(const QByteArray& b) { return std::string(b.constData(), static_cast<std::size_t>(b.size())); }

}  // namespace

struct ToolkitOutputs::Impl {
    std::unique_ptr<ui::PictureCanvas> canvas;
};

ToolkitOutputs::ToolkitOutputs() : d_(std::make_unique<Impl>()) {}
ToolkitOutputs::~ToolkitOutputs() = default;

std::string ToolkitOutputs::decimalSymbol() { return ui::systemDecimalSymbol(); }

PictureSurface* ToolkitOutputs::surface() {
    if (!d_->canvas) {
        startOffscreenToolkit();
        d_->canvas = std::make_unique<ui::PictureCanvas>();
    }
    return d_->canvas.get();
}

namespace {

std::string saveBytes(const std::string& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return std::string(text(Text::WhyNotEncoded));
    return replaceFileContents(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

std::string ToolkitOutputs::savePicture(const std::string& path, bool large, int width, int height, bool svg,
                                        const std::string& decimal, bool logPlot) {
    surface();
    return saveBytes(path, large ? ui::pictureFile(d_->canvas->record(), QSize(width, height), svg, decimal, logPlot)
                                 : ui::pngFile(d_->canvas->image()));
}

std::string ToolkitOutputs::savePlot(const std::string& path, const plots::Plot& plot, int width, int height,
                                     bool svg) {
    return saveBytes(path, ui::plotFile(plot, QSize(width, height), svg));
}

std::string ToolkitOutputs::document(std::vector<ResultLine> lines, const std::string& file,
                                     std::optional<Option> method, exporting::ExportKind kind, bool bodyOnly,
                                     const std::string& decimal) {
    ui::Handout h;
    h.lines = std::move(lines);
    const QString caption = method ? ui::uiText(methodRow(*method).caption).trimmed() : QString();
    h.heading = ui::handoutHeading(QString::fromStdString(file), caption);
    h.date = ui::handoutDate();
    h.picture = d_->canvas ? &d_->canvas->record() : nullptr;
    h.decimal = decimal;
    return bytesOf(kind == exporting::ExportKind::Pdf ? ui::handoutPdf(h) : ui::exportDocument(h, kind, bodyOnly));
}

}  // namespace lineer::cli
