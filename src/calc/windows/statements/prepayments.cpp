// Form12: the balance-sheet line 预付账款, the debit balances of the payable
// and prepayment accounts.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form12{
    .form = 12,
    .items = {field(1, "应付账款（借）"), field(2, "预付账款（借）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("预付账款", a + b);
        },
};

}  // namespace bk::calc
