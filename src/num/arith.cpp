#include "num/arith.h"

#include "num/rational.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <type_traits>
#include <vector>

namespace bk {

static_assert(sizeof(Rational) <= Num::kSize, "Num::kSize is too small for the exact value");
static_assert(Num::kAlign % alignof(Rational) == 0, "Num::kAlign is too weak for the exact value");
static_assert(std::is_nothrow_move_constructible_v<Rational> && std::is_nothrow_move_assignable_v<Rational>,
              "Num moves without throwing");

std::string faultDescription(FaultCode code)
{
    switch (code) {
    case FaultCode::InvalidCall: return "无效的过程调用或参数";
    case FaultCode::Overflow: return "溢出";
    case FaultCode::DivisionByZero: return "除数为零";
    }
    return "未知错误";
}

std::string faultMessage(FaultCode code)
{
    return "运行时错误 " + std::to_string(static_cast<int>(code)) + "：" + faultDescription(code);
}

void raise(FaultCode code) { throw ArithmeticFault{code}; }

namespace {

using boost::multiprecision::denominator;
using boost::multiprecision::msb;
using boost::multiprecision::numerator;

const Integer& pow10(unsigned k)
{
    static std::vector<Integer> powers{Integer(1)};
    while (powers.size() <= k) powers.push_back(powers.back() * 10);
    return powers[k];
}

long bitLength(const Integer& positive) { return static_cast<long>(msb(positive)) + 1; }

// The largest double and the smallest positive one, exactly.
const Rational& largest()
{
    static const Rational v = Rational(Integer((std::uint64_t{1} << 53) - 1) << 971);
    return v;
}
const Rational& smallest()
{
    static const Rational v = Rational(Integer(1), Integer(1) << 1074);
    return v;
}

// The sign of |v| - 10^e, for v != 0.
int comparePow10(const Integer& n, const Integer& d, long e)
{
    if (e >= 0) {
        const Integer rhs = d * pow10(static_cast<unsigned>(e));
        return n < rhs ? -1 : (n == rhs ? 0 : 1);
    }
    const Integer lhs = n * pow10(static_cast<unsigned>(-e));
    return lhs < d ? -1 : (lhs == d ? 0 : 1);
}

// Holds v to the range of amounts: an overflow past the largest double, 0
// below the smallest positive one, and at most kKeptDigits significant digits
// once its exact form has grown past kMaxBits.
Rational inRange(Rational v)
{
    if (v.sign() == 0) return v;
    const Integer n = abs(numerator(v));
    const Integer d = denominator(v);
    const long nBits = bitLength(n);
    const long dBits = bitLength(d);
    // 2^(nBits-dBits-1) < |v| < 2^(nBits-dBits+1)
    const long log2 = nBits - dBits;
    if (log2 - 1 >= 1024) raise(FaultCode::Overflow);
    if (log2 + 1 > 1023 && abs(v) > largest()) raise(FaultCode::Overflow);
    if (log2 + 1 <= -1074) return Rational(0);
    if (log2 - 1 < -1074 && abs(v) < smallest()) return Rational(0);
    if (nBits + dBits > static_cast<long>(kMaxBits)) {
        const Rounded r = roundToDigits(v, kKeptDigits);
        Rational kept = decimalValue(Integer(r.digits), r.exponent - static_cast<long>(kKeptDigits) + 1);
        return v.sign() < 0 ? Rational(-kept) : kept;
    }
    return v;
}

}  // namespace

Rational decimalValue(const Integer& digits, long exponent)
{
    if (exponent >= 0) return Rational(digits * pow10(static_cast<unsigned>(exponent)));
    return Rational(digits, pow10(static_cast<unsigned>(-exponent)));
}

Rounded roundToDigits(const Rational& v, unsigned digits)
{
    const Integer n = abs(numerator(v));
    const Integer& d = denominator(v);
    // The decimal exponent e of |v|, 10^e <= |v| < 10^(e+1): first from the
    // bit lengths, then put right by comparing.
    long e = static_cast<long>(std::floor(static_cast<double>(bitLength(n) - bitLength(d)) * 0.30102999566398120));
    while (comparePow10(n, d, e) < 0) --e;
    while (comparePow10(n, d, e + 1) >= 0) ++e;

    // |v| × 10^(digits-1-e), rounded half away from zero, has `digits` digits.
    const long shift = static_cast<long>(digits) - 1 - e;
    Integer num = n;
    Integer den = d;
    if (shift >= 0)
        num *= pow10(static_cast<unsigned>(shift));
    else
        den *= pow10(static_cast<unsigned>(-shift));
    Integer q;
    Integer r;
    divide_qr(num, den, q, r);
    if (2 * r >= den) ++q;
    if (q == pow10(digits)) {  // 9.99…95 carried into the next power of ten
        q = pow10(digits - 1);
        ++e;
    }
    return {q.str(), e};
}

Num::Num() noexcept { ::new (static_cast<void*>(value_)) Rational(); }
Num::Num(long long v, Whole) { ::new (static_cast<void*>(value_)) Rational(v); }
Num::Num(unsigned long long v, Whole) { ::new (static_cast<void*>(value_)) Rational(v); }
Num::Num(const Num& other) { ::new (static_cast<void*>(value_)) Rational(exact(other)); }
Num::Num(Num&& other) noexcept { ::new (static_cast<void*>(value_)) Rational(std::move(*NumAccess::value(other))); }
Num& Num::operator=(const Num& other)
{
    if (this != &other) *NumAccess::value(*this) = exact(other);
    return *this;
}
Num& Num::operator=(Num&& other) noexcept
{
    *NumAccess::value(*this) = std::move(*NumAccess::value(other));
    return *this;
}
Num::~Num() { NumAccess::value(*this)->~Rational(); }

int Num::sign() const { return exact(*this).sign(); }

bool operator==(const Num& a, const Num& b) { return exact(a) == exact(b); }
bool operator<(const Num& a, const Num& b) { return exact(a) < exact(b); }

Num::Num(double v) : Num()
{
    if (!std::isfinite(v)) raise(FaultCode::Overflow);
    if (v == 0) return;
    // The shortest decimal that reads back as v: the digits a literal was
    // written with. A double of at most 15 significant digits comes back from
    // 15 digits (the 15-digit rounding of v is then that literal, padded with
    // zeros), any other from 16 or 17. Below the normal range a double has
    // fewer digits of its own, so there the search starts at one digit.
    char buf[40];
    for (int precision = std::fabs(v) < DBL_MIN ? 0 : 14; precision <= 16; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*e", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    // "-d.ddde±x": the digits, whatever the locale writes for the point.
    std::string digits;
    const char* p = buf;
    if (*p == '-') ++p;
    for (; *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    long exponent = std::strtol(p + 1, nullptr, 10) - static_cast<long>(digits.size()) + 1;
    const std::size_t kept = digits.find_last_not_of('0') + 1;
    exponent += static_cast<long>(digits.size() - kept);
    digits.resize(kept);
    Rational value = decimalValue(Integer(digits), exponent);
    *NumAccess::value(*this) = inRange(v < 0 ? Rational(-value) : value);
}

Num exactly(Rational v)
{
    Num n;
    *NumAccess::value(n) = inRange(std::move(v));
    return n;
}

double Num::toDouble() const
{
    const Rational& v = exact(*this);
    if (v.sign() == 0) return 0.0;
    const Rounded r = roundToDigits(v, 17);
    const std::string text = (v.sign() < 0 ? "-" : "") + r.digits + "e" + std::to_string(r.exponent - 16);
    return std::strtod(text.c_str(), nullptr);
}

Num operator+(const Num& a, const Num& b) { return exactly(exact(a) + exact(b)); }
Num operator-(const Num& a, const Num& b) { return exactly(exact(a) - exact(b)); }
Num operator*(const Num& a, const Num& b) { return exactly(exact(a) * exact(b)); }
Num operator-(const Num& a) { return exactly(-exact(a)); }

Num roundToFen(const Num& v)
{
    const Rational& x = exact(v);
    Integer fen = fenOf(x);
    if (x.sign() < 0) fen = -fen;
    return exactly(Rational(fen, 100));
}

Integer fenOf(const Rational& x)
{
    const Rational hundredfold = abs(x) * 100;
    // Half away from zero: the whole part of |x| × 100 + 1/2.
    return (2 * numerator(hundredfold) + denominator(hundredfold)) / (2 * denominator(hundredfold));
}

bool isWhole(const Num& v) { return denominator(exact(v)) == 1; }

bool atMostApart(const Num& a, const Num& b, const Num& distance)
{
    return abs(exact(a) - exact(b)) <= exact(distance);
}

Num operator/(const Num& a, const Num& b)
{
    if (b.sign() == 0) {
        // 0/0 is an invalid operation, which reports as overflow.
        throw ArithmeticFault{a.sign() == 0 ? FaultCode::Overflow : FaultCode::DivisionByZero, true};
    }
    return exactly(exact(a) / exact(b));
}

Num power(const Num& base, const Num& exponent)
{
    const Rational& b = exact(base);
    const Rational& e = exact(exponent);
    const bool whole = denominator(e) == 1;
    if (b.sign() < 0 && !whole) raise(FaultCode::InvalidCall);
    if (b.sign() == 0) {
        if (e.sign() < 0) throw ArithmeticFault{FaultCode::DivisionByZero, true};
        return e.sign() == 0 ? Num(1) : Num(0);
    }
    if (whole) {
        const Integer k = abs(numerator(e));
        const Integer n = numerator(b);
        const Integer& d = denominator(b);
        const long bits = bitLength(abs(n)) + bitLength(d);
        if (k * bits <= kExactPowerBits) {
            const auto times = k.convert_to<unsigned>();
            const Integer pn = pow(n, times);
            const Integer pd = pow(d, times);
            if (e.sign() >= 0) return exactly(Rational(pn, pd));
            // The reciprocal; its sign goes to the numerator.
            return exactly(pn.sign() < 0 ? Rational(Integer(-pd), Integer(-pn)) : Rational(pd, pn));
        }
    }
    const double r = std::pow(base.toDouble(), exponent.toDouble());
    if (!std::isfinite(r)) raise(FaultCode::Overflow);
    return Num(r);
}

}  // namespace bk
