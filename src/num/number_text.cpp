#include "num/number_text.h"

#include "num/rational.h"
#include "num/text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace bk {

// ---------------------------------------------------------------------------
// formatNumber

std::string formatNumber(const Num& v)
{
    if (v.sign() == 0) return " 0 ";
    const std::string sign = v.sign() < 0 ? "-" : " ";

    // The magnitude rounded to 15 significant digits, half away from zero;
    // the exponent is that of the rounded value, so 999999999999999.5 comes
    // out as 1E+15.
    const Rounded rounded = roundToDigits(exact(v), 15);
    std::string digits = rounded.digits;
    const long exp = rounded.exponent;
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
        char exponent[32];
        std::snprintf(exponent, sizeof exponent, "E%c%02ld", exp < 0 ? '-' : '+', std::labs(exp));
        text = digits.substr(0, 1);
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += exponent;
    }
    return sign + text + " ";
}

std::string plainNumber(const Num& v)
{
    std::string text = formatNumber(v);
    text.pop_back();  // the trailing space
    if (text[0] == ' ') text.erase(0, 1);
    const size_t digits = text[0] == '-' ? 1 : 0;
    if (text[digits] == '.') text.insert(text.begin() + static_cast<std::ptrdiff_t>(digits), '0');
    return text;
}

std::string fenAmount(const Num& amount, bool grouped)
{
    const bool negative = amount.sign() < 0;
    const Integer fen = fenOf(exact(amount));
    std::string digits = fen.str();
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::string cents = digits.substr(digits.size() - 2);
    const std::string whole = digits.substr(0, digits.size() - 2);
    std::string text;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0) text += ',';
        text += whole[i];
    }
    return (negative && fen != 0 ? "-" : "") + text + "." + cents;
}

Num addPrintSlack(const Num& slack, const Num& printed)
{
    Rational half;  // of a unit of the last printed digit; 0 prints exactly
    if (printed.sign() != 0) {
        const long last = roundToDigits(exact(printed), 15).exponent - 14;
        const Integer unit = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(std::labs(last)));
        half = last < 0 ? Rational(Integer(5), unit * 10) : Rational(5 * unit, Integer(10));
    }
    return exactly(exact(slack) + half);
}

std::string shownAmount(std::string_view printed)
{
    const size_t from = printed.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    std::string_view text = printed.substr(from, printed.find_last_not_of(' ') + 1 - from);
    if (text.find('E') != std::string_view::npos) return std::string(text);
    std::string shown;
    if (text.front() == '-') {
        shown.push_back('-');
        text.remove_prefix(1);
    }
    const size_t point = std::min(text.find('.'), text.size());
    const std::string_view whole = text.substr(0, point);
    if (whole.empty()) shown += '0';
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) shown += ',';
        shown += whole[i];
    }
    shown += text.substr(point);
    return shown;
}

// ---------------------------------------------------------------------------
// readNumber

namespace {

// Stands for "¥" and "￥" in the reader; no byte of a text reads as it.
constexpr char kCurrency = '\x02';

// Walks the field text one character at a time for the number reader.
// Blanks (text::isBlank) are skipped wherever they stand. The full-width
// digits, point, comma and signs that a Chinese input method types are
// handed on as their ASCII forms, the two yuan signs as kCurrency (the
// control character it is stands for nothing). Every other character outside
// ASCII, and every byte that is not valid UTF-8, reads as '\0', which no part
// of a number accepts, so it ends the number.
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
    // True when nothing but blanks is left.
    bool atEnd()
    {
        skipBlanks();
        return pos_ == text_.size();
    }

private:
    struct Char {
        char ch;
        std::size_t len;  // bytes it takes in the text
    };

    Char decode() const
    {
        const text::Char c = text::charAt(text_, pos_);
        if (c.size == 0) return {'\0', 0};
        if (text::isBlank(c.code)) return {' ', c.size};
        if (c.code < 0x80)
            return {c.code == static_cast<unsigned char>(kCurrency) ? '\0' : static_cast<char>(c.code), 1};
        switch (c.code) {
        case U'¥':
        case U'￥': return {kCurrency, c.size};
        case U'．': return {'.', c.size};
        case U'，': return {',', c.size};
        case U'＋': return {'+', c.size};
        case U'－': return {'-', c.size};
        case U'％': return {'%', c.size};
        default: break;
        }
        if (c.code >= U'０' && c.code <= U'９') return {static_cast<char>('0' + (c.code - U'０')), c.size};
        return {'\0', c.size};
    }

    void skipBlanks()
    {
        for (Char c = decode(); c.ch == ' '; c = decode()) pos_ += c.len;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// At a "," after a digit of the whole part: true when exactly three digits
// follow it, which makes it a thousands separator ("1,000", "2,500.75");
// otherwise the comma ends the number ("12,34" is 12).
bool isThousandsSeparator(FieldReader in)
{
    in.next();  // the comma
    for (int k = 0; k < 3; ++k) {
        if (!isDigit(in.peek())) return false;
        in.next();
    }
    return !isDigit(in.peek());
}

// The value of c as a digit of the given radix (8 or 16), or -1.
int radixDigit(char c, int radix)
{
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    return d < radix ? d : -1;
}

// The digits after "&H" or "&O": a signed 16-bit value when it fits in 16
// bits, otherwise a signed 32-bit value; beyond 32 bits an overflow.
Num readWholeNumber(FieldReader& in, int radix, bool& anyDigit)
{
    std::uint64_t value = 0;
    for (int d = radixDigit(in.peek(), radix); d >= 0; d = radixDigit(in.peek(), radix)) {
        in.next();
        anyDigit = true;
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu) raise(FaultCode::Overflow);
    }
    if (value <= 0xFFFFu) return Num(static_cast<std::int16_t>(value));
    return Num(static_cast<std::int32_t>(value));
}

// A decimal number: digits (the whole part may be grouped by thousands
// separators), at most one ".", digits, then an optional exponent part. Its
// value is exact; only past kKeptDigits significant digits is it rounded, half
// away from zero, which no amount comes near.
Num readDecimal(FieldReader& in, bool& anyDigit)
{
    constexpr std::int64_t kExponentLimit = 1'000'000'000;  // saturation of the written exponent

    std::string digits;      // significant digits, without leading zeros
    bool roundUp = false;    // the first digit beyond kKeptDigits is 5 or more
    bool beyond = false;     // a digit beyond kKeptDigits was seen
    std::int64_t scale = 0;  // value = digits × 10^scale
    bool afterPoint = false;

    for (char c = in.peek();; c = in.peek()) {
        if (c == ',' && anyDigit && !afterPoint && isThousandsSeparator(in)) {
            in.next();
            continue;
        }
        if (!isDigit(c) && !(c == '.' && !afterPoint)) break;
        in.next();
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        anyDigit = true;
        if (digits.empty() && c == '0') {
            if (afterPoint) --scale;  // a leading zero after the point counts as a place
        } else if (digits.size() < kKeptDigits) {
            digits += c;
            if (afterPoint) --scale;
        } else {
            if (!beyond) roundUp = c >= '5';
            beyond = true;
            if (!afterPoint) ++scale;
        }
    }

    const char letter = in.peek();
    if (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd') {
        const FieldReader beforeLetter = in;
        in.next();
        bool negative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negative = in.peek() == '-';
            in.next();
        }
        std::int64_t exponent = 0;  // no digits: the exponent adds nothing
        bool exponentDigits = false;
        for (char c = in.peek(); isDigit(c); c = in.peek()) {
            in.next();
            exponent = std::min(exponent * 10 + (c - '0'), kExponentLimit);
            exponentDigits = true;
        }
        scale += negative ? -exponent : exponent;
        if (!exponentDigits) in = beforeLetter;  // "12E" reads 12 and leaves the E unread
    }

    if (digits.empty()) return Num();
    // Decimal exponent of the leading digit; far outside the range of
    // amounts the answer is known without building the number.
    const std::int64_t leading = scale + static_cast<std::int64_t>(digits.size()) - 1;
    if (leading > 400) raise(FaultCode::Overflow);
    if (leading < -400) return Num();

    Integer value(digits);
    if (roundUp) ++value;
    return exactly(decimalValue(value, static_cast<long>(scale)));
}

// A "+" or "-", if one is next; true for "-".
bool readSign(FieldReader& in, bool& seen)
{
    if (in.peek() != '+' && in.peek() != '-') return false;
    seen = true;
    const bool negative = in.peek() == '-';
    in.next();
    return negative;
}

}  // namespace

FieldNumber readField(std::string_view utf8)
{
    FieldReader in(utf8);
    const bool blank = FieldReader(utf8).atEnd();
    bool anyDigit = false;
    // A sign and a yuan sign in either order: "-¥5", "¥-5", "¥ 5".
    bool signSeen = false;
    bool negative = readSign(in, signSeen);
    if (in.peek() == kCurrency) {
        in.next();
        if (!signSeen) negative = readSign(in, signSeen);
    }

    Num magnitude;
    if (in.peek() == '&') {
        in.next();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            in.next();
            magnitude = readWholeNumber(in, kind == 'H' || kind == 'h' ? 16 : 8, anyDigit);
        }
    } else {
        magnitude = readDecimal(in, anyDigit);
    }
    const Num value = negative ? -magnitude : magnitude;
    if (anyDigit && in.peek() == '%') {
        in.next();
        if (in.atEnd()) return {value, false, true, true};
    }
    return {value, blank || (anyDigit && in.atEnd()), anyDigit};
}

Num readNumber(std::string_view utf8) { return readField(utf8).value; }

}  // namespace bk
