// Bad debts over a year. A small enterprise provides no allowance: a bad
// debt written off is a non-operating loss when it occurs, a debt collected
// again after its write-off non-operating income; these entries come first.
// Then, under the label of the general standard, the allowance method: the
// allowance on the books at the start of the year (last year's balance, not
// an entry of this year), the bad debts written off (or, negative, collected
// again) and the allowance required now give this year's provision or
// reversal, both through 信用减值损失.
#include "calc/calculator.h"
#include "calc/general_standard.h"

namespace bk::calc {

extern const CalculatorDef BadDebtAllowance{
    .items = {field(1, "坏账准备（应收）"), field(2, "坏账准备（上年应收）"), field(3, "坏账准备/收回坏账（实际）")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), B = c.read(2), C = c.read(3);
            // A negative amount is a debt collected again, booked as a positive amount.
            if (!(C > 0)) c.entry("银行存款（借）", "营业外收入（贷）", -C);
            if (C > 0) c.entry("营业外支出-坏账损失（借）", "应收账款（贷）", C);
            c.blank();

            c.text(kGeneralStandardLabel);
            if (C >= 0) {
                c.entry("确认坏账", "坏账准备（借）", "应收账款（贷）", C);
                c.blank();
            }
            if (!(C >= 0)) {
                c.entry("收回坏账", "银行存款（借）", "应收账款（贷）", -C);
                c.entry("同时", "应收账款（借）", "坏账准备（贷）", -C);
                c.blank();
            }

            Num P = A - (B - C);
            if (P >= 0) c.entry("计提坏账准备", "信用减值损失（借）", "坏账准备（贷）", P);
            // A reversal of the allowance, booked as a positive amount and
            // credited back to the account the provision was charged to.
            if (P < 0) c.entry("计提坏账准备", "坏账准备（借）", "信用减值损失（贷）", -P);
        },
};

}  // namespace bk::calc
