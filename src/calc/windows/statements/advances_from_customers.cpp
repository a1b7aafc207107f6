// Form7: the balance-sheet line 预收账款, the credit balances of the
// receivable and advance-receipt accounts.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form7{
    .form = 7,
    .items = {field(1, "应收账款（贷）"), field(2, "预收账款（贷）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("预收账款", a + b);
        },
};

}  // namespace bk::calc
