#pragma once
// The picture box of the command line: an offscreen image of the window's
// picture size, saved as PNG.

#include <memory>
#include <string>

#include "host.h"

namespace lineer::cli {

class PictureOutput {
public:
    PictureOutput();
    ~PictureOutput();
    // The drawing surface; the offscreen toolkit starts on the first call.
    PictureSurface* surface();
    // Saves what has been drawn as PNG; false when it cannot be written.
    bool save(const std::string& path);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace lineer::cli
