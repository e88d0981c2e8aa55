#pragma once
// The methods, one row each: everything the dispatcher, the comparison,
// the window and the command line know about a method. The rows are in
// methodtable.cpp; a new method is its own file, which defines its
// procedure, plus one row there (and its catalogue rows).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "analysis.h"
#include "cost.h"
#include "context.h"
#include "outcome.h"
#include "remarks.h"
#include "texts.h"

namespace lineer {

// A method, by its row in the table: the form's option buttons first, in
// the order the calculate button tests them, then the methods beside the
// form. The names are for the rows the code refers to; a method nobody
// names needs none.
enum class Option : int {
    DetGauss,
    InvScrobanski,
    LesGauss,
    LesMPGauss,
    LesGaussJordan,
    LesDoolittle,
    LesCrout,
    LesThomas,
    LesJacobi,
    LesGaussSidel,
    LesSOR,
    LesSORTextbook,
    LesGaussPivot,
    LesCompletePivot,
    LesLUPivot,
    LesCholesky,
    DetPivot,
};

// The form's option buttons: the first rows of the table. The form is
// fixed; new methods take their place beside it.
inline constexpr int kOptionCount = 11;

// Where the window offers a method.
enum class Place {
    Form,          // an option button of the form (its layout: ui/window/optionlayout.h)
    TextbookList,  // beside the form: the command line, and the window's list of textbook methods
};

// The heading a method stands under.
enum class Group { Determinant, Inverse, LinearSystem };

// What a method needs of the matrix as loaded for its result to mean
// something. A method does its own checks where it has any; the
// comparison runs only the methods whose needs the system meets.
enum class Need : unsigned {
    None = 0,
    Square = 1,                     // the square block A(1..n, 1..n) within the loaded columns
    Augmented = 2,                  // a system: m = n + 1, the right-hand side in the last column
    Tridiagonal = 4,                // nothing but 0 off the three diagonals
    SymmetricPositiveDefinite = 8,  // A(i, j) = A(j, i), and every pivot of A = L·Lᵀ above 0
};
constexpr Need operator|(Need a, Need b) {
    return static_cast<Need>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool has(Need set, Need one) { return (static_cast<unsigned>(set) & static_cast<unsigned>(one)) != 0; }

// How the comparison runs a method: not at all, or once under its help
// line, or under a name that shows the relaxation factor (place {0}); and
// once more at the best factor the analysis finds for it, when it finds one.
struct Compared {
    bool runs = false;
    std::optional<TextTemplate<1>> atW;
    std::optional<TextTemplate<1>> atBestW;
    // In the table of the textbook methods, below the program's own (whose
    // table and reference stay as they are without them).
    bool textbook = false;
};

// Which analysis follows the run when the user asks for one: a direct
// method's accuracy, or an iteration's convergence.
struct Analysed {
    std::optional<analysis::Direct> direct;
    std::optional<analysis::Iteration> iteration;
};

using MethodProcedure = RunResult(Context&);

struct MethodRow {
    const char* cliName;  // --method NAME
    PlainText caption;    // the option button's caption, the handouts' method
    PlainText help;       // the line of "--help" after the name
    Place place;
    Group group;
    MethodProcedure* run;
    Need needs = Need::None;
    bool usesMaxIter = false;  // reads "Maksimum iterasyon sayısı" (and shows it)
    bool usesW = false;        // reads "Gevşetme faktörü" (and shows it)
    Compared compared{};
    Analysed analysed{};
    // A direct method: what its remarks judge it as (a solver with or
    // without exchanges, a determinant, an inverse). Every run of it is
    // checked against the matrix as loaded, the analysis on or off. The
    // iterations' remarks follow from `analysed.iteration`.
    std::optional<analysis::DirectUse> remarked{};
    // A direct method: whose multiplications and divisions the comparison
    // counts for it (an iteration's are its sweeps' count).
    std::optional<analysis::DirectMethod> counted{};
    // Whether its steps are only the four operations and comparisons, so
    // that it can run on exact fractions as well as on doubles.
    bool exact = false;
    // The procedure that does so, where there is one yet.
    MethodProcedure* runExact = nullptr;
};

// Every method, in the order of the options.
extern const std::span<const MethodRow> kMethods;
// The same count.
extern const int kAllOptionCount;

const MethodRow& methodRow(Option option);
// The option of a row of kMethods (or of a copy of one).
Option optionOf(const MethodRow& row);
// The method whose command-line name is `name`.
std::optional<Option> optionNamed(std::string_view name);

// Whether the matrix as loaded meets every need of the set.
bool meets(Need needs, const Workspace& loaded);

}  // namespace lineer
