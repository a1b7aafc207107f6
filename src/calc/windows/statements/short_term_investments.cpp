// Form3: the balance-sheet line 短期投资, the investments less their
// write-down allowance.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form3{
    .form = 3,
    .items = {field(1, "短期投资"), field(2, "短期投资跌价准备")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("短期投资", a - b);
        },
};

}  // namespace bk::calc
