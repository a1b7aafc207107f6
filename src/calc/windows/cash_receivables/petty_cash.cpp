// Form83: the petty-cash fund: the fund granted, the expenses paid from it,
// and the further grant that brings the fund up to its new size.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form83{
    .form = 83,
    .items = {field(1, "备用金拨款"), field(2, "管理费用"), field(3, "备用金增扩至")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), U = c.read(2), N = c.read(3);
            c.entry("拨款", "其他应收款（借）", "现金（贷）", P);
            c.blank();
            c.entry("使用备用金", "管理费用（借）", "现金（贷）", U);
            c.blank();

            Num E = N - P;
            c.blank();
            c.entry("再拨款", "其他应收款", "现金", E);
        },
};

}  // namespace bk::calc
