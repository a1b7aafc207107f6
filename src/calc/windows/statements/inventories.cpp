// Form33: the balance-sheet line 存货, the inventory accounts summed less the
// write-down allowance. The cost variance comes with its sign: a saving is
// negative and lowers the total.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form33{
    .form = 33,
    .items = {field(1, "在途物资（材料采购）"), field(2, "原材料"), field(3, "材料成本差异（差价）"),
              field(4, "库存商品"), field(5, "发出商品"), field(6, "委托加工物资"), field(7, "周转材料"),
              field(8, "生产成本"), field(9, "存货跌价准备")},
    .compute =
        [](Calc& c) {
            Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6),
                a7 = c.read(7), a8 = c.read(8), p = c.read(9);
            c.result("存货", a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 - p);
        },
};

}  // namespace bk::calc
