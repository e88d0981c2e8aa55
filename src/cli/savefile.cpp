#include "savefile.h"

#include <cerrno>

#if defined(_WIN32)
#include <filesystem>
#include <fstream>
#include <system_error>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

namespace lineer::cli {

namespace {

std::string reason(int error) {
    switch (error) {
        case ENOSPC: return "diskte yer kalmadı";
#if defined(EDQUOT)
        case EDQUOT: return "disk kotası doldu";
#endif
        case EACCES:
        case EPERM: return "yazma izni yok";
        case ENOENT:
        case ENOTDIR: return "klasör bulunamadı";
        case EISDIR: return "bu bir klasör";
#if defined(EROFS)
        case EROFS: return "dosya sistemi salt okunur";
#endif
        default: return "yazma hatası";
    }
}

#if defined(_WIN32)

std::string save(const std::string& path, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return reason(EISDIR);
    const std::string temp = path + ".yeni";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        if (!f) return reason(errno);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        f.close();
        if (!f) {
            std::filesystem::remove(temp, ec);
            return reason(ENOSPC);
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return reason(EACCES);
    }
    return {};
}

#else

// 0 or the errno of the failed write.
int writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t r = ::write(fd, p, left);
        if (r < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += r;
        left -= static_cast<std::size_t>(r);
    }
    return 0;
}

std::string save(const std::string& given, std::string_view bytes) {
    // A link is followed: the file it names is replaced, the link stays.
    std::string path = given;
    if (char* real = ::realpath(given.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return reason(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return reason(errno);
        int error = writeAll(fd, bytes);
        if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
        return error ? reason(error) : std::string();
    }

    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return reason(errno);
    mode_t mode;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (error == 0) error = writeAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    return error ? reason(error) : std::string();
}

#endif

}  // namespace

std::string saveFile(const std::string& path, std::string_view bytes) { return save(path, bytes); }

}  // namespace lineer::cli
