// Packaging materials issued at planned cost, charged to production
// or to selling, and the month-end transfer of their cost variance. A saving
// (negative rate) keeps its minus sign under the same captions.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef PackagingIssued{
    .items = {heading("材料"), field(1, "生产成本"), asRate(field(2, "材料成本差异率"))},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), r = c.read(2);
            Num D = c.money(r * m);
            c.entry("成本", "生产成本/销售费用（借）", "周转材料-包装物（贷）", m);
            c.blank();
            c.entry("月末结转差异", "生产成本/销售费用（借）", D);
            c.result("材料成本差异（贷）", D);
        },
};

}  // namespace bk::calc
