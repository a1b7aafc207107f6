// This month's withholding of individual income tax on wages by the
// cumulative method (累计预扣法): the year's wages so far less the year's
// deductions so far give the taxable income, the withholding table its tax,
// and this month withholds that tax less what was withheld before.
#include "calc/calculator.h"
#include "calc/rates.h"

#include <iterator>

namespace bk::calc {

namespace {

// The withholding table's row for taxable income t: a bound belongs to the
// lower row, so 36000 is taxed at 3 %.
const rates::WithholdingBracket& bracketOf(const Num& t)
{
    for (const rates::WithholdingBracket& b : rates::kWageWithholding)
        if (b.upTo <= 0 || t <= b.upTo) return b;
    return rates::kWageWithholding[std::size(rates::kWageWithholding) - 1];
}

// Whether m is a whole number of months from 1 to 12.
bool isMonthCount(const Num& m)
{
    for (int k = 1; k <= 12; ++k)
        if (m == k) return true;
    return false;
}

}  // namespace

extern const CalculatorDef WageTaxWithholding{
    .items =
        {field(1, "累计收入", "本年1月起至本月在本单位的工资薪金合计（含本月）"), field(2, "累计免税收入"),
         field(3, "累计专项扣除", "三险一金个人缴纳部分合计"),
         field(
             4, "累计专项附加扣除",
             "子女教育、婴幼儿照护、赡养老人、住房贷款利息或住房租金、继续教育合计。每月标准（国发〔2023〕13号）：子女教育、3岁以下婴幼儿照护每个子女2000；赡养老人3000（非独生子女分摊，每人不超过1500）；住房贷款利息1000；住房租金1500、1100或800；继续教育400，取得职业资格证书当年3600；大病医疗在年度汇算时扣除"),
         field(5, "累计其他扣除", "企业年金、商业健康险、个人养老金等"),
         asMonths(field(6, "任职月份数", "本年在本单位任职的月份数（含本月），年中入职从入职月算起")),
         field(7, "累计已预扣税额", "本年截至上月已预扣预缴税额"), field(8, "累计减免税额", "通常为0"),
         asCount(field(9, "全年按6万扣除（填1）", "上年各月均在本单位且全年工资薪金不超过6万元的"))},
    .compute =
        [](Calc& c) {
            const Num income = c.read(1), exempt = c.read(2), special = c.read(3), additional = c.read(4),
                      other = c.read(5), months = c.read(6), withheld = c.read(7), relief = c.read(8);
            const bool wholeYear = c.read(9) == 1;
            if (!isMonthCount(months)) {
                c.text("任职月份数应为1到12");
                return;
            }
            // Every figure before the first line: an amount too large prints nothing.
            const Num deduction = wholeYear ? Num(rates::kWageYearDeduction) : rates::kWageMonthDeduction * months;
            Num taxable = income - exempt - deduction - special - additional - other;
            if (taxable < 0) taxable = 0;
            const rates::WithholdingBracket& row = bracketOf(taxable);
            const Num tax = Calc::fen(taxable * row.ratePercent / 100 - row.quickDeduction);
            Num month = tax - relief - withheld;
            const bool negative = month < 0;
            if (negative) month = 0;

            c.result("累计减除费用", deduction);
            c.result("累计预扣预缴应纳税所得额", taxable);
            c.result("预扣率（%）", row.ratePercent);
            c.result("速算扣除数", row.quickDeduction);
            c.result("累计应预扣预缴税额", tax);
            c.result("本月应预扣预缴税额", month);
            if (negative) c.text("本月计算为负，暂不退税，多预扣的税款在以后月份抵减或年度汇算时处理");
            c.blank();
            c.entry("代扣个人所得税", "应付职工薪酬-职工工资（借）", "应交税费-应交个人所得税（贷）", month);
        },
    // The longest line, the note of a negative month, 32 characters, stands clear of the fields.
    .printWidth = 32 * 200 + 2 * kPrintInset,
};

}  // namespace bk::calc
