// A consulting contract. The expenses and the commission paid to win
// the contract are booked first; then each month's revenue (the fee without
// its tax, over twelve months) and the commission amortised over the
// contract years, month by month. An empty contract term cannot be
// amortised: the division by it stops the press after "每月摊销". Kept to
// the fen, each last month takes what the months before it leave, printed
// below the month's lines where it differs.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef ConsultingContract{
    .items = {field(1, "咨询费含税"), field(2, "管理费用"), field(3, "销售费用"), asRate(field(4, "增值税税率")),
              field(5, "佣金(合同成本)"), asYears(field(6, "合同年限"))},
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
            // The fee without its tax and the tax in it, each spread over the
            // twelve months; the commission over the months of the contract.
            // The last month of each takes what the months before it leave.
            Num net = c.money(A / (r + 1));
            Instalments R = c.instalments(net, 12);
            Instalments X = c.instalments(A - net, 12);
            Instalments U = c.instalments(Q, Y * 12);
            c.result("应收账款", R.each + X.each);
            c.entry("销售费用", "合同取得成本（贷）", U.each);
            c.result("主营业务收入（贷）", R.each);
            c.result("应交税费-应交增值税（销项税额）（贷）", X.each);
            if (R.last != R.each || X.last != X.each || U.last != U.each) c.blank();
            if (R.last != R.each || X.last != X.each) {
                c.result("最后一个月应收账款", R.last + X.last);
                c.result("最后一个月主营业务收入", R.last);
                c.result("最后一个月应交增值税", X.last);
            }
            if (U.last != U.each) c.result("最后一个月摊销额", U.last);
        },
};

}  // namespace bk::calc
