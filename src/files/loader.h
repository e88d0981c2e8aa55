#pragma once
// The coefficient file: n, m, then n*m numbers row by row, separated by
// commas, spaces, tabs or line breaks.

#include <string>

#include "numparse.h"  // the numbers of the file: parseFileNumber
#include "workspace.h"

namespace lineer {

class ByteSource;

struct LoadResult {
    bool ok = false;
    std::string message;  // the Turkish reason when !ok
};

// Reads the file at `path` into the workspace. The file is parsed in full
// first; only a complete matrix is written into ws (n, m and A(1..n, 1..m)),
// a failure leaves ws untouched and gives the reason in Turkish.
LoadResult loadCoefficientFile(const std::string& path, Workspace& ws);

// The same from bytes already open; `path` only names the file in messages.
// Any split of the bytes into reads gives the same result.
LoadResult loadCoefficients(ByteSource& source, const std::string& path, Workspace& ws);

// A path as a message shows it: control characters as "?", so that a line
// break or a terminal escape in a file name cannot split or colour the message.
std::string shownPath(const std::string& path);

}  // namespace lineer
