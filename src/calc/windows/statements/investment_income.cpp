// Form10: the income-statement line 投资净收益, investment income less
// investment losses.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form10{
    .form = 10,
    .items = {field(1, "投资收益"), field(2, "投资损失")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("投资净收益", a - b);
        },
};

}  // namespace bk::calc
