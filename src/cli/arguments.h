#pragma once
// The program's arguments as the core takes file names: in UTF-8.

#include <string>
#include <vector>

namespace lineer::cli {

// argv[0..argc-1] in UTF-8. On Windows argv is in the ANSI code page, which
// cannot hold every file name, so the arguments are read again from the
// wide-character command line; elsewhere they are argv's bytes unchanged.
std::vector<std::string> arguments(int argc, char** argv);

}  // namespace lineer::cli
