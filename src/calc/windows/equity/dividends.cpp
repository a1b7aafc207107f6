// Cash dividends the company declares and pays, and cash dividends
// due from an investee and received. Each amount stands under its heading.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef Dividends{
    .items = {heading("发放股利"), field(1, ""), heading("应收股利"), field(2, "")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), R = c.read(2);
            accrueAndSettle(c, P, {"计提股利", "利润分配-应付利润（借）", "应付利润（贷）"},
                            {"发放股利", "应付利润（借）", "银行存款（贷）"});
            accrueAndSettle(c, R, {"计提股利", "应收股利（借）", "投资收益（贷）"},
                            {"收入股利", "其他货币资金（借）", "应收股利（贷）"});
        },
};

}  // namespace bk::calc
