// What the number fuzzers hold amounts and their text to.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "num/number_text.h"
#include "num/rational.h"

namespace bk::fuzz {

// Stops the fuzzer with the case that broke a promise.
[[noreturn]] inline void broken(const char* what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// The largest double and the smallest positive one, exactly.
inline const Rational& largest()
{
    static const Rational v(Integer((std::uint64_t{1} << 53) - 1) << 971);
    return v;
}
inline const Rational& smallest()
{
    static const Rational v(Integer(1), Integer(1) << 1074);
    return v;
}

// Every amount is 0 or within a double's range.
inline void checkInRange(const Num& v)
{
    if (v.sign() == 0) return;
    const Rational m = abs(exact(v));
    if (m > largest()) broken("an amount is larger than the largest double");
    if (m < smallest()) broken("an amount is smaller than the smallest positive double");
}

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True if `t` is number text for v: a sign position, digits with an optional
// point, an optional exponent, one trailing space; at most 15 significant
// digits, no trailing zeros, no "0" before the point.
inline bool matchesGrammar(std::string_view t, const Num& v)
{
    if (t.size() < 3 || t.back() != ' ') return false;
    if (t[0] != (v.sign() < 0 ? '-' : ' ')) return false;
    std::string_view body = t.substr(1, t.size() - 2);
    if (v.sign() == 0) return body == "0";

    std::string_view exponent;
    if (const size_t e = body.find('E'); e != std::string_view::npos) {
        exponent = body.substr(e + 1);
        body = body.substr(0, e);
        // E, a sign, two or three digits, not a plain-range exponent.
        if (exponent.size() < 3 || exponent.size() > 4 || (exponent[0] != '+' && exponent[0] != '-')) return false;
        for (char c : exponent.substr(1))
            if (!isDigit(c)) return false;
        if (exponent[1] == '0' && exponent.size() == 4) return false;
        const int e10 = std::atoi(std::string(exponent).c_str());
        if (e10 >= -4 && e10 <= 14) return false;  // that range is written plainly
    }
    const size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : body.substr(point + 1);
    if (point != std::string_view::npos && fraction.empty()) return false;
    for (char c : whole)
        if (!isDigit(c)) return false;
    for (char c : fraction)
        if (!isDigit(c)) return false;
    if (!fraction.empty() && fraction.back() == '0') return false;  // no trailing zeros
    if (!whole.empty() && whole[0] == '0') return false;            // no "0" before the point
    if (whole.empty() && fraction.empty()) return false;
    if (!exponent.empty() && whole.size() != 1) return false;  // d[.ddd]E±XX
    // Significant digits: the whole part's, then the fraction's without its leading zeros.
    std::string digits(whole);
    digits += fraction;
    digits.erase(0, digits.find_first_not_of('0'));
    size_t significant = digits.size();
    if (exponent.empty() && fraction.empty()) significant = digits.find_last_not_of('0') + 1;
    return significant >= 1 && significant <= 15;
}

// The text formatNumber writes for v keeps the number grammar and reads back
// as v rounded to 15 significant digits, half away from zero; where that
// rounding leaves the range of amounts the reading overflows.
inline void checkReadsBack(const Num& v)
{
    const std::string text = formatNumber(v);
    if (!matchesGrammar(text, v)) broken("the text of a number breaks the number grammar");
    Rational expected = 0;
    if (v.sign() != 0) {
        const Rounded r = roundToDigits(exact(v), 15);
        expected = decimalValue(Integer(r.digits), r.exponent - 14);
        if (v.sign() < 0) expected = -expected;
    }
    const bool outside = abs(expected) > largest();
    try {
        const Num back = readNumber(text);
        if (outside) broken("a number past the range of amounts was read without overflow");
        if (exact(back) != expected) broken("the text of a number reads back as another number");
    } catch (const ArithmeticFault& fault) {
        if (fault.code != FaultCode::Overflow || !outside) broken("the text of a number could not be read");
    }
}

}  // namespace bk::fuzz
