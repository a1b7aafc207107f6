// Form18: the material cost variance rate, the variance carried in and
// arising this period over the planned cost of the materials on hand and
// received. Its 退出 leads back to Form19, where the rate is used.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form18{
    .form = 18,
    .items = {field(1, "成本差异（期初超支）"), field(2, "成本差异（本期超支）"), field(3, "计划成本（期初结存）"),
              field(4, "计划成本（验收入库）")},
    .compute =
        [](Calc& c) {
            Num d0 = c.read(1), d1 = c.read(2), p0 = c.read(3), p1 = c.read(4);
            Num P = p0 + p1;
            // The rate is worked out over a positive planned cost only; a
            // negative planned cost leaves it unassigned and the line shows no amount.
            Var r;
            if (P > 0) r = (d0 + d1) / P;
            if (P == 0) r = Num(0);
            c.result("材料成本差异率", r);
        },
};

}  // namespace bk::calc
