// The inventory write-down allowance. When the net realisable value
// is above cost the whole allowance already provided is reversed; otherwise
// the allowance is brought to cost less net realisable value: provide the
// shortfall, reverse the excess, or book nothing when it already fits. A
// write-down and its reversal both go through 资产减值损失.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef InventoryWriteDown{
    .items = {field(1, "账面余额/实际成本"), field(2, "可变现净值"), field(3, "已计提的存货跌价准备")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), V = c.read(2), P = c.read(3);
            Num X = (A - V) - P;  // further provision needed; negative: the part to reverse
            Num Y = V - A;
            if (Y > 0) {
                c.entry("存货跌价准备（借）", "资产减值损失（贷）", P);
                return;
            }
            if (X > 0) {
                c.entry("资产减值损失（借）", "存货跌价准备（贷）", X);
            }
            if (X < 0) {
                c.entry("存货跌价准备（借）", "资产减值损失（贷）", -X);
            }
            if (X == 0) c.result("存货跌价准备", X);
        },
};

}  // namespace bk::calc
