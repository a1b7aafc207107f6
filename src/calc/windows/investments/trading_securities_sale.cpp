// The sale of bonds and shares held for trading, with the
// value-added tax on the transfer of the financial product. The sale clears
// the cost and the fair-value change booked up to the last period end; the
// rest of the price is the gain or loss in investment income.
#include <string_view>

#include "calc/calculator.h"
#include "calc/windows/investments/transfer_tax.h"

namespace bk::calc {

namespace {

struct Holding {
    std::string_view heading;
    Num sale;      // sale price
    Num cost;      // initial cost
    Num carrying;  // fair value at the last period end
    Num purchase;  // purchase price, for the transfer tax
};

void sell(Calc& c, const Holding& h, const Num& taxPercent)
{
    c.text(h.heading);
    Num F = h.carrying - h.cost;
    Num G = h.sale - h.carrying;
    Num T = transferTax(h.sale, h.purchase, taxPercent);

    // Debits before credits, each of the fair-value change and the gain on
    // the side its sign gives it. A change or a gain of exactly 0 has no line,
    // so a holding sold at its carrying value, or still carried at cost, gets
    // an entry that balances all the same.
    c.result("其他货币资金（借）", h.sale);
    if (F < 0) c.result("交易性金融资产-公允价值变动（借）", -F);
    if (G < 0) c.result("投资收益（借）", -G);
    c.result("交易性金融资产-成本（贷）", h.cost);
    if (F > 0) c.result("交易性金融资产-公允价值变动（贷）", F);
    if (G > 0) c.result("投资收益（贷）", G);

    c.blank();
    c.entry("金融产品增值税", "投资收益（借）", "应交税费-转让金融商品应交增值税（贷）", T);
    if (T < 0) c.text(kNegativeTransferTax);
}

}  // namespace

extern const CalculatorDef TradingSecuritiesSale{
    .items = {field(4, "股票售价"), field(5, "股票本价"), field(6, "股票原价（上期）"), field(7, "股票购价"),
              nextColumn(), field(1, "债券售价"), field(2, "债券本价"), field(3, "债券原价（上期）"),
              field(8, "债券购价"), transferTaxRate(9)},
    .compute =
        [](Calc& c) {
            Num BS = c.read(1), BC = c.read(2), BP = c.read(3), SS = c.read(4), SC = c.read(5), SP = c.read(6),
                SB = c.read(7), BB = c.read(8);
            // One rate for both holdings.
            Num r = c.readOr(9, rates::kVatFinancialTransferPercent);
            if (BS > 0) sell(c, {"出售债券", BS, BC, BP, BB}, r);
            if (SS > 0) sell(c, {"出售股票", SS, SC, SP, SB}, r);
        },
};

}  // namespace bk::calc
