#pragma once
// The command line: does what a user does in the window and prints the
// results list.

namespace lineer::cli {

// Runs the command line; returns the exit status.
int run(int argc, char** argv);

}  // namespace lineer::cli
