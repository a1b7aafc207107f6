// Form5: the balance-sheet line 其他应收款, less its bad-debt allowance.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form5{
    .form = 5,
    .items = {field(1, "其他应收款"), field(2, "坏账准备（计）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("其他应收款", a - b);
        },
};

}  // namespace bk::calc
