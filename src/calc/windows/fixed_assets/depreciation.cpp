// Form25: the depreciation of a fixed asset by four methods, one group of
// fields each. A group prints only when every one of its fields holds a
// positive amount, so the user fills in just the methods wanted. 退出 returns
// to Form79, the depreciation entry, whose caption 累计折旧 opens this window.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form25{
    .form = 25,
    .items = {heading("年限平均法"), field(1, "预计净残值率"), field(2, "预计使用寿命"), field(3, "固定资产原价"),
              heading("双倍余额递减法"), field(4, "预计使用寿命"), field(5, "固定资产原价"), field(6, "使用年数"),
              nextColumn(), heading("工作量法"), field(7, "固定资产原价"), field(8, "预计净残值率"),
              field(9, "预计总工作量"), field(14, "当期工作量"), heading("年数总和法"), field(10, "已使用年限"),
              field(11, "预计使用年限"), field(12, "固定资产原价"), field(13, "净残值")},
    .compute =
        [](Calc& c) {
            // Straight-line: the cost less its residual share, spread evenly over the life.
            Num r = c.read(1), n = c.read(2), P1 = c.read(3);
            if (r > 0 && n > 0 && P1 > 0) {
                Num A = (1 - r) / n * P1;
                Num M = A / 12;
                c.result("累计折旧", A);
                c.result("累计折旧（月）", M);
            }

            // Double-declining balance: twice the straight-line rate on the value left
            // at the start of year t, without residual value. The value left after
            // year N - 2 is spread evenly over the last two years; a life of two
            // years or less is all last years. Nothing is left after the life.
            Num N = c.read(4), P2 = c.read(5), t = c.read(6);
            if (N > 0 && P2 > 0 && t > 0) {
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
                c.result("累计折旧", D);
            }

            // Units of production: the depreciable cost per unit of work, times the
            // work done in the period.
            Num P3 = c.read(7), q = c.read(8), W = c.read(9), w = c.read(14);
            if (P3 > 0 && q > 0 && W > 0 && w > 0) {
                Num U = P3 * (1 - q) / W;
                Num E = U * w;
                c.result("累计折旧（当期）", E);
            }

            // Sum of the years' digits: the years still to run from year u over the
            // sum of the digits of the whole life, applied to cost less residual value.
            Num u = c.read(10), m = c.read(11), P4 = c.read(12), S = c.read(13);
            if (u > 0 && m > 0 && P4 > 0 && S > 0) {
                Num R = (m - (u - 1)) / (m * (m + 1) / 2);
                Num F = (P4 - S) * R;
                c.result("累计折旧（当期）", F);
                c.result("年折旧率", R);
            }
        },
};

}  // namespace bk::calc
