// Interest on a short-term loan: the interest of one month accrued
// and paid, and the interest of the whole term closed into 本年利润. Kept to
// the fen, the months add up to the term's interest: the last month's
// interest prints before the closing where it differs.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef BankLoanInterest{
    .items = {field(1, "短期借款"), asMonths(field(2, "期限")), asRate(field(3, "年利率"))},
    .compute =
        [](Calc& c) {
            Num L = c.read(1), n = c.read(2), r = c.read(3);
            // A month's interest at the annual rate; the term is in months.
            // The interest of the term is worked out at once, and its last
            // month takes what the months before it leave.
            Num i = c.money(r * L / 12);
            Num t = c.money(n * (r * L / 12));
            Num last = t - (n - 1) * i;

            c.entry("计提财务费用", "财务费用-利息支出（借）", "应付利息（贷）", i);
            c.blank();
            // Paying clears the interest accrued above; it is no second expense.
            c.entry("支出利息", "应付利息（借）", "银行存款（贷）", i);
            c.blank();
            if (last != i) {
                c.result("最后一个月利息", last);
                c.blank();
            }
            c.entry("结转财务费用", "本年利润", "财务费用", t);
        },
};

}  // namespace bk::calc
