#include "picture_output.h"

namespace lineer::cli {

struct PictureOutput::Impl {};

PictureOutput::PictureOutput() = default;
PictureOutput::~PictureOutput() = default;

PictureSurface* PictureOutput::surface() { return nullptr; }

bool PictureOutput::save(const std::string&) { return false; }

}  // namespace lineer::cli
