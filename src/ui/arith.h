// Checked double arithmetic of the calculators.
//
// Every computed value is a double; after each operation the result is
// checked for the three arithmetic faults a bookkeeper can cause by typing
// (a division by an empty field, an amount too large, 0 divided by 0).
// A fault is thrown as ArithmeticFault and caught by the click dispatcher,
// which reports it and leaves the program running.
#pragma once

#include <optional>
#include <string>

namespace bk {

enum class FaultCode : int {
    InvalidCall = 5,   // invalid procedure call or argument (power of a negative base)
    Overflow = 6,      // overflow, also invalid operations such as 0/0
    DivisionByZero = 11,
};

struct ArithmeticFault {
    FaultCode code;
};

// The Chinese description of a fault, e.g. "除数为零".
std::string faultDescription(FaultCode code);
// The whole text the user sees in the message box.
std::string faultMessage(FaultCode code);

[[noreturn]] void raise(FaultCode code);

// A double whose arithmetic raises ArithmeticFault instead of producing an
// infinity or a NaN. Implicitly built from plain numbers, so formulas read
// like their written form: `(a + b) - k`, `r * 0.07`.
class Num {
public:
    constexpr Num() = default;
    constexpr Num(double v) : v_(v) {}  // NOLINT(google-explicit-constructor)
    constexpr double value() const { return v_; }

private:
    double v_ = 0.0;
};

Num operator+(Num a, Num b);
Num operator-(Num a, Num b);
Num operator*(Num a, Num b);
Num operator/(Num a, Num b);
Num operator-(Num a);

inline bool operator==(Num a, Num b) { return a.value() == b.value(); }
inline bool operator!=(Num a, Num b) { return a.value() != b.value(); }
inline bool operator<(Num a, Num b) { return a.value() < b.value(); }
inline bool operator<=(Num a, Num b) { return a.value() <= b.value(); }
inline bool operator>(Num a, Num b) { return a.value() > b.value(); }
inline bool operator>=(Num a, Num b) { return a.value() >= b.value(); }

// base raised to exponent; a negative base with a non-whole exponent raises
// fault 5, a result too large for a double fault 6, 0 to a negative power 11.
Num power(Num base, Num exponent);

// A working value that may not have been assigned yet. Unassigned it counts
// as 0 in arithmetic and comparisons; printed on a result line it adds no
// text after the caption.
class Var {
public:
    Var() = default;
    Var(Num v) : v_(v.value()) {}  // NOLINT(google-explicit-constructor)
    Var& operator=(Num v) { v_ = v.value(); return *this; }
    bool assigned() const { return v_.has_value(); }
    operator Num() const { return Num(v_.value_or(0.0)); }  // NOLINT(google-explicit-constructor)

private:
    std::optional<double> v_;
};

}  // namespace bk
