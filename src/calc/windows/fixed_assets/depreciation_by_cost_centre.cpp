// 计提折旧: the month's depreciation charged to each cost centre as typed,
// credited to 累计折旧 in one sum. A total typed beside them is checked
// against that sum; where they differ the window says so and gives no
// entry. Clicking the caption of the accumulated depreciation opens
// Depreciation, the depreciation calculator.
#include "calc/calculator.h"
#include "window/windows.h"

namespace bk::calc {

extern const CalculatorDef DepreciationByCostCentre{
    .items = {field(1, "在建工程"), field(2, "管理费用"), field(3, "销售费用"), field(4, "制造费用"),
              field(5, "其他业务成本"),
              withLink(field(6, "累计折旧", "本月折旧总额，可不填；填了就与各科目之和核对。点标题打开“累计折旧计算”"),
                       win::Depreciation)},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), d = c.read(3), e = c.read(4), f = c.read(5);
            Num S = a + b + d + e + f;
            if (c.holdsNumber(6)) {
                Num g = c.read(6);
                if (g != S) {
                    c.text("各科目折旧合计与累计折旧不符，未生成分录");
                    c.result("各科目折旧合计", S);
                    c.result("累计折旧", g);
                    c.result("差额", S - g);
                    return;
                }
            }
            c.text("计提折旧");
            c.result("在建工程（借）", a);
            c.result("管理费用（借）", b);
            c.result("销售费用（借）", d);
            c.result("制造费用（借）", e);
            c.result("其他业务成本（借）", f);
            c.result("累计折旧（贷）", S);
        },
};

}  // namespace bk::calc
