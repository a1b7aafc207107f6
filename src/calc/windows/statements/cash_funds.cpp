// Form2: the balance-sheet line 货币资金, cash on hand, bank deposits and
// other monetary funds together.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form2{
    .form = 2,
    .items = {field(1, "现金"), field(2, "银行存款"), field(3, "其他货币资金")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("货币资金", a + b + k);
        },
};

}  // namespace bk::calc
