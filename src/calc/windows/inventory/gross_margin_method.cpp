// The gross-margin method. Gross profit and the estimated cost of
// sales come from the sales and the margin rate; the closing stock is the
// opening stock plus the purchases less that cost of sales. Kept to the fen,
// the gross profit is rounded and the rest worked out from it, so the
// closing stock takes the remainder. The cost of sales is carried from the
// stock to 主营业务成本.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef GrossMarginMethod{
    .items = {field(1, "销售收入"), asRate(field(2, "销售毛利率")), field(3, "上期库存余额"), field(4, "本期购进")},
    .compute =
        [](Calc& c) {
            Num S = c.read(1), g = c.read(2), B = c.read(3), P = c.read(4);
            Num G = c.money(g * S);
            Num K = S - G;
            Num E = (B + P) - K;
            c.result("本期销售毛利", G);
            c.result("本期销售成本", K);
            c.result("期末商品成本", E);
            c.blank();
            c.text("结转销售成本");
            c.result("主营业务成本（借）", K);
            c.result("库存商品（贷）", K);
        },
};

}  // namespace bk::calc
