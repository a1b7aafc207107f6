// The year-end closing of the year's profit into 利润分配, and the
// appropriations to the surplus reserves and the profit distributed. The
// undistributed balance is a figure, negative for a deficit as the balance
// sheet shows it. A loss for the year is closed with positive amounts. The
// dividends on preferred and on ordinary shares are one line of
// 利润分配-应付利润, owed as 应付利润. The window has no Text4.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef YearEndClosing{
    .items = {field(1, "本年利润-净利润"), field(2, "年初余额-净利润"), field(3, "年初亏损"),
              field(5, "提取法定盈余公积"), field(6, "提取任意盈余公积"), field(7, "分配优先股利"),
              field(8, "分配普通股利")},
    .compute =
        [](Calc& c) {
            Num t1 = c.read(1), t0 = c.read(2), L = c.read(3), s1 = c.read(5), s2 = c.read(6), p1 = c.read(7),
                p2 = c.read(8);
            Num U = t0 + t1 - L - s1 - s2 - p1 - p2;
            c.result("未分配利润余额", U);
            c.blank();

            // 本年利润 holds the year's net profit alone: the opening balance and
            // the loss brought forward are already in 利润分配-未分配利润.
            c.text("结转净利润");
            const Num& P = t1;
            if (P > 0) {
                c.entry("本年利润（借）", "利润分配-未分配利润（贷）", P);
            }
            // A loss is booked the other way round, as a positive amount.
            if (P < 0) {
                c.entry("利润分配-未分配利润（借）", "本年利润（贷）", -P);
            }
            if (P == 0) {
                c.entry("本年利润（借）", "利润分配-未分配利润（贷）", P);
            }
            c.blank();

            Num R = s1 + s2, D = p1 + p2;
            c.text("结转盈余公积和股利");
            c.result("利润分配-提取法定盈余公积（借）", s1);
            c.result("利润分配-提取任意盈余公积（借）", s2);
            c.result("利润分配-应付利润（借）", D);
            c.result("盈余公积（贷）", R);
            c.result("应付利润（贷）", D);
            c.blank();

            c.text("结转利润分配");
            Num T = s1 + s2 + p1 + p2;
            c.result("利润分配-未分配利润（借）", T);
            c.result("利润分配-提取法定盈余公积（贷）", s1);
            c.result("利润分配-提取任意盈余公积（贷）", s2);
            c.result("利润分配-应付利润（贷）", D);
        },
};

}  // namespace bk::calc
