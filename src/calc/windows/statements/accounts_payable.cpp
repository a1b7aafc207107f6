// Form29: the balance-sheet line 应付账款, the credit balances of the
// payable and prepayment accounts.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form29{
    .form = 29,
    .items = {field(1, "应付账款（贷）"), field(2, "预付账款（贷）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("应付账款", a + b);
        },
};

}  // namespace bk::calc
