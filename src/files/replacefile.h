#pragma once
// Saving a file the user keeps without ever leaving it half written.

#include <string>
#include <string_view>

namespace lineer {

// Writes `data` into a new temporary file in the folder of the file it
// replaces, flushes it to the disk and only then renames it over that file.
// A symbolic link is followed (on Windows any reparse point), so the file it
// names is the one replaced and the link stays a link; the replaced file
// keeps its permissions (on Windows its hidden, system and archive
// attributes). Returns an empty string on success. On failure the temporary
// file is removed, the old file is untouched and the result is the reason,
// one of the catalogue's Why* texts. A device or a pipe is written as it is.
std::string replaceFileContents(const std::string& path, std::string_view data);

}  // namespace lineer
