// The petty-cash fund (定额备用金): the fund granted, the expenses
// paid from it, and the change of the fund to its new size: a further grant
// when it grows, the cash paid back when it shrinks. Without a new size (or
// with the size it has) nothing more is booked.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef PettyCash{
    .items = {field(1, "备用金拨款"), field(2, "管理费用"), field(3, "备用金增扩至")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), U = c.read(2), N = c.read(3);
            c.entry("拨款", "其他应收款（借）", "库存现金（贷）", P);
            c.blank();
            c.entry("使用备用金", "管理费用（借）", "库存现金（贷）", U);
            c.blank();

            Num E = N - P;
            if (N > 0 && E > 0) {
                c.blank();
                c.entry("再拨款", "其他应收款（借）", "库存现金（贷）", E);
            }
            // A smaller fund: the cash paid back, booked as a positive amount.
            if (N > 0 && E < 0) {
                c.blank();
                c.entry("备用金减少", "库存现金（借）", "其他应收款（贷）", -E);
            }
        },
};

}  // namespace bk::calc
