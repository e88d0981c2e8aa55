#include "arguments.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace lineer::cli {

namespace {

#ifdef _WIN32
std::string utf8(const wchar_t* w) {
    const int len = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (len <= 1) return {};
    std::string s(static_cast<std::size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), len, nullptr, nullptr);
    s.pop_back();  // the terminating zero
    return s;
}

// The wide command line split as the C runtime splits it; empty when that
// gives another count than argc (a runtime that parsed differently).
std::vector<std::string> wideArguments(int argc) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    if (wide && count == argc)
        for (int i = 0; i < count; ++i) args.push_back(utf8(wide[i]));
    LocalFree(wide);
    return args;
}
#endif

}  // namespace

std::vector<std::string> arguments(int argc, char** argv) {
#ifdef _WIN32
    std::vector<std::string> wide = wideArguments(argc);
    if (!wide.empty()) return wide;
#endif
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace lineer::cli
