// A new investor's cash contribution, split into the paid-in capital
// of the share bought and the capital premium paid above it.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef NewInvestor{
    .items = {field(1, "注册资本"), asRate(field(2, "股份比例")), field(3, "投入现金")},
    .compute =
        [](Calc& c) {
            Num G = c.read(1), r = c.read(2), K = c.read(3);
            Num F = c.money(r * G);
            Num X = K - F;
            c.result("银行存款（借）", K);
            // Cash below the capital share gives a negative premium, printed as it is.
            c.result("资本公积-资本溢价（贷）", X);
            c.result("实收资本（贷）", F);
        },
};

}  // namespace bk::calc
