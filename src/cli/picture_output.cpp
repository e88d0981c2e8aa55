#include "picture_output.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cerrno>

#include "picturecanvas.h"
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

// Why the last file operation failed, from errno.
std::string reason(int error) {
    switch (error) {
        case ENOSPC: return "diskte yer kalmadı";
#if defined(EDQUOT)
        case EDQUOT: return "disk kotası doldu";
#endif
        case EACCES:
        case EPERM: return "yazma izni yok";
        case ENOENT:
        case ENOTDIR: return "klasör bulunamadı";
        case EISDIR: return "bu bir klasör";
        case EROFS: return "dosya sistemi salt okunur";
        default: return "yazma hatası";
    }
}

// A device or a pipe (/dev/stdout, a FIFO) is written as it is; a file goes
// through a temporary file beside it that replaces it only when complete.
std::string writeFile(const QString& name, const QByteArray& bytes) {
    const QFileInfo info(name);
    errno = 0;
    bool ok;
    if (info.exists() && !info.isFile() && !info.isDir()) {
        QFile f(name);
        ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
        f.close();
        ok = ok && f.error() == QFileDevice::NoError;
    } else {
        QSaveFile f(name);
        ok = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
    }
    return ok ? std::string() : reason(errno);
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
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!d_->canvas->image().save(&buffer, "PNG")) return "yazma hatası";
    return writeFile(QFile::decodeName(QByteArray::fromStdString(path)), png);
}

}  // namespace lineer::cli
