#pragma once
// "--generate KIND N [--seed S] [--answers FILE]": an exercise on standard
// output and its answer key in FILE.

#include <optional>
#include <string>
#include <vector>

namespace lineer::cli {

// The exit status of an exercise asked for by the arguments (args[0] is
// the program): 0 when the coefficient file was written (and the answer
// key saved, if asked), 2 on a usage error or when either could not be
// written. nullopt when the arguments ask for no exercise. The answer key
// writes its numbers with `decimal`.
std::optional<int> generateIfAsked(const std::vector<std::string>& args, const std::string& decimal);

}  // namespace lineer::cli
