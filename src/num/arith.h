// Checked exact arithmetic of the calculators.
//
// An amount is an exact rational number, so that 100.10 - 100 is .1 and a
// sum that cancels is exactly 0: a bookkeeper posts what is printed, and a
// guard such as "no write-down when the allowance is already right" must see
// a true zero. After each operation the result is checked for the three
// arithmetic faults a bookkeeper can cause by typing (a division by an empty
// field, an amount too large, 0 divided by 0). A fault is thrown as
// ArithmeticFault and caught by the click dispatcher, which reports it and
// leaves the program running.
//
// Numbers keep a double's range: a result larger in magnitude than the
// largest double is an overflow, a non-zero result smaller in magnitude than
// the smallest positive double becomes 0.
//
// Num is opaque here: its exact value (a Boost.Multiprecision rational) is
// kept in place, and only the code that needs the value itself includes
// num/rational.h. So the calculator windows compile without Boost.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace bk {

enum class FaultCode : int {
    InvalidCall = 5,  // invalid procedure call or argument (power of a negative base)
    Overflow = 6,     // overflow, also invalid operations such as 0/0
    DivisionByZero = 11,
};

struct ArithmeticFault {
    FaultCode code;
    bool byZero = false;  // the step divided by 0 (0/0 reports as overflow)
};

// The Chinese description of a fault, e.g. "除数为零".
std::string faultDescription(FaultCode code);
// The whole text the user sees in the message box.
std::string faultMessage(FaultCode code);

[[noreturn]] void raise(FaultCode code);

// An exact amount whose arithmetic raises ArithmeticFault instead of leaving
// the range of amounts. Implicitly built from plain numbers, so formulas read
// like their written form: `(a + b) - k`, `r * 0.07`. A number written in a
// formula stands for the decimal it is written as: 0.07 is 7/100 and 1.06 is
// 106/100, not the binary fractions nearest them.
class Num {
public:
    Num() noexcept;  // 0
    template <class I, std::enable_if_t<std::is_integral_v<I>, int> = 0>
    Num(I v)  // NOLINT(google-explicit-constructor)
        : Num(static_cast<std::conditional_t<std::is_signed_v<I>, long long, unsigned long long>>(v), Whole{})
    {
    }
    // The shortest decimal that reads back as v, i.e. the literal as written.
    // v must be finite and within the range of amounts.
    Num(double v);  // NOLINT(google-explicit-constructor)

    Num(const Num& other);
    Num(Num&& other) noexcept;
    Num& operator=(const Num& other);
    Num& operator=(Num&& other) noexcept;
    ~Num();

    // The nearest double (for the rare step that is computed in floating point).
    double toDouble() const;
    int sign() const;

    // The room the exact value takes in place (checked in arith.cpp).
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kAlign = 16;

private:
    friend struct NumAccess;  // num/rational.h
    struct Whole {};
    Num(long long v, Whole);
    Num(unsigned long long v, Whole);

    alignas(kAlign) unsigned char value_[kSize];
};

Num operator+(const Num& a, const Num& b);
Num operator-(const Num& a, const Num& b);
Num operator*(const Num& a, const Num& b);
Num operator/(const Num& a, const Num& b);
Num operator-(const Num& a);

bool operator==(const Num& a, const Num& b);
bool operator<(const Num& a, const Num& b);
inline bool operator!=(const Num& a, const Num& b) { return !(a == b); }
inline bool operator>(const Num& a, const Num& b) { return b < a; }
inline bool operator<=(const Num& a, const Num& b) { return !(b < a); }
inline bool operator>=(const Num& a, const Num& b) { return !(a < b); }

// base raised to exponent; a negative base with a non-whole exponent raises
// fault 5, a result too large fault 6, 0 to a negative power 11. A whole
// exponent gives the exact power when it is small enough to be worked out
// at once (see kExactPowerBits); otherwise, and for a non-whole exponent, the
// power is computed in floating point and taken at its shortest decimal.
Num power(const Num& base, const Num& exponent);

// v rounded to the fen (0.01) half away from zero (四舍五入), the same way for
// a negative amount: roundToFen(-x) is -roundToFen(x). 0.005 is .01 and
// -0.004 is 0.
Num roundToFen(const Num& v);

// Whether v is a whole number: 2, 2.0 and -3 are, 2.5 is not.
bool isWhole(const Num& v);

// Whether a and b are at most `distance` apart, exactly: nothing is rounded,
// and no fault is raised however far apart they are.
bool atMostApart(const Num& a, const Num& b, const Num& distance);

// The exact power is worked out when its numerator and denominator together
// would need at most this many bits; beyond that the floating-point path
// keeps every press well under a millisecond.
inline constexpr unsigned kExactPowerBits = 4096;

// How many significant decimal digits a number keeps when its exact form
// would grow past kMaxBits (only a long chain of divisions by amounts of many
// digits gets there), and how many digits of a typed amount are read.
inline constexpr unsigned kKeptDigits = 40;
inline constexpr unsigned kMaxBits = 4096;

// A working value that may not have been assigned yet. Unassigned it counts
// as 0 in arithmetic and comparisons; printed on a result line it adds no
// text after the caption.
class Var {
public:
    Var() = default;
    Var(Num v) : v_(std::move(v)) {}  // NOLINT(google-explicit-constructor)
    Var& operator=(Num v)
    {
        v_ = std::move(v);
        return *this;
    }
    bool assigned() const { return v_.has_value(); }
    operator Num() const { return v_ ? *v_ : Num(); }  // NOLINT(google-explicit-constructor)

private:
    std::optional<Num> v_;
};

}  // namespace bk
