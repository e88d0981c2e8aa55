#pragma once
// Writing a coefficient file: the loader reads back exactly what was written.

#include <string>
#include <vector>

namespace lineer {

// The shortest text of v that reads back to the same double ("-0",
// "5e-324", "1e+300", "0.1"), in the file's number form. v must be finite.
std::string shortestText(double v);

struct SaveResult {
    bool ok = false;
    std::string message;  // why, when !ok: "Dosya kaydedilemedi: ..." with the reason
};

// Saves an n x m matrix, `values` row by row: "n m" on the first line, then
// one row per line, each value in its shortest text. The file is replaced
// only when complete. Refuses (writing nothing) when n or m is outside
// 0..100, values does not hold n*m numbers or one of them is not finite.
SaveResult saveCoefficientFile(const std::string& path, int n, int m, const std::vector<double>& values);

}  // namespace lineer
