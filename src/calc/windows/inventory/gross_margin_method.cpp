// Form22: the gross-margin method. Gross profit and the estimated cost of
// sales come from the sales and the margin rate; the closing stock is worked
// out from the cost of sales the bookkeeper enters (type the estimate printed
// above into 本期销售成本 to get the closing stock of the gross-margin method).
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form22{
    .form = 22,
    .items = {field(1, "销售收入"), field(2, "销售毛利率"), field(3, "上期库存余额"), field(4, "本期购进"),
              field(5, "本期销售成本")},
    .compute =
        [](Calc& c) {
            Num S = c.read(1), g = c.read(2), B = c.read(3), P = c.read(4), Cs = c.read(5);
            Num G = g * S;
            Num K = S - G;
            Num E = (B + P) - Cs;
            c.result("本期销售毛利", G);
            c.result("本期销售成本", K);
            c.result("期末商品成本", E);
        },
};

}  // namespace bk::calc
