#pragma once
// Reading a file's bytes: the one place that knows the operating system's
// file interface.

#include <cstddef>
#include <memory>
#include <string>

namespace lineer {

// The bytes of an open file, in order.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads at most `size` (> 0) bytes into `buf` and returns how many it
    // read: possibly fewer than asked for even before the end, 0 only at the
    // end, -1 on a read error.
    virtual long long read(char* buf, std::size_t size) = 0;
};

// Opens the file at `path` (UTF-8 on Windows, the bytes as given elsewhere)
// for reading. Only a regular file opens: a folder, a pipe or a device gives
// nullptr without waiting for a writer, as does a path that does not exist,
// cannot be read or holds a NUL character.
std::unique_ptr<ByteSource> openRegularFile(const std::string& path);

#if defined(_WIN32)
// A UTF-8 path for the wide-character interface, the one that reaches every
// file name (the narrow one reads the path in the ANSI code page). Empty for
// an empty or overlong path or one that is not UTF-8.
std::wstring widePath(const std::string& path);
#endif

}  // namespace lineer
