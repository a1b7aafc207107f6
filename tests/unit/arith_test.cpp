// Checked arithmetic: which operations fault, with which code, and what the
// others give.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <optional>

#include "ui/arith.h"

namespace bk {
namespace {

struct Case {
    const char* what;
    std::function<Num()> op;
    std::optional<FaultCode> fault;  // or the value below
    double value = 0;
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
        EXPECT_EQ(c.op().value(), c.value) << c.what;
    }
}

const Num kZero = 0.0, kOne = 1.0, kMax = DBL_MAX;

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
        Case{"0.1 + 0.2", [] { return Num(0.1) + 0.2; }, std::nullopt, 0.1 + 0.2},
        Case{"left to right", [] { return Num(kMax) - kMax + 1; }, std::nullopt, 1.0},
        Case{"max + 1 stays finite", [] { return kMax + 1; }, std::nullopt, DBL_MAX},
        Case{"9500 / 12", [] { return Num(9500) / 12; }, std::nullopt, 9500.0 / 12},
        Case{"negative base, fractional power", [] { return power(-0.5, 1.5); }, FaultCode::InvalidCall},
        Case{"negative base, whole power", [] { return power(-2, 3); }, std::nullopt, -8.0},
        Case{"0 to the power 0", [] { return power(0, 0); }, std::nullopt, 1.0},
        Case{"0.6 squared", [] { return power(0.6, 2); }, std::nullopt, std::pow(0.6, 2)},
        Case{"0 to a negative power", [] { return power(0, -1); }, FaultCode::DivisionByZero},
        Case{"power too large", [] { return power(10, 400); }, FaultCode::Overflow}));

TEST(ArithTest, NegatingZeroCompareEqual)
{
    EXPECT_TRUE(-kZero == kZero);
    EXPECT_FALSE(-kZero < kZero);
}

TEST(VarTest, UnassignedCountsAsZero)
{
    Var v;
    EXPECT_FALSE(v.assigned());
    EXPECT_EQ((Num(v) + 5).value(), 5.0);
    EXPECT_TRUE(Num(v) == 0);
    v = Num(3) * 2;
    EXPECT_TRUE(v.assigned());
    EXPECT_EQ(Num(v).value(), 6.0);
}

TEST(FaultMessageTest, NamesNumberAndDescription)
{
    EXPECT_EQ(faultMessage(FaultCode::DivisionByZero), "运行时错误 11：除数为零");
    EXPECT_EQ(faultMessage(FaultCode::Overflow), "运行时错误 6：溢出");
    EXPECT_EQ(faultMessage(FaultCode::InvalidCall), "运行时错误 5：无效的过程调用或参数");
}

}  // namespace
}  // namespace bk
