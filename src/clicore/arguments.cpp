#include "arguments.h"

#include "languages.h"
#include "loader.h"
#include "textnum.h"

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

// The options whose value is the next argument.
bool takesValue(const std::string& a) {
    for (const char* name : {"--method", "--max-iter", "--w", "--picture", "--open", "--x0", "--tol", "--seed", "--answers", "--plot"})
        if (a == name) return true;
    return false;
}

}  // namespace

std::vector<std::string> arguments(int argc, char** argv) {
#ifdef _WIN32
    std::vector<std::string> wide = wideArguments(argc);
    if (!wide.empty()) return wide;
#endif
    return std::vector<std::string>(argv, argv + argc);
}

LanguageChoice takeLanguage(std::vector<std::string>& args) {
    LanguageChoice choice;
    std::vector<std::string> rest;
    if (!args.empty()) rest.push_back(args[0]);
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<std::string> value;
        if (a == "--") {
            rest.insert(rest.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        } else if (a == "--lang") {
            if (i + 1 < args.size()) value = args[++i];
        } else if (a.starts_with("--lang=")) {
            value = a.substr(7);
        } else {
            rest.push_back(a);
            if (takesValue(a) && i + 1 < args.size()) rest.push_back(args[++i]);
            continue;
        }
        if (!choice.problem.empty()) continue;
        if (!value || value->empty())
            choice.problem = text(Text::CliLanguageNeedsName);
        else if (const std::optional<Language> l = languageOfCode(*value))
            choice.language = *l;
        else
            choice.problem = format(Text::CliUnknownLanguage, shownPath(*value));
    }
    args = std::move(rest);
    return choice;
}

std::string readStartVector(const std::string& text, std::string_view decimal, std::vector<double>& x0) {
    const auto values = readNumberList(text, decimal);
    if (!values) return format(Text::CliBadStartVector, shownPath(text));
    x0 = *values;
    return {};
}

std::string readTolerance(const std::string& text, std::string_view decimal, std::optional<double>& tolerance) {
    const std::optional<double> value = lineer::readTolerance(text, decimal);
    if (!value) return format(Text::CliBadTolerance, shownPath(text));
    tolerance = value;
    return {};
}

}  // namespace lineer::cli
