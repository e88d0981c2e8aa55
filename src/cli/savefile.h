#pragma once
// Writing a file the user keeps.

#include <string>
#include <string_view>

namespace lineer::cli {

// Writes `bytes` to `path`. A regular file (or a new one) is written to a
// temporary file beside it that replaces it only once complete and on
// disk; a device or a pipe (/dev/stdout, a FIFO) is written as it is.
// Returns "" on success, otherwise why it failed, in Turkish; a file that
// was there before is then left as it was.
std::string saveFile(const std::string& path, std::string_view bytes);

}  // namespace lineer::cli
