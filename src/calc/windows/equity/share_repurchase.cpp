// The repurchase of the company's own shares into 库存股 and their
// cancellation. The excess of the cost over the par value is taken from the
// share premium first and the rest from the surplus reserves; shares bought
// back below par add the difference to the share premium.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef ShareRepurchase{
    .items = {asCount(field(1, "回购股票数量")), field(2, "回购价格"), field(3, "面值"), field(4, "股本溢价")},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), B = c.read(2), P = c.read(3), S = c.read(4);
            Num A = B * N;
            Num F = P * N;
            Num X = A - F;

            c.entry("回购股份", "库存股（借）", "银行存款（贷）", A);

            // The premium absorbs the whole excess.
            if (X < S && X > 0) {
                c.text("注销股份");
                c.result("股本（借）", F);
                c.result("资本公积-股本溢价（借）", X);
                c.result("库存股（贷）", A);
            }
            // Bought back at exactly par while a premium is held: the premium
            // is not touched, the cancellation is share capital against 库存股.
            if (X == 0 && S > 0) {
                c.text("注销股份");
                c.result("股本（借）", F);
                c.result("库存股（贷）", A);
            }
            // The excess uses up the premium; the rest falls on the surplus reserves.
            if (X >= S) {
                Num W = X - S;
                c.text("注销股份");
                c.result("股本（借）", F);
                c.result("资本公积-股本溢价（借）", S);
                c.result("盈余公积（借）", W);
                c.result("库存股（贷）", A);
            }
            // Bought back below par: the difference is credited to the premium.
            if (X < 0) {
                c.text("注销股份");
                c.result("股本（借）", F);
                c.result("库存股（贷）", A);
                c.result("资本公积-股本溢价（贷）", -X);
            }
        },
};

}  // namespace bk::calc
