// The coefficient file loader on arbitrary bytes: it either loads a matrix
// of a valid size or refuses with a message and leaves the workspace as it
// was.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "loader.h"

using namespace lineer;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int fd = memfd_create("lineer-fuzz", 0);
    if (fd < 0) std::abort();
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);

    static Workspace ws;
    static Workspace before;
    ws.A(100, 100) = 7;
    before = ws;
    LoadResult r = loadCoefficientFile(path, ws);
    if (r.ok) {
        if (ws.n < 0 || ws.n > 100 || ws.m < 0 || ws.m > 100) std::abort();
        if (!r.message.empty()) std::abort();
    } else {
        if (r.message.empty()) std::abort();
        if (std::memcmp(&before.A, &ws.A, sizeof ws.A) != 0 || std::memcmp(&before.x, &ws.x, sizeof ws.x) != 0 ||
            before.n != ws.n || before.m != ws.m || before.texts != ws.texts)
            std::abort();
    }
    return 0;
}
