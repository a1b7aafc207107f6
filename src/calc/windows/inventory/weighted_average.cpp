// Form16: the cost of goods sold by the monthly weighted-average method:
// the month's total cost over its total quantity, times the quantity sold.
// An empty or zero total quantity stops the press before the line.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form16{
    .form = 16,
    .items = {field(1, "本月总成本"), asCount(field(2, "本月总购进数量")), asCount(field(3, "本月总销售数量"))},
    .compute =
        [](Calc& c) {
            Num T = c.read(1), Q = c.read(2), q = c.read(3);
            Num cost = c.money((T / Q) * q);
            c.result("生产成本——月末一次加权平均法", cost);
        },
};

}  // namespace bk::calc
