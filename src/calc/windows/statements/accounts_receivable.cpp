// Form4: the balance-sheet line 应收账款, the debit balances of the
// receivable and advance-receipt accounts less the bad-debt allowance
// provided for them.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form4{
    .form = 4,
    .items = {field(1, "应收账款（借）"), field(2, "预收账款（借）"), field(3, "坏账准备（计）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("应收账款", a + b - k);
        },
};

}  // namespace bk::calc
