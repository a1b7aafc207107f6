// A sale on which the seller pays the buyer's freight, booked two
// ways: the freight advanced for the customer as a receivable of its own, or
// ("或") added to the receivable of the sale. Either way the freight leaves
// the bank once.
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::recogniseSale, sales::saleWithTax;

extern const CalculatorDef FreightForBuyer{
    .items = {field(1, "商品总价"), field(2, "应交增值税（销项税额）"), field(3, "成本总额"), field(4, "运费")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), X = c.read(2), G = c.read(3), F = c.read(4);
            Num Y = X + P;
            recogniseSale(c, "应收票据/银行存款（借）", Y, "主营业务收入（贷）", P, X);
            c.blank();
            c.entry("主营业务成本（借）", "库存商品（贷）", G);
            c.blank();
            c.entry("代垫运费", "应收账款（借）", "银行存款（贷）", F);
            c.blank();
            c.entry("主营业务成本结转本年利润", "本年利润（借）", "主营业务成本（贷）", G);
            c.blank();

            c.text("或");
            c.blank();
            Num Y2 = Y + F;
            saleWithTax(c, "应收账款（借）", Y2, "主营业务收入（贷）", P, X);
            c.result("银行存款（贷）", F);
            c.blank();
            c.entry("主营业务成本（借）", "库存商品（贷）", G);
            c.blank();
            c.entry("主营业务成本结转本年利润", "本年利润（借）", "主营业务成本（贷）", G);
        },
};

}  // namespace bk::calc
