// A sale of materials or other items outside the main business,
// booked as 其他业务收入 with the materials' cost as 其他业务成本.
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::recogniseSale;

extern const CalculatorDef OtherBusinessSales{
    .items = {field(1, "商品总价"), field(2, "应交增值税（销项税额）"), field(3, "成本总额")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), X = c.read(2), G = c.read(3);
            Num Y = X + P;
            recogniseSale(c, "应收账款（借）", Y, "其他业务收入（贷）", P, X);
            c.blank();
            c.entry("结转原材料成本", "其他业务成本（借）", "原材料（贷）", G);
        },
};

}  // namespace bk::calc
