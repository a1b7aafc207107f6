#include "ui/arith.h"

#include <cmath>

namespace bk {

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
// Inputs are always finite (readNumber faults on what a double cannot hold),
// so a non-finite result can only come from an overflow of this operation.
Num checked(double r)
{
    if (!std::isfinite(r)) raise(FaultCode::Overflow);
    return Num(r);
}
}  // namespace

Num operator+(Num a, Num b) { return checked(a.value() + b.value()); }
Num operator-(Num a, Num b) { return checked(a.value() - b.value()); }
Num operator*(Num a, Num b) { return checked(a.value() * b.value()); }
Num operator-(Num a) { return Num(-a.value()); }

Num operator/(Num a, Num b)
{
    if (b.value() == 0.0) {
        // 0/0 is an invalid operation, which reports as overflow.
        raise(a.value() == 0.0 ? FaultCode::Overflow : FaultCode::DivisionByZero);
    }
    return checked(a.value() / b.value());
}

Num power(Num base, Num exponent)
{
    const double b = base.value();
    const double e = exponent.value();
    if (b < 0.0 && std::trunc(e) != e) raise(FaultCode::InvalidCall);
    if (b == 0.0 && e < 0.0) raise(FaultCode::DivisionByZero);
    return checked(std::pow(b, e));
}

}  // namespace bk
