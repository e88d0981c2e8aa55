#pragma once
// Exercises: random systems of a chosen kind with integer roots, and their
// answer key. The same kind, size and seed give the same bytes on every
// machine: the numbers come from a generator of this file's own
// (splitmix64), not from the standard library's distributions, whose
// results differ from one library to the next.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lineer::exercises {

enum class Kind {
    Integer,      // A = L·U with small integers: Gauss by hand in halves at worst
    Dominant,     // strictly diagonally dominant: every iteration converges
    Spd,          // A = L·Lᵀ with small integers: symmetric positive definite
    Tridiagonal,  // strictly diagonally dominant and tridiagonal, for Thomas
    Hilbert,      // A(i, j) = 1/(i + j − 1), the nearest doubles
};

// The kind of a command-line word ("integer", "dominant", "spd",
// "tridiagonal", "hilbert"); nullopt for any other.
std::optional<Kind> kindNamed(std::string_view word);
std::string_view kindName(Kind kind);

inline constexpr int kMaxEquations = 99;  // m = n + 1 columns fit the workspace

struct Exercise {
    Kind kind = Kind::Integer;
    int n = 0;
    std::uint64_t seed = 0;
    std::vector<double> a;        // the augmented n × (n + 1) matrix, row by row
    std::vector<long long> roots; // x(1..n) at [0..n-1]
    double at(int i, int j) const { return a[static_cast<std::size_t>((i - 1) * (n + 1) + (j - 1))]; }
};

// An exercise of n equations, 1 ≤ n ≤ kMaxEquations.
Exercise generate(Kind kind, int n, std::uint64_t seed);

// The coefficient file: "n m", then one row per line. Whole numbers are
// written as such, others in their shortest text that reads back the same.
std::string coefficientText(const Exercise& e);

// The answer key in the language spoken now: a heading with the kind, the
// size and the seed, the roots, and the spectral radii of the Jacobi and
// Gauss-Seidel iteration matrices (and for Hilbert, a line on what its
// roots are).
std::string answersText(const Exercise& e, std::string_view decimal);

}  // namespace lineer::exercises
