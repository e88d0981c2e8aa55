#pragma once
// Saving a file the user keeps without ever leaving it half written.

#include <string>
#include <string_view>

namespace lineer {

// Writes `data` into a new temporary file in the folder of `path`, flushes
// it to the disk and only then renames it over `path`. An existing target
// keeps its permissions; a symbolic link is followed, so the file it points
// at is the one replaced. Returns an empty string on success. On failure
// the temporary file is removed, the old file is untouched and the result
// is the reason in Turkish. A device or a pipe is written as it is.
std::string replaceFileContents(const std::string& path, std::string_view data);

}  // namespace lineer
