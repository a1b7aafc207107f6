// A note receivable discounted at a monthly rate over 30-day months,
// an overdue loan, and an interest-bearing note discounted at an annual rate
// over a 360-day year: it earns interest over its term and is discounted
// for the days left to maturity, which lie between 0 (held to maturity) and
// its term. Each group prints only when its amounts are filled in; the groups
// follow each other without blank lines. Kept to the fen, the discount
// charge and the note's interest are rounded where they arise, and the
// proceeds are worked out from them.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef NoteDiscounting{
    .items = {heading("票据贴现"), field(1, "票面金额"), asRate(field(2, "月贴现率")),
              asDays(field(3, "贴现期限（天）")), heading("逾期贷款"), field(4, "短期借款"), nextColumn(),
              heading("票据存取贴现"), field(5, "票据面额"), asRate(field(6, "年利率")),
              asDays(field(7, "存期（天）", "票据自出票至到期的天数")), asRate(field(8, "贴现利率")),
              asDays(field(9, "贴现期限(天)", "贴现日至到期日的天数"))},
    .compute =
        [](Calc& c) {
            Num F = c.read(1), m = c.read(2), d = c.read(3), L = c.read(4), N = c.read(5), R = c.read(6), h = c.read(7),
                q = c.read(8), p = c.read(9);
            // The discount charge and the proceeds, before any test.
            Num I = c.money(m * F * d / 30);
            Num P = F - I;
            if (F > 0 && m > 0 && d > 0) {
                c.text("票据贴现");
                c.result("银行存款（借）", P);
                c.result("财务费用（借）", I);
                c.result("应收票据（贷）", F);
            }
            if (L > 0) c.entry("逾期贷款", "应收账款（借）", "短期借款（贷）", L);

            // The note at maturity (its interest over its whole term), the
            // discount on that value from the day of discounting to maturity,
            // the proceeds and their difference from the face value, before
            // any test.
            Num S = (R * h / 360 + 1) * N;
            Num K = S * q * p / 360;
            Num Q = S - K;
            Num E = Q - N;
            if (N > 0 && R > 0 && h > 0 && q > 0 && p >= 0 && p <= h) {
                // Kept to the fen, the interest and the discount are rounded
                // where they arise and the rest worked out from them.
                S = N + c.money(S - N);
                K = c.money(S * q * p / 360);
                Q = S - K;
                E = Q - N;
                c.text("票据存取贴现");
                c.result("银行存款（借）", Q);
                c.result("应收票据（贷）", N);
                c.result("财务费用（贷）", E);
            }
        },
};

}  // namespace bk::calc
