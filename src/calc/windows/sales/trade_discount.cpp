// A sale at a trade discount on the list price, paid within the
// cash-discount term; the cash discount is taken on the receivable with its
// tax and closed from 财务费用 into the year's profit.
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::recogniseSale;

extern const CalculatorDef TradeDiscount{
    .items = {asCount(field(1, "销售数量")), field(2, "销售价格"), field(3, "销售成本"), asRate(field(4, "折扣")),
              asRate(field(5, "折扣条件")), field(6, "应交增值税")},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), U = c.read(2), k = c.read(3), d = c.read(4), t = c.read(5), X = c.read(6);
            Num S = U * N - c.money((U * N) * d);
            Num Y = X + S;
            recogniseSale(c, "应收账款（借）", Y, "主营业务收入（贷）", S, X);
            c.blank();

            Num G = k * N;
            c.entry("主营业务成本（借）", "库存商品（贷）", G);
            c.blank();

            c.text("收到货款");
            Num D = c.money(Y * t);
            Num Z = Y - D;
            c.result("银行存款（借）", Z);
            c.result("财务费用（借）", D);
            c.result("应收账款（贷）", Y);
            c.blank();

            c.entry("结转财务费用", "本年利润（借）", "财务费用（贷）", D);
        },
};

}  // namespace bk::calc
