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
#endif

#include "filereader.h"
#include "numformat.h"
#include "texts.h"

namespace lineer {

namespace {

std::string why(PlainText reason) { return std::string(text(reason)); }

std::string reasonOfErrno(int e) {
    switch (e) {
        case EACCES:
        case EPERM: return why(Text::WhyNoPermission);
        case ENOENT:
        case ENOTDIR: return why(Text::WhyNoFolder);
        case ENOSPC: return why(Text::WhyDiskFull);
#ifdef EDQUOT
        case EDQUOT: return why(Text::WhyQuotaFull);
#endif
        case EROFS: return why(Text::WhyReadOnly);
        case EISDIR: return why(Text::WhyFolderInTheWay);
        case ENAMETOOLONG: return why(Text::WhyNameTooLong);
        case EIO: return why(Text::WhyDiskError);
#ifdef ELOOP
        case ELOOP: return why(Text::WhyLinkLoop);
#endif
        default: return format(Text::WhyErrorCode, intText(e));
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
        case ERROR_SHARING_VIOLATION: return why(Text::WhyInUse);
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND: return why(Text::WhyNoFolder);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return why(Text::WhyDiskFull);
        case ERROR_WRITE_PROTECT: return why(Text::WhyWriteProtected);
        default: return format(Text::WhyErrorCode, intText(e));
    }
}

std::string utf8(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    const int len = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (len <= 0) return {};
    std::string s(static_cast<std::size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, s.data(), len, nullptr, nullptr);
    return s;
}

// The file that a save through `given` replaces: the final path of what
// opens under that name, so a symbolic link (or another reparse point, or a
// Unix link under Wine) is followed to the file it names. A name that opens
// nothing is its own target, unless it is a link: one that names nothing
// is refused (empty, with the error in `error`), as replacing it would
// break it.
std::wstring finalTarget(const std::wstring& given, DWORD& error) {
    error = 0;
    HANDLE h = CreateFileW(given.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD openError = GetLastError();
        const DWORD attributes = GetFileAttributesW(given.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return given;
        error = openError;
        return {};
    }
    std::wstring final(MAX_PATH, L'\0');
    DWORD len = GetFinalPathNameByHandleW(h, final.data(), static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
    if (len >= final.size()) {
        final.resize(len + 1);
        len = GetFinalPathNameByHandleW(h, final.data(), static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
    }
    CloseHandle(h);
    // A device has no final path: it keeps its name.
    if (len == 0 || len >= final.size()) return given;
    final.resize(len);
    return final;
}

// What a replaced file keeps of its attributes. Read-only is not among
// them: a read-only file is not replaced.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}  // namespace

std::string replaceFileContents(const std::string& path, std::string_view data) {
    const std::wstring given = widePath(path);
    if (given.empty() || path.find('\0') != std::string::npos) return reasonOfErrno(ENOENT);
    DWORD linkError = 0;
    std::wstring target = finalTarget(given, linkError);
    if (target.empty()) return reasonOfWinError(linkError);
    // The temporary file goes beside the file it replaces.
    std::string targetPath = target == given ? path : utf8(target);
    if (targetPath.empty()) {
        target = given;
        targetPath = path;
    }
    const DWORD old = GetFileAttributesW(target.c_str());
    std::wstring temp;
    int fd = -1;
    for (unsigned attempt = 0; attempt < kAttempts && fd < 0; ++attempt) {
        temp = widePath(temporaryName(targetPath, attempt));
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
    const bool keep = old != INVALID_FILE_ATTRIBUTES && !(old & FILE_ATTRIBUTE_DIRECTORY) && (old & kKeptAttributes);
    if (keep) SetFileAttributesW(temp.c_str(), old & kKeptAttributes);
    if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD e = GetLastError();
        if (keep) SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
        _wunlink(temp.c_str());
        // A folder in the way is refused as "access denied".
        if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_DIRECTORY)) return reasonOfErrno(EISDIR);
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

// Follows `path` while it is a symbolic link, link by link (a relative one
// from the link's own folder), to the name of the file a save through it
// replaces; that file need not exist yet. 0, or why the links cannot be
// followed.
int followLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
        char link[PATH_MAX];
        const ssize_t len = ::readlink(path.c_str(), link, sizeof link);
        if (len < 0) return errno;
        if (static_cast<std::size_t>(len) == sizeof link) return ENAMETOOLONG;
        const std::string named(link, static_cast<std::size_t>(len));
        path = named[0] == '/' ? named : folderOf(path) + named;
    }
    return ELOOP;
}

}  // namespace

std::string replaceFileContents(const std::string& givenPath, std::string_view data) {
    // Saving through a link replaces the file it names, and the link stays.
    std::string path = givenPath;
    if (const int e = followLinks(path)) return reasonOfErrno(e);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
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
            // A folder that exists and takes no new file, for want of
            // permission, on a read-only file system or by the file
            // system's own rule (some give ENOENT), is named in one way.
            struct stat folder {};
            const std::string dir = folderOf(path).empty() ? "." : folderOf(path);
            if ((e == ENOENT || e == EACCES || e == EPERM || e == EROFS) && ::stat(dir.c_str(), &folder) == 0 &&
                S_ISDIR(folder.st_mode))
                return why(Text::WhyCannotCreate);
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
