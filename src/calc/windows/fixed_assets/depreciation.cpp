// The depreciation of a fixed asset by four methods, one group of
// fields each. A group prints only when its fields make sense: cost and life
// (or work) positive, residual 0 or more and below cost, whole years for the
// two accelerated methods. 退出 returns to DepreciationByCostCentre, the depreciation entry,
// whose caption 累计折旧 opens this window.
//
// Kept to the fen, the periods of a life add up to what is written off: a
// straight-line year is rounded and the last year of a whole life takes the
// difference, as the last month does within a year (printed on lines of
// their own when they differ: the last month of every year, the last year
// and its last month); for the accelerated methods the depreciation written
// off by the end of each year is rounded, and a year's depreciation is the
// difference between two such.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// Double-declining balance: the depreciation written off by the end of
// year k of a life of N whole years, P2 the cost.
Num decliningWrittenOff(const Num& N, const Num& P2, const Num& k)
{
    if (k <= 0) return 0;
    if (k >= N) return P2;
    if (N <= 2) return P2 * k / N;
    if (k <= N - 2) return P2 - power(1 - 2 / N, k) * P2;
    // Year N - 1: half of what is left after year N - 2.
    Num left = power(1 - 2 / N, N - 2) * P2;
    return P2 - left / 2;
}

// Sum of the years' digits: the share of the depreciable cost written off
// by the end of year k of a life of m whole years, whose digits add up to
// `digits`: the digits of the first k years over all of them. The sum of the
// first k digits is no more than `digits`, so it cannot overflow.
Num digitsWrittenOff(const Num& m, const Num& digits, const Num& k) { return k * ((2 * m - k + 1) / 2) / digits; }

}  // namespace

extern const CalculatorDef Depreciation{
    .items = {heading("年限平均法"), asRate(field(1, "预计净残值率")), asYears(field(2, "预计使用寿命")),
              field(3, "固定资产原价"), heading("双倍余额递减法"), asYears(field(4, "预计使用寿命")),
              field(5, "固定资产原价"), asYears(field(6, "使用年数")), nextColumn(), heading("工作量法"),
              field(7, "固定资产原价"), asRate(field(8, "预计净残值率")), asCount(field(9, "预计总工作量")),
              asCount(field(14, "当期工作量")), heading("年数总和法"), asYears(field(10, "已使用年限")),
              asYears(field(11, "预计使用年限")), field(12, "固定资产原价"), field(13, "净残值")},
    .compute =
        [](Calc& c) {
            const bool toTheFen = c.amounts() == Amounts::Fen;

            // Straight-line: the cost less its residual value, spread evenly
            // over the life. To the fen the residual value, money derived by a
            // rate, is rounded, and the year is worked out from the cost less
            // it (after the exact figure, so that a fault comes where it does
            // with exact amounts).
            Num r = c.read(1), n = c.read(2), P1 = c.read(3);
            if (r >= 0 && r < 1 && n > 0 && P1 > 0) {
                Num A = (1 - r) / n * P1;
                Instalments year{A, A};
                if (toTheFen) year = c.instalments(P1 - c.money(P1 * r), n);
                const Instalments month = c.instalments(year.each, 12);
                c.result("累计折旧", year.each);
                c.result("累计折旧（月）", month.each);
                if (month.last != month.each) c.result("累计折旧（每年最后一个月）", month.last);
                if (isWhole(n) && year.last != year.each) {
                    c.result("累计折旧（最后一年）", year.last);
                    c.result("累计折旧（最后一年最后一个月）", year.last - 11 * month.each);
                }
            }

            // Double-declining balance: twice the straight-line rate on the value left
            // at the start of year t, without residual value. The value left after
            // year N - 2 is spread evenly over the last two years; a life of two
            // years or less is all last years. Nothing is left after the life.
            Num N = c.read(4), P2 = c.read(5), t = c.read(6);
            if (N > 0 && P2 > 0 && t > 0 && isWhole(N) && isWhole(t)) {
                Num K = N - 2;
                Num D = 0;
                if (t <= K) {
                    D = power(1 - 2 / N, t - 1) * P2 * 2 / N;
                }
                if (t > K && t <= N) {
                    if (N > 2) {
                        Num B = power(1 - 2 / N, N - 2) * P2;
                        D = B / 2;
                    }
                    if (N <= 2) D = P2 / N;
                }
                if (t > N) D = 0;
                if (toTheFen && t <= N)
                    D = c.money(decliningWrittenOff(N, P2, t)) - c.money(decliningWrittenOff(N, P2, t - 1));
                c.result("累计折旧", D);
            }

            // Units of production: the depreciable cost per unit of work, times the
            // work done in the period.
            Num P3 = c.read(7), q = c.read(8), W = c.read(9), w = c.read(14);
            if (P3 > 0 && q >= 0 && q < 1 && W > 0 && w > 0) {
                Num U = P3 * (1 - q) / W;
                Num E = c.money(U * w);
                c.result("累计折旧（当期）", E);
            }

            // Sum of the years' digits: the years still to run from year u over the
            // sum of the digits of the whole life, applied to cost less residual value.
            Num u = c.read(10), m = c.read(11), P4 = c.read(12), S = c.read(13);
            if (isWhole(u) && isWhole(m) && u >= 1 && u <= m && P4 > 0 && S >= 0 && S < P4) {
                Num digits = m * (m + 1) / 2;
                Num R = (m - (u - 1)) / digits;
                Num F = (P4 - S) * R;
                if (toTheFen)
                    F = c.money((P4 - S) * digitsWrittenOff(m, digits, u)) -
                        c.money((P4 - S) * digitsWrittenOff(m, digits, u - 1));
                c.result("累计折旧（当期）", F);
                c.result("年折旧率", R);
            }
        },
};

}  // namespace bk::calc
