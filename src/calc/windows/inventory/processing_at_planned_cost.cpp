// Form20: materials sent out for processing, at planned cost plus their
// share of the cost variance.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form20{
    .form = 20,
    .items = {field(1, "原材料"), field(2, "材料成本差异")},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), v = c.read(2);
            c.result("委托加工物资（计划）", m + v);
        },
};

}  // namespace bk::calc
