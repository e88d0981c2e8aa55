#include "picture_output.h"

#include <QGuiApplication>

#include "picturecanvas.h"
#include "picturerecord.h"
#include "replacefile.h"
#include "texts.h"
#include "toolkit.h"

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

}  // namespace

struct PictureOutput::Impl {
    std::unique_ptr<ui::PictureCanvas> canvas;
};

PictureOutput::PictureOutput() : d_(std::make_unique<Impl>()) {}
PictureOutput::~PictureOutput() = default;

PictureSurface* PictureOutput::surface() {
    if (!d_->canvas) {
        startOffscreenToolkit();
        d_->canvas = std::make_unique<ui::PictureCanvas>();
    }
    return d_->canvas.get();
}

std::string PictureOutput::save(const std::string& path) {
    surface();
    const QByteArray png = ui::pngFile(d_->canvas->image());
    if (png.isEmpty()) return std::string(text(Text::WhyNotEncoded));
    return replaceFileContents(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

std::string PictureOutput::saveLarge(const std::string& path, int width, int height, bool svg,
                                     const std::string& decimal, bool logPlot) {
    surface();
    const QByteArray bytes = ui::pictureFile(d_->canvas->record(), QSize(width, height), svg, decimal, logPlot);
    if (bytes.isEmpty()) return std::string(text(Text::WhyNotEncoded));
    return replaceFileContents(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const ui::PictureRecord* PictureOutput::record() const { return d_->canvas ? &d_->canvas->record() : nullptr; }

}  // namespace lineer::cli
