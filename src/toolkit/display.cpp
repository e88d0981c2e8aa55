// Whether the window has a display to open on: the one place that knows
// which systems can lack one.

#include <cstdlib>
#include <string_view>

#include "toolkit.h"

namespace lineer::ui {

bool displayAvailable() {
#if defined(__unix__) && !defined(__APPLE__)
    const auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v && *v;
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY")) return true;
    // Without a display server only a platform that needs none can start:
    // offscreen, a frame buffer, VNC. QT_QPA_PLATFORM may name several, to
    // be tried in turn ("wayland;xcb"), each with options after a colon.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string_view list = platform ? platform : "";
    while (!list.empty()) {
        const std::size_t end = list.find(';');
        std::string_view name = list.substr(0, end);
        name = name.substr(0, name.find(':'));
        if (!name.empty() && name != "xcb" && !name.starts_with("wayland")) return true;
        if (end == std::string_view::npos) break;
        list.remove_prefix(end + 1);
    }
    return false;
#else
    return true;  // Windows and macOS always have their own
#endif
}

}  // namespace lineer::ui
