#include "ui/number_text.h"

#include "ui/arith.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace bk {

// ---------------------------------------------------------------------------
// formatNumber

std::string formatNumber(double v)
{
    const std::string sign = v < 0 ? "-" : " ";
    if (std::isnan(v)) return " NaN ";
    if (std::isinf(v)) return sign + "Inf ";
    if (v == 0) return " 0 ";

    // "%.14e" rounds the magnitude to 15 significant digits (to nearest) and
    // gives them as "d.dddddddddddddde±XX"; the exponent is that of the
    // rounded value, so 999999999999999.5 comes out as 1.00000000000000e+15.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int exp = std::atoi(buf + 17);
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0

    std::string text;
    if (exp >= -4 && exp <= 14) {
        // Plain decimal: integer digits (none below 1), then the fraction.
        std::string intPart;
        std::string fraction;
        if (exp >= 0) {
            const auto intDigits = static_cast<std::size_t>(exp) + 1;
            intPart = digits.substr(0, intDigits);
            intPart.resize(intDigits, '0');
            if (digits.size() > intDigits) fraction = digits.substr(intDigits);
        } else {
            fraction = std::string(static_cast<std::size_t>(-exp - 1), '0') + digits;
        }
        text = fraction.empty() ? intPart : intPart + "." + fraction;
    } else {
        // Exponent form: d[.ddd]E±XX, at least two exponent digits.
        char exponent[8];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
        text = digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent;
    }
    return sign + text + " ";
}

// ---------------------------------------------------------------------------
// readNumber

namespace {

// Walks the field text one character at a time for the number reader.
// Blanks (space, tab, line feed, the full-width space) are skipped wherever
// they stand. The full-width digits, point and signs that a Chinese input
// method types are handed on as their ASCII forms. Every other character
// outside ASCII, and every byte that is not valid UTF-8, reads as '\0',
// which no part of a number accepts, so it ends the number.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next character that is not a blank, or '\0' at the end.
    char peek()
    {
        skipBlanks();
        return decode().ch;
    }
    // Moves past the character peek() returned.
    void next()
    {
        skipBlanks();
        pos_ += decode().len;
    }

private:
    struct Char {
        char ch;
        std::size_t len;  // bytes it takes in the text
    };

    Char decode() const
    {
        const std::size_t left = text_.size() - pos_;
        if (left == 0) return {'\0', 0};
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text_[pos_ + k]); };
        if (byte(0) < 0x80) return {static_cast<char>(byte(0)), 1};
        if (left >= 3 && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) return {' ', 3};  // U+3000
        if (left >= 3 && byte(0) == 0xEF && byte(1) == 0xBC) {  // U+FF00..U+FF3F
            const unsigned char last = byte(2);
            if (last >= 0x90 && last <= 0x99) return {static_cast<char>('0' + (last - 0x90)), 3};  // ０..９
            if (last == 0x8E) return {'.', 3};  // ．
            if (last == 0x8B) return {'+', 3};  // ＋
            if (last == 0x8D) return {'-', 3};  // －
        }
        return {'\0', 1};
    }

    void skipBlanks()
    {
        for (Char c = decode(); c.ch == ' ' || c.ch == '\t' || c.ch == '\n'; c = decode()) pos_ += c.len;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of c as a digit of the given radix (8 or 16), or -1.
int radixDigit(char c, int radix)
{
    int d = -1;
    if (isDigit(c)) d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    return d < radix ? d : -1;
}

// The digits after "&H" or "&O": a signed 16-bit value when it fits in 16
// bits, otherwise a signed 32-bit value; beyond 32 bits an overflow.
double readWholeNumber(FieldReader& in, int radix)
{
    std::uint64_t value = 0;
    for (int d = radixDigit(in.peek(), radix); d >= 0; d = radixDigit(in.peek(), radix)) {
        in.next();
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu) raise(FaultCode::Overflow);
    }
    if (value <= 0xFFFFu) return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

// A decimal number: digits, at most one ".", digits, then an optional
// exponent part. Only the first kMaxDigits significant digits are kept, plus
// a "1" standing for any non-zero digit beyond them; more than 767 digits
// are never needed to decide the rounding of a double, so the conversion
// stays correctly rounded whatever the length of the text.
double readDecimal(FieldReader& in)
{
    constexpr std::size_t kMaxDigits = 800;
    constexpr std::int64_t kExponentLimit = 1'000'000'000;  // saturation of the written exponent

    std::string digits;          // significant digits, without leading zeros
    bool droppedNonZero = false; // a non-zero digit beyond kMaxDigits
    std::int64_t scale = 0;      // value = digits × 10^scale
    bool afterPoint = false;

    for (char c = in.peek(); isDigit(c) || (c == '.' && !afterPoint); c = in.peek()) {
        in.next();
        if (c == '.') {
            afterPoint = true;
        } else if (digits.size() < kMaxDigits) {
            if (!digits.empty() || c != '0') digits += c;
            if (afterPoint) --scale;  // a leading zero after the point counts as well
        } else {
            droppedNonZero |= c != '0';
            if (!afterPoint) ++scale;
        }
    }

    const char letter = in.peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        in.next();
        bool negative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negative = in.peek() == '-';
            in.next();
        }
        std::int64_t exponent = 0;  // no digits: the exponent adds nothing
        for (char c = in.peek(); isDigit(c); c = in.peek()) {
            in.next();
            exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
        }
        scale += negative ? -exponent : exponent;
    }

    if (digits.empty()) return 0.0;
    if (droppedNonZero) {
        digits += '1';
        --scale;
    }
    // Decimal exponent of the leading digit; far outside the double range
    // the answer is known without converting.
    const std::int64_t leading = scale + static_cast<std::int64_t>(digits.size()) - 1;
    if (leading > 400) raise(FaultCode::Overflow);
    if (leading < -400) return 0.0;

    // Only digits, "e" and "-" go to strtod, so the locale has no say.
    const std::string text = digits + "e" + std::to_string(scale);
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value)) raise(FaultCode::Overflow);
    return value;
}

}  // namespace

double readNumber(std::string_view utf8)
{
    FieldReader in(utf8);
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }

    double magnitude = 0.0;
    if (in.peek() == '&') {
        in.next();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            in.next();
            magnitude = readWholeNumber(in, kind == 'H' || kind == 'h' ? 16 : 8);
        }
    } else {
        magnitude = readDecimal(in);
    }

    const double value = negative ? -magnitude : magnitude;
    return value == 0.0 ? 0.0 : value;  // never -0
}

}  // namespace bk
