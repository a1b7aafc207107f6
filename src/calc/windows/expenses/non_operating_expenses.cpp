// Three entries of non-operating expense, each printed only when its
// amounts are filled in: the scrapping of an intangible asset (its value not
// yet amortised is a loss), a late-payment fine paid, and the closing of
// 营业外支出 to the year's profit.
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef NonOperatingExpenses{
    .items = {heading("无形资产报废"), field(1, "已累计摊销"), field(2, "无形资产总值"), heading("交纳滞纳金"),
              field(3, "税款滞纳金"), heading("结转营业外支出"), field(4, "营业外支出")},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), g = c.read(2), f = c.read(3), e = c.read(4);
            if (m > 0 && g > 0) {
                c.text("无形资产报废");
                c.result("累计摊销（借）", m);
                c.result("营业外支出（借）", g - m);
                c.result("无形资产（贷）", g);
            }
            if (f > 0) c.entry("支付滞纳金", "营业外支出（借）", "银行存款（贷）", f);
            if (e > 0) c.entry("结转营业外支出", "本年利润（借）", "营业外支出（贷）", e);
        },
};

}  // namespace bk::calc
