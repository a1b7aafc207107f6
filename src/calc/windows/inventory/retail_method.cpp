// The retail method. The mark-up rate over the opening stock and
// this period's purchases (each at selling price and at cost), the mark-up
// allocated to the period's sales, and the actual cost of sales and of the
// closing stock. The rate divides by the selling prices, so empty selling
// prices stop the press before any line. Kept to the fen, the mark-up
// allocated is rounded and the closing stock takes the remainder.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef RetailMethod{
    .items = {field(1, "期初售价"), field(2, "期初成本"), field(3, "本期购进售价"), field(4, "本期购进成本"),
              field(5, "本期销售")},
    .compute =
        [](Calc& c) {
            Num R0 = c.read(1), C0 = c.read(2), R1 = c.read(3), C1 = c.read(4), S = c.read(5);
            Num q = ((R1 - C1) + (R0 - C0)) / (R1 + R0);
            Num A = c.money(S * q);
            Num K = S - A;
            Num E = (C1 + C0) - K;
            c.result("商品进销差价率", q);
            c.result("分摊的进销差价", A);
            c.result("本期销售实际成本", K);
            c.result("期末结存实际成本", E);
        },
};

}  // namespace bk::calc
