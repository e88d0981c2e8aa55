// The text-box number reading on arbitrary text: it never fails, never
// gives NaN, and ignores spaces, tabs and line feeds.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "textnum.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    double v = lineer::textToNumber(text);
    if (std::isnan(v)) std::abort();
    std::string squeezed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') squeezed.push_back(c);
    double w = lineer::textToNumber(squeezed);
    if (std::memcmp(&v, &w, sizeof v) != 0) std::abort();
    return 0;
}
