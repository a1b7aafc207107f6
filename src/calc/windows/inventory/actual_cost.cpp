// Form21: the actual cost of materials from their planned cost and the
// variance rate (a fraction: 0.02 for an excess of 2%).
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form21{
    .form = 21,
    .items = {field(1, "计划成本"), asRate(field(2, "材料成本差异率"))},
    .compute =
        [](Calc& c) {
            Num p = c.read(1), r = c.read(2);
            c.result("实际成本", p + c.money(r * p));
        },
};

}  // namespace bk::calc
