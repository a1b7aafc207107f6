// Form73: shares bought for trading, the declared dividends included in the
// price kept apart as receivable. Booked as a trading financial asset with the
// costs charged to investment income, or, after "或", as a short-term
// investment whose cost includes them.
#include "calc/calculator.h"
#include "calc/equity/entries.h"

namespace bk::calc {

extern const CalculatorDef form73{
    .form = 73,
    .items = {field(1, "支付股价"), field(2, "应收股利"), field(3, "交易费用"), field(4, "交易增值税")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), B = c.read(2), M = c.read(3), D = c.read(4);

            Num H = A - B;
            c.text("购买股票");
            c.result("交易性金融资产（借）", H);
            c.result("应收股利（借）", B);
            c.result("其他货币资金（贷）", A);
            c.blank();

            Num K = D + M;
            c.text("支付交易费用");
            c.result("投资收益（借）", M);
            c.result("应交税费（借）", D);
            c.result("其他货币资金（贷）", K);
            c.blank();

            c.text("或");

            Num J = (M - B) + A;
            Num L = M + A;
            c.blank();
            c.text("购买股票");
            c.result("短期投资（借）", J);
            c.result("应收股利（借）", B);
            c.result("银行存款（贷）", L);
            c.blank();

            book(c, {"收到股利", "银行存款（借）", "应收股利（贷）"}, B);
        },
};

}  // namespace bk::calc
