// The share premium of a share issue, net of the commission, worked
// out from the issue price or, when no price is given, from the total
// proceeds. The proceeds field stands apart at the left, on the row of the
// price it replaces.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// The premium on the credit side, a discount on the debit side as a positive amount.
void premiumLine(Calc& c, const Num& E)
{
    if (E > 0) c.result("资本公积-资本溢价（贷）", E);
    if (E < 0) c.result("资本公积-资本溢价（借）", -E);
    if (E == 0) c.result("资本公积-资本溢价", E);
}

}  // namespace

extern const CalculatorDef SharePremium{
    .items = {field(3, "股款"), nextColumn(), field(4, "发行价格"), asCount(field(1, "股票数量")), field(2, "股票面值"),
              asRate(field(5, "佣金比例"))},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), P = c.read(2), K = c.read(3), V = c.read(4), R = c.read(5);
            // No proceeds given: the premium from the issue price.
            if (K == 0) {
                Num E = N * (V - P) - c.money(N * V * R);
                premiumLine(c, E);
            }
            // No price given: the premium from the proceeds.
            if (V == 0) {
                Num E = (K - P * N) - c.money(K * R);
                premiumLine(c, E);
            }
        },
};

}  // namespace bk::calc
