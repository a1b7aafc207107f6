// Material cost variance on the materials issued this period.
// Clicking the rate's caption opens CostVarianceRate, which works the rate out.
#include "calc/calculator.h"
#include "window/windows.h"

namespace bk::calc {

extern const CalculatorDef CostVarianceIssued{
    .items = {withLink(asRate(field(1, "材料成本差异率")), win::CostVarianceRate), field(2, "生产成本"),
              field(3, "制造费用（车间管理）"), field(4, "管理费用（行政管理）"), field(5, "销售费用")},
    .compute =
        [](Calc& c) {
            Num r = c.read(1), a = c.read(2), b = c.read(3), d = c.read(4), e = c.read(5);
            Num D = r * (((a + b) + d) + e);
            // Kept to the fen, the variance of each use is rounded as it is
            // posted to that use's account, and the total is their sum.
            if (c.amounts() == Amounts::Fen) D = c.money(r * a) + c.money(r * b) + c.money(r * d) + c.money(r * e);
            // An excess over planned cost is credited, a saving debited as a positive amount.
            if (D > 0) c.result("材料成本差异贷", D);
            if (D < 0) c.result("材料成本差异借", -D);
            if (D == 0) c.result("材料成本差异", D);
        },
};

}  // namespace bk::calc
