// Exact arithmetic on any two field texts: the first byte picks an operation,
// the rest is the two texts split at the first line feed. Every operation
// gives an amount within the range of amounts or one of its faults; sums and
// products do not depend on the order of their operands; and the result's
// printed text reads back as the result rounded to 15 significant digits.
#include <cstdint>
#include <functional>
#include <optional>

#include "number_check.h"

namespace {

using bk::ArithmeticFault;
using bk::FaultCode;
using bk::Num;

struct Outcome {
    std::optional<Num> value;
    std::optional<FaultCode> fault;
    bool operator==(const Outcome& o) const { return value == o.value && fault == o.fault; }
};

Outcome attempt(const std::function<Num()>& op)
{
    try {
        return {op(), std::nullopt};
    } catch (const ArithmeticFault& f) {
        return {std::nullopt, f.code};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace bk;
    if (size < 1) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t split = rest.find('\n');
    const std::string_view left = rest.substr(0, split);
    const std::string_view right = split == std::string_view::npos ? std::string_view{} : rest.substr(split + 1);
    Num a;
    Num b;
    try {
        a = readNumber(left);
        b = readNumber(right);
    } catch (const ArithmeticFault&) {
        return 0;  // the reading fuzzer holds reading to its promises
    }

    Outcome r;
    switch (data[0] % 6) {
    case 0:
        r = attempt([&] { return a + b; });
        if (!(r == attempt([&] { return b + a; }))) fuzz::broken("a + b differs from b + a");
        if (r.fault && r.fault != FaultCode::Overflow) fuzz::broken("a sum raised a fault other than overflow");
        break;
    case 1:
        r = attempt([&] { return a - b; });
        if (r.value && *r.value + b != a && r.value->sign() != 0) fuzz::broken("(a - b) + b differs from a");
        if (r.fault && r.fault != FaultCode::Overflow) fuzz::broken("a difference raised a fault other than overflow");
        break;
    case 2:
        r = attempt([&] { return a * b; });
        if (!(r == attempt([&] { return b * a; }))) fuzz::broken("a × b differs from b × a");
        if (r.fault && r.fault != FaultCode::Overflow) fuzz::broken("a product raised a fault other than overflow");
        break;
    case 3:
        r = attempt([&] { return a / b; });
        if (b.sign() == 0 && r.fault != (a.sign() == 0 ? FaultCode::Overflow : FaultCode::DivisionByZero))
            fuzz::broken("a division by 0 raised the wrong fault");
        if (b.sign() != 0 && r.fault && r.fault != FaultCode::Overflow)
            fuzz::broken("a quotient raised a fault other than overflow");
        break;
    default:
        r = attempt([&] { return power(a, b); });
        if (r.fault == FaultCode::InvalidCall && !(a.sign() < 0 && denominator(exact(b)) != 1))
            fuzz::broken("fault 5 without a negative base to a non-whole power");
        if (r.fault == FaultCode::DivisionByZero && !(a.sign() == 0 && b.sign() < 0))
            fuzz::broken("fault 11 without 0 to a negative power");
        break;
    }
    if (r.value) {
        fuzz::checkInRange(*r.value);
        fuzz::checkReadsBack(*r.value);
    }
    return 0;
}
