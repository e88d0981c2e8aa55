#include "filereader.h"

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace lineer {

#if defined(_WIN32)

namespace {

class WinFile : public ByteSource {
public:
    explicit WinFile(HANDLE h) : h_(h) {}
    ~WinFile() override { CloseHandle(h_); }
    WinFile(const WinFile&) = delete;
    WinFile& operator=(const WinFile&) = delete;

    long long read(char* buf, std::size_t size) override {
        const DWORD want = size > (1u << 30) ? DWORD(1u << 30) : static_cast<DWORD>(size);
        DWORD got = 0;
        if (!ReadFile(h_, buf, want, &got, nullptr)) return -1;
        return got;
    }

private:
    HANDLE h_;
};

}  // namespace

std::wstring widePath(const std::string& path) {
    if (path.empty() || path.size() >= (1u << 20)) return {};
    const int len = static_cast<int>(path.size());
    const int wlen = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), len, nullptr, 0);
    if (wlen <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(wlen), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), len, wide.data(), wlen);
    return wide;
}

std::unique_ptr<ByteSource> openRegularFile(const std::string& path) {
    if (path.find('\0') != std::string::npos) return nullptr;
    const std::wstring wide = widePath(path);
    if (wide.empty()) return nullptr;
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
    HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    auto file = std::make_unique<WinFile>(h);
    if (GetFileType(h) != FILE_TYPE_DISK) return nullptr;  // pipes, the console, NUL
    return file;
}

#else

namespace {

class PosixFile : public ByteSource {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    long long read(char* buf, std::size_t size) override {
        ssize_t r;
        do {
            r = ::read(fd_, buf, size);
        } while (r < 0 && errno == EINTR);
        return r;
    }

private:
    int fd_;
};

}  // namespace

std::unique_ptr<ByteSource> openRegularFile(const std::string& path) {
    if (path.find('\0') != std::string::npos) return nullptr;
    // Non-blocking, so that opening a named pipe does not wait for a writer;
    // the check below refuses it anyway.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return nullptr;
    auto file = std::make_unique<PosixFile>(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return file;
}

#endif

}  // namespace lineer
