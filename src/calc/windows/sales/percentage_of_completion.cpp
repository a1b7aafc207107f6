// A service whose revenue is recognised by its rate of completion:
// the cost is gathered in 生产成本-劳务成本, then the revenue earned so far is
// booked with its tax and the cost carried to 主营业务成本.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef PercentageOfCompletion{
    .items = {field(1, "发生劳务成本"), field(2, "劳务总价值"), asRate(field(3, "劳务完成率")),
              asRate(field(4, "增值税税率"))},
    .compute =
        [](Calc& c) {
            Num K = c.read(1), V = c.read(2), p = c.read(3), r = c.read(4);
            c.entry("发生劳务成本", "生产成本-劳务成本（借）", "应付职工薪酬（贷）", K);
            c.blank();

            c.text("确认劳务收入并结转劳务成本");
            Num S = c.money(p * V);
            Num X = c.money(S * r);
            Num Y = S + X;
            c.result("银行存款（借）", Y);
            c.result("主营业务收入（贷）", S);
            c.result("应交税费-应交增值税（销项税额）（贷）", X);
            c.entry("主营业务成本（借）", "生产成本-劳务成本（贷）", K);
        },
};

}  // namespace bk::calc
