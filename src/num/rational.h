// The exact value behind a Num, for the code that works with it directly:
// reading and writing number text, the arithmetic itself, and the tests that
// check results by value. The calculator windows need none of it and include
// num/arith.h alone, so they compile without Boost.
#pragma once

#include <new>
#include <string>
#include <utility>

#include <boost/multiprecision/cpp_int.hpp>

#include "num/arith.h"

namespace bk {

using Integer = boost::multiprecision::cpp_int;
using Rational = boost::multiprecision::cpp_rational;

// Num keeps its Rational in place.
struct NumAccess {
    static Rational* value(Num& n) { return std::launder(reinterpret_cast<Rational*>(n.value_)); }
    static const Rational* value(const Num& n) { return std::launder(reinterpret_cast<const Rational*>(n.value_)); }
};

// The exact value of v.
inline const Rational& exact(const Num& v) { return *NumAccess::value(v); }

// An exact value as a Num; outside the range of amounts it faults or becomes 0.
Num exactly(Rational v);

// |x| in fen, rounded half away from zero (四舍五入): the one rounding to
// the fen, for the amounts a window derives and the amounts a voucher shows.
Integer fenOf(const Rational& x);

// digits × 10^exponent, exactly.
Rational decimalValue(const Integer& digits, long exponent);

// |v| rounded to `digits` significant decimal digits, half away from zero:
// the digits (exactly `digits` of them, the first never 0) and the decimal
// exponent of the first. v must not be 0.
struct Rounded {
    std::string digits;
    long exponent = 0;
};
Rounded roundToDigits(const Rational& v, unsigned digits);

}  // namespace bk
