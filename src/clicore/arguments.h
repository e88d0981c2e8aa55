#pragma once
// The program's arguments as the core takes file names: in UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "texts.h"

namespace lineer::cli {

// argv[0..argc-1] in UTF-8. On Windows argv is in the ANSI code page, which
// cannot hold every file name, so the arguments are read again from the
// wide-character command line; elsewhere they are argv's bytes unchanged.
std::vector<std::string> arguments(int argc, char** argv);

// "--lang en", "--lang tr" (or "--lang=en") anywhere among the arguments,
// taken out of them so that the rest reads as without it; the last one
// counts. The value of another option ("--picture --lang") and everything
// after "--" are left alone. A missing or unknown language sets `problem`
// to the usage error, in the language spoken so far.
struct LanguageChoice {
    std::optional<Language> language;
    std::string problem;
};
LanguageChoice takeLanguage(std::vector<std::string>& args);

// The texts of "--x0" and "--tol" read into a run's start vector and
// tolerance (numbers as the boxes read them, in the user's decimal
// symbol); the usage error when a text is not what its option takes, else
// an empty string.
std::string readStartVector(const std::string& text, std::string_view decimal, std::vector<double>& x0);
std::string readTolerance(const std::string& text, std::string_view decimal, std::optional<double>& tolerance);

}  // namespace lineer::cli
