// Form8: the balance-sheet line 未分配利润 from the profit account and the
// distribution account; an accumulated loss is a negative balance. Form32
// asks for the same two balances the other way round.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form8{
    .form = 8,
    .items = {field(1, "本年利润"), field(2, "利润分配")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("未分配利润", a + b);
        },
};

}  // namespace bk::calc
