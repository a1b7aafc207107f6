// A sale of goods, materials or packaging, paid, and then returned in
// full: the sale and its cost are reversed, the refund leaves the bank, and
// the revenue closed into the year's profit is what is left of it, nothing.
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::recogniseSale;

extern const CalculatorDef SaleAndReturn{
    .items = {field(1, "商品总价（原材料、包装物）"), field(2, "应交增值税（销项税额）"), field(3, "成本总额")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), X = c.read(2), G = c.read(3);
            Num Y = X + P;
            recogniseSale(c, "应收账款（借）", Y, "主营业务收入/其他业务收入（贷）", P, X);
            c.blank();
            c.entry("银行存款（借）", "应收账款（贷）", Y);
            c.blank();
            c.entry("主营业务成本/其他业务成本（借）", "库存商品/原材料（贷）", G);
            c.blank();

            c.text("销售退回");
            c.result("主营业务收入/其他业务收入（借）", P);
            c.result("应交税费-应交增值税（销项税额）（借）", X);
            c.result("银行存款（贷）", Y);
            c.blank();
            c.entry("库存商品/原材料（借）", "主营业务成本/其他业务成本（贷）", G);
            c.blank();

            // The full return leaves no revenue to close into the year's profit.
            const Num net = 0;
            c.entry("结转业务收入", "主营业务收入/其他业务收入（借）", "本年利润（贷）", net);
        },
};

}  // namespace bk::calc
