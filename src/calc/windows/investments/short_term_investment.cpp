// Shares or bonds bought as a short-term investment and sold again.
// The cost includes the purchase taxes and fees but not the dividends or
// interest due in the price; the gain is the net proceeds less that cost, a
// loss printed as a negative gain.
#include <string_view>

#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

namespace {

// The headings and accounts of one kind of investment.
struct Investment {
    TwoDebits bought;             // the purchase entry
    std::string_view sold;        // heading of the sale
    std::string_view investment;  // the short-term investment, credited on the sale
    std::string_view gain;        // the investment income
};

void buyAndSell(Calc& c, const Investment& k, const Num& price, const Num& due, const Num& buyingCosts,
                const Num& salePrice, const Num& sellingCosts)
{
    Num N = (price - due) + buyingCosts;
    Num Q = buyingCosts + price;
    book(c, k.bought, N, due, Q);
    c.blank();

    Num Z = salePrice - sellingCosts;
    Num W = Z - N;
    c.text(k.sold);
    c.result("银行存款（借）", Z);
    c.result(k.investment, N);
    c.result(k.gain, W);
}

}  // namespace

extern const CalculatorDef ShortTermInvestmentTrading{
    .items = {heading("出售股票"), field(6, "股票买价"), field(7, "发放股利"), field(8, "购买税费"),
              field(9, "股票售价"), field(10, "出售税费"), nextColumn(), heading("出售债券"), field(1, "债券买价"),
              field(2, "发放债利"), field(3, "购买税费"), field(4, "债券售价"), field(5, "出售税费")},
    .compute =
        [](Calc& c) {
            Num BA = c.read(1), BI = c.read(2), BT = c.read(3), BS = c.read(4), BX = c.read(5);
            Num SA = c.read(6), SD = c.read(7), ST = c.read(8), SS = c.read(9), SX = c.read(10);
            if (SA > 0)
                buyAndSell(c,
                           {{"购买股票", "短期投资-股票（借）", "应收股利（借）", "银行存款（贷）"},
                            "出售股票",
                            "短期投资-股票（贷）",
                            "投资收益-股票投资收益（贷）"},
                           SA, SD, ST, SS, SX);
            if (BA > 0)
                buyAndSell(c,
                           {{"购买债券", "短期投资-债券（借）", "应收利息（借）", "银行存款（贷）"},
                            "出售债券",
                            "短期投资-债券（贷）",
                            "投资收益-债券投资收益（贷）"},
                           BA, BI, BT, BS, BX);
        },
};

}  // namespace bk::calc
