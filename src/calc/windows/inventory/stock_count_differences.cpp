// Surpluses and shortages found in a stock count of fixed assets,
// cash and materials. The net difference of the materials and of the cash is
// booked by its sign into 待处理财产损溢 and, once approved, a surplus to
// non-operating income and a shortage to non-operating expenses. A fixed
// asset found and one missing are booked each on its own: the one missing
// leaves 固定资产 at its cost, its net book value plus its accumulated
// depreciation. The gains and the losses are then closed into 本年利润 each
// on its own, as the separate lines of the income statement they are. Every
// amount printed in a booking is positive; a difference of zero prints its
// accounts without a side.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// Materials and cash pass through 待处理财产损溢 until the difference is approved.
struct Pending {
    std::string_view surplusHeading, shortageHeading;
    std::string_view debit, credit, zero;  // the counted account: 借, 贷, no side
};

void pending(Calc& c, const Num& v, const Pending& p)
{
    if (v > 0) {
        c.entry(p.surplusHeading, p.debit, "待处理财产损溢（贷）", v);
        c.blank();
        c.entry("批准收入", "待处理财产损溢（借）", "营业外收入（贷）", v);
    }
    if (v == 0) c.entry(p.zero, "待处理财产损溢", v);
    if (v < 0) {
        c.entry(p.shortageHeading, "待处理财产损溢（借）", p.credit, -v);
        c.blank();
        c.entry("批准收入", "营业外支出（借）", "待处理财产损溢（贷）", -v);
    }
}

// Fixed assets pass through 待处理财产损溢 too, a found asset F1 and a
// missing one each on its own. One found enters 固定资产 at its value; one
// missing leaves 固定资产 at its cost, its net book value F2 plus its
// accumulated depreciation D, and the net book value is the loss. A negative
// amount is no asset at all: nothing is booked for fixed assets.
void fixedAssets(Calc& c, const Num& F1, const Num& F2, const Num& D)
{
    if (F1 < 0 || F2 < 0 || D < 0) {
        c.text("固定资产金额不能为负数，未入账");
        return;
    }
    const bool missing = F2 > 0 || D > 0;
    if (F1 > 0) {
        c.entry("固定资产（借）", "待处理财产损溢（贷）", F1);
        c.blank();
        c.entry("待处理财产损溢（借）", "营业外收入（贷）", F1);
        if (missing) c.blank();
    }
    if (missing) {
        c.result("待处理财产损溢（借）", F2);
        c.result("累计折旧（借）", D);
        c.result("固定资产（贷）", F2 + D);
        c.blank();
        c.entry("营业外支出（借）", "待处理财产损溢（贷）", F2);
    }
    if (F1 == 0 && !missing) c.entry("固定资产", "待处理财产损溢", F1);
}

}  // namespace

extern const CalculatorDef StockCountDifferences{
    .items = {field(1, "固定资产盘盈"), field(2, "固定资产盘亏", "盘亏资产的账面净值（原值减累计折旧）"),
              withLabel(field(7, "盘亏累计折旧", "盘亏资产已计提的累计折旧"), 7), field(3, "现金盘盈"),
              field(4, "现金盘亏"), field(5, "原材料盘盈"), field(6, "原材料盘亏")},
    .compute =
        [](Calc& c) {
            Num F1 = c.read(1), F2 = c.read(2), K1 = c.read(3), K2 = c.read(4), M1 = c.read(5), M2 = c.read(6);
            Num D = c.read(7);  // accumulated depreciation of the missing fixed assets
            // The net differences, the gains and the losses before the first
            // line. Fixed assets that are not booked count for nothing.
            Num M = M1 - M2, K = K1 - K2;
            const bool assetsBooked = F1 >= 0 && F2 >= 0 && D >= 0;
            const Num none = 0;
            Num G = (assetsBooked ? F1 : none) + (M > 0 ? M : none) + (K > 0 ? K : none);
            Num L = (assetsBooked ? F2 : none) + (M < 0 ? -M : none) + (K < 0 ? -K : none);

            pending(c, M, {"原材料发现盘盈", "发现盘盈（亏）", "原材料（借）", "原材料（贷）", "原材料"});
            c.blank();
            fixedAssets(c, F1, F2, D);
            c.blank();
            pending(c, K, {"现金发现盘盈", "发现盘盈", "库存现金（借）", "库存现金（贷）", "库存现金"});
            c.blank();

            c.text("结转");
            if (G > 0) c.entry("营业外收入（借）", "本年利润（贷）", G);
            if (G > 0 && L > 0) c.blank();
            if (L > 0) c.entry("本年利润（借）", "营业外支出（贷）", L);
            if (G == 0 && L == 0) c.entry("营业外收入", "本年利润", G);
        },
};

}  // namespace bk::calc
