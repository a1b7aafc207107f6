// What the number fuzzers hold the number text to.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/arith.h"
#include "ui/number_text.h"

namespace bk::fuzz {

// Stops the fuzzer with the case that broke a promise.
[[noreturn]] inline void broken(const char* what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// v rounded to 15 significant digits (to nearest), as a double; infinite
// when the rounding carries past the largest double.
inline double roundTo15Digits(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::strtod(buf, nullptr);
}

// A finite number written by formatNumber reads back as the number rounded
// to 15 significant digits; where that rounding leaves the double range the
// reading overflows.
inline void checkReadsBack(double v)
{
    const std::string text = formatNumber(v);
    const double expected = roundTo15Digits(v);
    try {
        const double back = readNumber(text);
        if (std::isinf(expected)) broken("a number past the double range was read without overflow");
        if (back != expected && !(back == 0 && expected == 0)) broken("the text of a number reads back as another number");
    } catch (const ArithmeticFault& fault) {
        if (fault.code != FaultCode::Overflow || !std::isinf(expected)) broken("the text of a number could not be read");
    }
}

}  // namespace bk::fuzz
