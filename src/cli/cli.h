#pragma once
// The command line: does what a user does in the window and prints the
// results list.

#include <string>
#include <string_view>
#include <vector>

namespace lineer::cli {

// Runs the command line on the program's arguments (args[0] is the program,
// file names in UTF-8); returns the exit status.
int run(const std::vector<std::string>& args);

// Writes a usage error and its hint to standard error; returns the exit
// status of a usage error.
int usage(std::string_view problem);

}  // namespace lineer::cli
