// Checked arithmetic: which operations fault, with which code, and what the
// others give.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

#include "num/rational.h"

namespace bk {
namespace {

struct Case {
    const char* what;
    std::function<Num()> op;
    std::optional<FaultCode> fault;  // or the value below
    Num value = 0;
};

class ArithTest : public ::testing::TestWithParam<Case> {};

TEST_P(ArithTest, FaultsOrComputes)
{
    const Case& c = GetParam();
    if (c.fault) {
        try {
            c.op();
            ADD_FAILURE() << c.what << " did not fault";
        } catch (const ArithmeticFault& f) {
            EXPECT_EQ(f.code, *c.fault) << c.what;
        }
    } else {
        const Num got = c.op();
        EXPECT_TRUE(got == c.value) << c.what << ": " << exact(got).str();
    }
}

const Num kZero = 0.0, kOne = 1.0, kMax = DBL_MAX;
const Num kSmallest = exactly(Rational(Integer(1), Integer(1) << 1074));
const Num kLargest = exactly(Rational(Integer((std::uint64_t{1} << 53) - 1) << 971));
Num fraction(int n, int d) { return exactly(Rational(n, d)); }

INSTANTIATE_TEST_SUITE_P(
    Operations, ArithTest,
    ::testing::Values(
        Case{"1 / 0", [] { return kOne / kZero; }, FaultCode::DivisionByZero},
        Case{"-5 / 0", [] { return Num(-5) / kZero; }, FaultCode::DivisionByZero},
        Case{"0 / 0 reports overflow", [] { return kZero / kZero; }, FaultCode::Overflow},
        Case{"max + max", [] { return kMax + kMax; }, FaultCode::Overflow},
        Case{"-max - max", [] { return -kMax - kMax; }, FaultCode::Overflow},
        Case{"max * 2", [] { return kMax * 2; }, FaultCode::Overflow},
        Case{"max / 0.5", [] { return kMax / 0.5; }, FaultCode::Overflow},
        Case{"underflow is silent", [] { return Num(1e-300) * 1e-300; }, std::nullopt, 0.0},
        Case{"tiny / huge is silent", [] { return Num(DBL_MIN) / kMax; }, std::nullopt, 0.0},
        Case{"0.1 + 0.2", [] { return Num(0.1) + 0.2; }, std::nullopt, 0.3},
        Case{"100.10 - 100", [] { return Num(100.10) - 100; }, std::nullopt, fraction(1, 10)},
        Case{"x / 3 * 3", [] { return Num(1234.56) / 3 * 3; }, std::nullopt, 1234.56},
        Case{"a sum that cancels", [] { return Num(10000.1) - 10000.0 - 0.1; }, std::nullopt, 0},
        Case{"constants are their decimals", [] { return Num(1.06) * 100 - 106; }, std::nullopt, 0},
        Case{"0.07 is 7/100", [] { return Num(0.07); }, std::nullopt, fraction(7, 100)},
        Case{"17 digits are kept", [] { return Num(0.1 + 0.2) * 100000000000000000LL; }, std::nullopt,
             30000000000000004LL},
        Case{"16 digits are kept", [] { return Num(1234567.123456789) * 1000000000; }, std::nullopt,
             1234567123456789LL},
        Case{"the smallest double is written 5E-324", [] { return Num(4.9406564584124654e-324) * 1E300; }, std::nullopt,
             5e-24},
        Case{"left to right", [] { return Num(kMax) - kMax + 1; }, std::nullopt, 1.0},
        Case{"9500 / 12", [] { return Num(9500) / 12; }, std::nullopt, fraction(2375, 3)},
        Case{"the largest double", [] { return kLargest * 1; }, std::nullopt, kLargest},
        Case{"just past the largest double", [] { return kLargest + kSmallest; }, FaultCode::Overflow},
        Case{"the smallest positive double", [] { return kSmallest * 1; }, std::nullopt, kSmallest},
        Case{"just below it becomes 0", [] { return kSmallest - kSmallest * 1e-300; }, std::nullopt, kSmallest},
        Case{"half of it becomes 0", [] { return kSmallest / 2; }, std::nullopt, 0},
        Case{"-half of it becomes 0", [] { return -kSmallest / 2; }, std::nullopt, 0},
        Case{"negative base, fractional power", [] { return power(-0.5, 1.5); }, FaultCode::InvalidCall},
        Case{"negative base, whole power", [] { return power(-2, 3); }, std::nullopt, -8.0},
        Case{"0 to the power 0", [] { return power(0, 0); }, std::nullopt, 1.0},
        Case{"0.6 squared", [] { return power(0.6, 2); }, std::nullopt, 0.36},
        Case{"a negative whole power", [] { return power(2, -3); }, std::nullopt, 0.125},
        Case{"a negative base to a negative power", [] { return power(-2, -3); }, std::nullopt, -0.125},
        Case{"(2/3)^5 is exact", [] { return power(fraction(2, 3), 5); }, std::nullopt, fraction(32, 243)},
        Case{"2^1023 is exact", [] { return power(2, 1023) / power(2, 1022); }, std::nullopt, 2},
        Case{"2^1024 overflows", [] { return power(2, 1024); }, FaultCode::Overflow},
        Case{"2^-1074 is the smallest", [] { return power(2, -1074); }, std::nullopt, kSmallest},
        Case{"2^-1075 becomes 0", [] { return power(2, -1075); }, std::nullopt, 0},
        Case{"a fractional power", [] { return power(4, 0.5); }, std::nullopt, 2},
        Case{"a negative base, whole power", [] { return power(-1.5, 2); }, std::nullopt, 2.25},
        Case{"0 to a negative power", [] { return power(0, -1); }, FaultCode::DivisionByZero},
        Case{"0 to a positive power", [] { return power(0, 3); }, std::nullopt, 0},
        Case{"power too large", [] { return power(10, 400); }, FaultCode::Overflow},
        Case{"huge exponent, floating point", [] { return power(2, 1e9); }, FaultCode::Overflow},
        Case{"tiny result, floating point", [] { return power(0.5, 1e9); }, std::nullopt, 0}));

// Past the bound of exact powers the result comes from floating point, taken
// at its shortest decimal: close to the exact value, and quick to work out.
TEST(PowerTest, BeyondTheExactBoundIsClose)
{
    const Num base = Num(1) + Num(1) / 1000000;  // 1.000001
    const Num exponent = 1000000;                // far past the bound
    const Num p = power(base, exponent);
    EXPECT_NEAR(p.toDouble(), std::exp(1000000 * std::log1p(1e-6)), 1e-9);
    // Repeated squaring of the exact base gives the same to within a few units
    // in the last place of a double.
    Num near = base;
    for (int i = 0; i < 5; ++i) near = power(near, 2);  // exact: 1.000001^32
    EXPECT_NEAR(near.toDouble(), std::pow(1.000001, 32), 1e-14);
}

TEST(ArithTest, NegatingZeroCompareEqual)
{
    EXPECT_TRUE(-kZero == kZero);
    EXPECT_FALSE(-kZero < kZero);
}

// To the fen, half away from zero on both sides of 0; exact input in, exact fen out.
TEST(RoundToFenTest, HalfAwayFromZero)
{
    const std::pair<Num, Num> cases[] = {
        {Num(0.005), Num(0.01)},         {Num(-0.005), Num(-0.01)},    {Num(-0.004), Num(0)},
        {Num(37.845), Num(37.85)},       {Num(4.205), Num(4.21)},      {Num(6200) / 12, Num(516.67)},
        {Num(-6200) / 12, Num(-516.67)}, {Num(1000) / 12, Num(83.33)}, {Num(12.3), Num(12.3)},
        {Num(1) / 3, Num(0.33)},         {Num(2) / 3, Num(0.67)},      {Num(1e15) + Num(0.125), Num(1e15) + Num(0.13)},
    };
    for (const auto& [v, fen] : cases) EXPECT_EQ(roundToFen(v), fen) << exact(v);
}

TEST(IsWholeTest, ByTheExactValue)
{
    const std::pair<Num, bool> cases[] = {{Num(0), true},       {Num(2.0), true},    {Num(-3), true},
                                          {Num(1e308), true},   {Num(2.5), false},   {Num(-0.5), false},
                                          {Num(10) / 4, false}, {Num(12) / 4, true}, {Num(1e-300), false}};
    for (const auto& [v, whole] : cases) EXPECT_EQ(isWhole(v), whole) << exact(v);
}

TEST(VarTest, UnassignedCountsAsZero)
{
    Var v;
    EXPECT_FALSE(v.assigned());
    EXPECT_TRUE(Num(v) + 5 == 5);
    EXPECT_TRUE(Num(v) == 0);
    v = Num(3) * 2;
    EXPECT_TRUE(v.assigned());
    EXPECT_TRUE(Num(v) == 6);
}

TEST(FaultMessageTest, NamesNumberAndDescription)
{
    EXPECT_EQ(faultMessage(FaultCode::DivisionByZero), "运行时错误 11：除数为零");
    EXPECT_EQ(faultMessage(FaultCode::Overflow), "运行时错误 6：溢出");
    EXPECT_EQ(faultMessage(FaultCode::InvalidCall), "运行时错误 5：无效的过程调用或参数");
}

}  // namespace
}  // namespace bk
