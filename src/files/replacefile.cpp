#include "replacefile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

#include "filereader.h"

namespace lineer {

namespace {

std::string reasonOfErrno(int e) {
    switch (e) {
        case EACCES:
        case EPERM: return "yazma izni yok";
        case ENOENT:
        case ENOTDIR: return "klasör bulunamadı";
        case ENOSPC: return "diskte yer kalmadı";
#ifdef EDQUOT
        case EDQUOT: return "disk kotası doldu";
#endif
        case EROFS: return "dosya sistemi salt okunur";
        case EISDIR: return "bu adda bir klasör var";
        case ENAMETOOLONG: return "dosya adı çok uzun";
        case EIO: return "disk okuma/yazma hatası";
        default: return "hata kodu " + std::to_string(e);
    }
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of(
#ifdef _WIN32
        "/\\"
#else
        "/"
#endif
    );
    if (slash == std::string::npos) return {};
    return path.substr(0, slash + 1);
}

// A name for the temporary file that no file list shows: hidden, and not
// ending in the target's extension. It does not repeat the target's name:
// a target whose name is as long as the file system allows must still have
// room beside it.
std::string temporaryName(const std::string& target, unsigned attempt) {
    static unsigned counter = 0;
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char name[48];
    std::snprintf(name, sizeof name, ".lineer.%llx%x%x.tmp", ticks & 0xFFFFFFFFull, ++counter, attempt);
    return folderOf(target) + name;
}

constexpr unsigned kAttempts = 100;

}  // namespace

#ifdef _WIN32

namespace {

std::string reasonOfWinError(DWORD e) {
    switch (e) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return "yazma izni yok ya da dosya başka bir programda açık";
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND: return "klasör bulunamadı";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return "diskte yer kalmadı";
        case ERROR_WRITE_PROTECT: return "disk yazmaya karşı korumalı";
        default: return "hata kodu " + std::to_string(e);
    }
}

}  // namespace

std::string replaceFileContents(const std::string& path, std::string_view data) {
    const std::wstring target = widePath(path);
    if (target.empty() || path.find('\0') != std::string::npos) return reasonOfErrno(ENOENT);
    std::wstring temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
        temp = widePath(temporaryName(path, attempt));
        fd = _wopen(temp.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST) return reasonOfErrno(errno);
    }
    if (fd < 0) return reasonOfErrno(EEXIST);
    std::size_t done = 0;
    int error = 0;
    while (done < data.size() && error == 0) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(data.size() - done, 1u << 20));
        const int w = _write(fd, data.data() + done, chunk);
        if (w <= 0) error = w < 0 ? errno : EIO;
        else done += static_cast<std::size_t>(w);
    }
    if (error == 0 && _commit(fd) != 0) error = errno;
    if (_close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        _wunlink(temp.c_str());
        return reasonOfErrno(error);
    }
    if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD e = GetLastError();
        _wunlink(temp.c_str());
        // A folder in the way is refused as "access denied".
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return reasonOfErrno(EISDIR);
        return reasonOfWinError(e);
    }
    return {};
}

#else

namespace {

// 0, or the errno of the first write that failed.
int writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t w = ::write(fd, data.data() + done, data.size() - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return w < 0 ? errno : EIO;
        done += static_cast<std::size_t>(w);
    }
    return 0;
}

}  // namespace

std::string replaceFileContents(const std::string& givenPath, std::string_view data) {
    // Saving through a link replaces the file it points at, not the link.
    std::string path = givenPath;
    struct stat old {};
    bool exists = ::lstat(path.c_str(), &old) == 0;
    if (exists && S_ISLNK(old.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved)) path = resolved;
        exists = ::stat(path.c_str(), &old) == 0;
    }

    // A device or a pipe (/dev/stdout, a FIFO) has nothing to keep and
    // cannot be renamed over: it is written as it is.
    if (exists && !S_ISREG(old.st_mode) && !S_ISDIR(old.st_mode)) {
        int fd;
        do {
            fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) return reasonOfErrno(errno);
        int error = writeAll(fd, data);
        if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
        return error == 0 ? std::string() : reasonOfErrno(error);
    }

    std::string temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
        temp = temporaryName(path, attempt);
        do {
            fd = ::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0 && errno != EEXIST) {
            const int e = errno;
            // Some file systems refuse new files in a folder that exists.
            struct stat folder {};
            const std::string dir = folderOf(path).empty() ? "." : folderOf(path);
            if (e == ENOENT && ::stat(dir.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode))
                return "bu klasörde dosya oluşturulamıyor";
            return reasonOfErrno(e);
        }
    }
    if (fd < 0) return reasonOfErrno(EEXIST);

    int error = 0;
    if (exists && S_ISREG(old.st_mode)) (void)::fchmod(fd, old.st_mode & 07777);
    error = writeAll(fd, data);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return reasonOfErrno(error);
    }
    // The rename itself reaches the disk with the folder's entry.
    const std::string folder = folderOf(path).empty() ? "." : folderOf(path);
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

#endif

}  // namespace lineer
