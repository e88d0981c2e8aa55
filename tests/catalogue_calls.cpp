// Calls of the catalogue, compiled by the tests only: rightly, and with a
// template given the wrong number of values.

#include <string>

#include "texts.h"

namespace lineer {

std::string calls() {
    std::string s(text(Text::RootsHeading));
    s += format(Text::StepRowExchange, "1", "2");
#if defined(CASE_TOO_FEW)
    s += format(Text::StepRowExchange, "1");
#elif defined(CASE_TOO_MANY)
    s += format(Text::StoppedLine, "1", "2");
#elif defined(CASE_TEXT_OF_TEMPLATE)
    s += text(Text::StoppedLine);
#endif
    return s;
}

}  // namespace lineer
