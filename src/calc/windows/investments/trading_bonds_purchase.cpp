// Bonds bought for trading, the interest due included in the price
// kept apart as receivable, and the receipt of the interest. Booked first as
// a short-term investment whose cost includes the transaction costs, then,
// under the general standard's label, as a trading financial asset.
#include "calc/calculator.h"
#include "calc/entries.h"
#include "calc/general_standard.h"

namespace bk::calc {

extern const CalculatorDef TradingBondsPurchase{
    .items = {field(1, "支付债券价款"), field(2, "债券利息"), field(3, "交易费用"), field(4, "交易增值税"),
              field(5, "收到利息")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), B = c.read(2), M = c.read(3), D = c.read(4), E = c.read(5);

            Num J = (A - B) + M;
            Num L = M + A;
            book(c, {"购买债券", "短期投资-债券（借）", "应收利息（借）", "银行存款（贷）"}, J, B, L);
            c.blank();

            // This receipt is of the interest included in the price.
            book(c, {"收到利息", "银行存款（借）", "应收利息（贷）"}, B);
            c.blank();

            c.text(kGeneralStandardLabel);
            // The heading comes first: a total too large stops the press below it.
            c.text("购入债券");
            Num H = A - B;
            Num K = ((H + B) + M) + D;
            c.result("交易性金融资产（借）", H);
            c.result("应收利息（借）", B);
            c.result("投资收益（借）", M);
            c.result("应交税费-应交增值税（进项税额）（借）", D);
            c.result("其他货币资金（贷）", K);
            c.blank();

            book(c, {"收到利息", "其他货币资金（借）", "应收利息（贷）"}, E);
        },
};

}  // namespace bk::calc
