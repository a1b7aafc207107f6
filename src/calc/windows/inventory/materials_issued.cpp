// Form17: the raw materials issued, the total charged to the four cost
// destinations.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form17{
    .form = 17,
    .items = {field(1, "生产成本（材料费用）"), field(2, "制造费用（车间管理）"), field(3, "销售费用（销售部门）"),
              field(4, "管理费用（行政管理）")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), d = c.read(3), e = c.read(4);
            c.result("原材料", a + b + d + e);
        },
};

}  // namespace bk::calc
