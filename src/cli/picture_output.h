#pragma once
// The picture box of the command line: an offscreen image of the window's
// picture size, saved as PNG.

#include <memory>
#include <string>

#include "host.h"

namespace lineer::ui {
struct PictureRecord;
}

namespace lineer::cli {

class PictureOutput {
public:
    PictureOutput();
    ~PictureOutput();
    // The drawing surface; the offscreen toolkit starts on the first call.
    PictureSurface* surface();
    // Saves what has been drawn as PNG. Returns "" when the file is
    // complete, and otherwise why it could not be written (one of the
    // catalogue's Why* texts); a file that was there before is then left as
    // it was.
    std::string save(const std::string& path);
    // Saves the drawing again at `size`, with its scale and axes, as SVG
    // or PNG; the result as for save().
    // `logPlot`: a convergence plot's changes on a logarithmic axis.
    std::string saveLarge(const std::string& path, int width, int height, bool svg, const std::string& decimal,
                          bool logPlot = false);
    // What has been drawn, for the pages and the export; null before any
    // drawing was asked for.
    const ui::PictureRecord* record() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace lineer::cli
