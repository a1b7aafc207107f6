// Form35: the income-statement line 利润总额, operating profit with the
// non-operating income added and the non-operating expenses taken off.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form35{
    .form = 35,
    .items = {field(1, "营业利润"), field(2, "营业外收入"), field(3, "营业外支出")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("利润总额", (a + b) - k);
        },
};

}  // namespace bk::calc
