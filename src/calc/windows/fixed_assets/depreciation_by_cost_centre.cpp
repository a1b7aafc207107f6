// The depreciation entry by cost centre, the amounts printed as
// entered. Clicking the caption of the accumulated depreciation opens Depreciation,
// the depreciation calculator.
#include "calc/calculator.h"
#include "window/windows.h"

namespace bk::calc {

extern const CalculatorDef DepreciationByCostCentre{
    .items = {field(1, "在建工程"), field(2, "管理费用"), field(3, "销售费用"), field(4, "制造费用"),
              field(5, "其他业务成本"), withLink(field(6, "累计折旧"), win::Depreciation)},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), d = c.read(3), e = c.read(4), f = c.read(5), g = c.read(6);
            c.result("在建工程（借）", a);
            c.result("管理费用（借）", b);
            c.result("销售费用（借）", d);
            c.result("制造费用（借）", e);
            c.result("其他业务成本（借）", f);
            c.result("累计折旧（贷）", g);
        },
};

}  // namespace bk::calc
