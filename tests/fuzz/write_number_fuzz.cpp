// Any 64-bit pattern as a double: formatNumber writes text of the number
// grammar (sign position, digits with an optional point, an optional
// exponent, one trailing space) with at most 15 significant digits and no
// trailing zeros, and a finite number reads back rounded to 15 digits.
#include <cstdint>
#include <cstring>

#include "number_check.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True if `t` is number text for the finite value v.
bool matchesGrammar(std::string_view t, double v)
{
    if (t.size() < 3 || t.back() != ' ') return false;
    if (t[0] != (v < 0 ? '-' : ' ')) return false;
    std::string_view body = t.substr(1, t.size() - 2);
    if (v == 0) return body == "0";

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
    if (!whole.empty() && whole[0] == '0') return false;           // no "0" before the point
    if (whole.empty() && fraction.empty()) return false;
    if (!exponent.empty() && whole.size() != 1) return false;      // d[.ddd]E±XX
    // Significant digits: the whole part's, then the fraction's without its leading zeros.
    std::string digits(whole);
    digits += fraction;
    digits.erase(0, digits.find_first_not_of('0'));
    size_t significant = digits.size();
    if (exponent.empty()) {
        // Trailing zeros of a whole number are places, not digits.
        if (fraction.empty()) significant = digits.find_last_not_of('0') + 1;
    }
    return significant >= 1 && significant <= 15;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace bk;
    if (size != sizeof(double)) return -1;  // not an input of this target
    double v = 0;
    std::memcpy(&v, data, sizeof v);
    const std::string text = formatNumber(v);
    if (std::isnan(v)) {
        if (text != " NaN ") fuzz::broken("NaN is not written as NaN");
        return 0;
    }
    if (std::isinf(v)) {
        if (text != (v < 0 ? "-Inf " : " Inf ")) fuzz::broken("an infinity is not written as Inf");
        return 0;
    }
    if (!matchesGrammar(text, v)) fuzz::broken("the text of a number breaks the number grammar");
    fuzz::checkReadsBack(v);
    return 0;
}
