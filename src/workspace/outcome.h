#pragma once
// How a method run ended: a value the window, the command line and the
// comparison read, never a message text to match.

#include <cstdint>
#include <optional>

#include "texts.h"

namespace lineer {

enum class Outcome {
    Solved,        // the result stands; an iteration met the tolerance
    ZeroPivot,     // a division by an exact 0 was due (a zero diagonal element)
    Overflow,      // a value to be shown or computed with was not finite
    Underflow,     // a value lost its digits below the smallest normal double
    Stopped,       // the user stopped it (the host said not to go on)
    NotConverged,  // an iteration used up its limit without meeting the tolerance
    Diverging,     // an iteration's values stopped being finite
    Refused,       // the method does not apply to this matrix: see the reason
};

struct RunResult {
    Outcome outcome = Outcome::Solved;
    // Refused: the catalogue key of the message that said why.
    std::optional<PlainText> reason;
    // An iteration: the sweeps it reported to the host (Host::keepIterating)
    // and the maximum change of the last of them; 0 and 0 before the first.
    std::int64_t sweeps = 0;
    double lastChange = 0;
    // A determinant that reached its end: the product it formed, as
    // mantissa × 2^exponent, so that one below or above a double's range
    // is still known (what it printed is that rounded).
    struct Binary {
        double mantissa = 0;
        int exponent = 0;
    };
    std::optional<Binary> determinant;
};

// Whether the method ran to its end, the results it lists being its own:
// solved, or an iteration at its limit. The others end early, with a
// message or at the user's stop.
constexpr bool ranToItsEnd(Outcome o) { return o == Outcome::Solved || o == Outcome::NotConverged; }

}  // namespace lineer
