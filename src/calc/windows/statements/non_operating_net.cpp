// Form11: the income-statement line 营业外收支净额, non-operating income less
// non-operating expenses.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form11{
    .form = 11,
    .items = {field(1, "营业外收入"), field(2, "营业外支出")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("营业外收支净额", a - b);
        },
};

}  // namespace bk::calc
