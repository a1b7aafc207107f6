// Form32: the balance-sheet line 未分配利润, the distribution account first;
// Form8 asks for the same two balances the other way round.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form32{
    .form = 32,
    .items = {field(1, "利润分配"), field(2, "本年利润")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("未分配利润", a + b);
        },
};

}  // namespace bk::calc
