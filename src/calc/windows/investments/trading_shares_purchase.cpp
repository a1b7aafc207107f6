// Shares bought for trading, the declared dividends included in the
// price kept apart as receivable. Booked first as a short-term investment
// whose cost includes the transaction costs, then, under the general
// standard's label, as a trading financial asset with the costs charged to
// investment income.
#include "calc/calculator.h"
#include "calc/entries.h"
#include "calc/general_standard.h"

namespace bk::calc {

extern const CalculatorDef TradingSharesPurchase{
    .items = {field(1, "支付股价"), field(2, "应收股利"), field(3, "交易费用"), field(4, "交易增值税")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), B = c.read(2), M = c.read(3), D = c.read(4);

            Num J = (M - B) + A;
            Num L = M + A;
            book(c, {"购买股票", "短期投资（借）", "应收股利（借）", "银行存款（贷）"}, J, B, L);
            c.blank();

            book(c, {"收到股利", "银行存款（借）", "应收股利（贷）"}, B);
            c.blank();

            c.text(kGeneralStandardLabel);
            Num H = A - B;
            book(c, {"购买股票", "交易性金融资产（借）", "应收股利（借）", "其他货币资金（贷）"}, H, B, A);
            c.blank();

            Num K = D + M;
            book(c, {"支付交易费用", "投资收益（借）", "应交税费-应交增值税（进项税额）（借）", "其他货币资金（贷）"},
                 M, D, K);
        },
};

}  // namespace bk::calc
