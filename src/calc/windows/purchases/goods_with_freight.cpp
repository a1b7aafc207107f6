// Goods bought with their input tax, and the freight paid on them,
// which is part of the cost of the goods.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef GoodsWithFreight{
    .items = {field(1, "商品总价"), field(2, "应交增值税（进项税额）"), field(3, "运费")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), X = c.read(2), F = c.read(3);
            Num Y = X + P;
            paidWithVat(c, {.heading = "购进货物", .debit = "库存商品（借）", .bank = "银行存款/库存现金（贷）"}, P, X,
                        Y);
            c.blank();
            c.entry("付运费", "库存商品（借）", "银行存款/库存现金（贷）", F);
        },
};

}  // namespace bk::calc
