// The period-end closing of the income and expense accounts into
// 本年利润, with the total and the operating profit that follow from it;
// at the year end also the year's profit into 利润分配 (小企业会计准则,
// 科目3103: 年度终了转入利润分配). The input captions carry the side of
// the ledger balance, the printed ones the side of the closing entry.
#include "calc/calculator.h"

namespace bk::calc {

// Fields keep their labels' numbers: Text3 and Text12 are no longer asked.
extern const CalculatorDef PeriodEndClosing{
    .items = {field(1, "主营业务收入（贷）"), field(2, "其他业务收入（贷）"), withLabel(field(4, "投资收益（贷）"), 4),
              withLabel(field(5, "营业外收入（贷）"), 5),
              withLabel(
                  asCount(field(15, "年末结转（填1）", "12月结账填1：把全年利润从“本年利润”转入“利润分配-未分配利润”")),
                  15),
              withLabel(
                  field(16, "本年利润（1月至上月）", "结转本月损益前“本年利润”贷方余额，亏损填负数；年末结转时使用"),
                  16),
              nextColumn(), withLabel(field(6, "主营业务成本（借）"), 6), withLabel(field(7, "其他业务成本（借）"), 7),
              withLabel(field(8, "税金及附加（借）"), 8), withLabel(field(9, "销售费用（借）"), 9),
              withLabel(field(10, "管理费用（借）"), 10), withLabel(field(11, "财务费用（借）"), 11),
              withLabel(field(13, "营业外支出（借）"), 13), withLabel(field(14, "所得税费用（借）"), 14)},
    .compute =
        [](Calc& c) {
            Num i1 = c.read(1), i2 = c.read(2), i4 = c.read(4), i5 = c.read(5);
            Num e1 = c.read(6), e2 = c.read(7), e3 = c.read(8), e4 = c.read(9), e5 = c.read(10), e6 = c.read(11),
                e8 = c.read(13);
            Num x = c.read(14);
            const bool yearEnd = c.read(15) == 1;
            // Both totals before the first line: a total too large prints nothing.
            Num I = i1 + i2 + i4 + i5;
            Num E = e1 + e2 + e3 + e4 + e5 + e6 + e8;

            c.text("结转收入");
            c.result("主营业务收入（借）", i1);
            c.result("其他业务收入（借）", i2);
            c.result("投资收益（借）", i4);
            c.result("营业外收入（借）", i5);
            c.result("本年利润（贷）", I);
            c.blank();

            c.text("结转支出");
            c.result("本年利润（借）", E);
            c.result("主营业务成本（贷）", e1);
            c.result("其他业务成本（贷）", e2);
            c.result("税金及附加（贷）", e3);
            c.result("销售费用（贷）", e4);
            c.result("管理费用（贷）", e5);
            c.result("财务费用（贷）", e6);
            c.result("营业外支出（贷）", e8);
            c.blank();

            c.entry("结转所得税", "本年利润（借）", "所得税费用（贷）", x);
            c.blank();

            // The month's net profit; the year's is the months before plus it.
            if (yearEnd) c.text("结转本年利润");
            Num N = (I - E) - x;
            if (yearEnd) {
                Num Y = c.read(16) + N;
                if (Y >= 0) {
                    c.entry("本年利润（借）", "利润分配-未分配利润（贷）", Y);
                }
                // A loss is booked the other way round, as a positive amount.
                if (Y < 0) {
                    c.entry("利润分配-未分配利润（借）", "本年利润（贷）", -Y);
                }
                c.blank();
            }

            Num G = N + x;
            c.result("利润总额", G);
            Num O = (G + e8) - i5;
            c.result("营业利润", O);
        },
};

}  // namespace bk::calc
