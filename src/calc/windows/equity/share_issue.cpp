// The entry of a share issue, the commission taken from the proceeds
// and charged against the share premium.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef ShareIssue{
    .items = {asCount(field(1, "发行股票数量")), field(2, "股票面值"), field(3, "发行价格"),
              asRate(field(4, "佣金比例"))},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), P = c.read(2), V = c.read(3), R = c.read(4);
            Num M = c.money(V * N * R);
            Num D = V * N - M;
            Num H = (V - P) * N;
            Num E = H - M;
            Num F = P * N;

            c.result("溢价收入", H);
            c.result("发行佣金", M);
            c.blank();

            if (E > 0) {
                c.result("银行存款（借）", D);
                c.result("实收资本（贷）", F);
                c.result("资本公积-资本溢价（贷）", E);
            }
            // A commission above the premium income is charged to the premium as a debit.
            if (E < 0) {
                c.result("银行存款（借）", D);
                c.result("资本公积-资本溢价（借）", -E);
                c.result("实收资本（贷）", F);
            }
            if (E == 0) {
                c.result("银行存款（借）", D);
                c.result("实收资本（贷）", F);
            }
        },
};

}  // namespace bk::calc
