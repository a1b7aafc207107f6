// Form36: the income-statement line 净利润, total profit less income tax.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form36{
    .form = 36,
    .items = {field(1, "利润总额"), field(2, "所得税费用")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            c.result("净利润", a - b);
        },
};

}  // namespace bk::calc
