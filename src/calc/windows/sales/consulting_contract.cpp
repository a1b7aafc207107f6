// Form55: a consulting contract. The expenses and the commission paid to win
// the contract are booked first; then each month's revenue (the fee without
// its tax, over twelve months) and the commission amortised over the
// contract years, month by month. An empty contract term cannot be
// amortised: the division by it stops the press after "每月摊销".
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form55{
    .form = 55,
    .items = {field(1, "咨询费含税"), field(2, "管理费用"), field(3, "销售费用"), field(4, "增值税税率"),
              field(5, "佣金(合同成本)"), field(6, "合同年限")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), G = c.read(2), S = c.read(3), r = c.read(4), Q = c.read(5), Y = c.read(6);
            Num W = (S + G) + Q;
            c.text("支付费用");
            c.result("合同取得成本（借）", Q);
            c.result("管理费用（借）", G);
            c.result("销售费用（借）", S);
            c.result("银行存款（贷）", W);
            c.blank();

            c.text("每月摊销");
            Num R = (A / (r + 1)) / 12;
            Num U = (Q / 12) / Y;
            Num X = R * r;
            Num Z = R + X;
            c.result("应收账款", Z);
            c.entry("销售费用", "合同取得成本（贷）", U);
            c.result("主营业务收入（贷）", R);
            c.result("应交税费-应交增值税（贷）（销）", X);
        },
};

}  // namespace bk::calc
