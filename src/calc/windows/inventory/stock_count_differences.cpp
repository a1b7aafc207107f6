// Form63: surpluses and shortages found in a stock count of fixed assets,
// cash and materials. Each net difference is booked by its sign into
// 待处理财产损溢 and, once approved, a surplus to non-operating income and a
// shortage to non-operating expenses; the total is closed into 本年利润.
// Every amount printed in a booking is positive; a difference of zero prints
// its accounts without a side.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// The two lines of a difference, chosen by its sign.
struct Sides {
    std::string_view surplusDebit, surplusCredit;    // v > 0
    std::string_view zeroDebit, zeroCredit;          // v = 0
    std::string_view shortageDebit, shortageCredit;  // v < 0, booked as -v
};

void bySign(Calc& c, const Num& v, const Sides& s)
{
    if (v > 0) c.entry(s.surplusDebit, s.surplusCredit, v);
    if (v == 0) c.entry(s.zeroDebit, s.zeroCredit, v);
    if (v < 0) c.entry(s.shortageDebit, s.shortageCredit, -v);
}

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

// Fixed assets pass through 待处理财产损溢 too. One found enters 固定资产 at
// its value; one missing leaves 固定资产 at its cost, its net book value -v
// plus its accumulated depreciation D, and the net book value is the loss.
void fixedAssets(Calc& c, const Num& v, const Num& D)
{
    if (v > 0) {
        c.entry("固定资产（借）", "待处理财产损溢（贷）", v);
        c.blank();
        c.entry("待处理财产损溢（借）", "营业外收入（贷）", v);
    }
    if (v == 0) c.entry("固定资产", "待处理财产损溢", v);
    if (v < 0) {
        c.result("待处理财产损溢（借）", -v);
        c.result("累计折旧（借）", D);
        c.result("固定资产（贷）", (-v) + D);
        c.blank();
        c.entry("营业外支出（借）", "待处理财产损溢（贷）", -v);
    }
}

}  // namespace

extern const CalculatorDef form63{
    .form = 63,
    .items = {field(1, "固定资产盘盈"), field(2, "固定资产盘亏", "盘亏资产的账面净值（原值减累计折旧）"),
              withLabel(field(7, "盘亏累计折旧"), 7), field(3, "现金盘盈"), field(4, "现金盘亏"),
              field(5, "原材料盘盈"), field(6, "原材料盘亏")},
    .compute =
        [](Calc& c) {
            Num F1 = c.read(1), F2 = c.read(2), K1 = c.read(3), K2 = c.read(4), M1 = c.read(5), M2 = c.read(6);
            Num D = c.read(7);  // accumulated depreciation of the missing fixed assets
            // Every net difference and the total before the first line.
            Num M = M1 - M2, F = F1 - F2, K = K1 - K2;
            Num T = M + F + K;

            pending(c, M, {"原材料发现盘盈", "发现盘盈（亏）", "原材料（借）", "原材料（贷）", "原材料"});
            c.blank();
            fixedAssets(c, F, D);
            c.blank();
            pending(c, K, {"现金发现盘盈", "发现盘盈", "库存现金（借）", "库存现金（贷）", "库存现金"});
            c.blank();

            c.text("结转");
            bySign(
                c, T,
                {"营业外收入（借）", "本年利润（贷）", "营业外收入", "本年利润", "本年利润（借）", "营业外支出（贷）"});
        },
};

}  // namespace bk::calc
