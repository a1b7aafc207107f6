// Form6: the balance-sheet line 长期待摊费用, the closing balance less the
// part amortised within one year (which is a current asset).
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form6{
    .form = 6,
    .items = {field(1, "长期待摊费用（期末）"), field(2, "一年内摊销数额")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("长期待摊费用", a - b);
        },
};

}  // namespace bk::calc
