// Form14: the bad-debt allowance over a year. The allowance provided last
// year end, the bad debts written off (or, negative, collected again) and the
// allowance required now give this year's provision or reversal; the window
// then shows the same year booked the other way, through non-operating
// expenses.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form14{
    .form = 14,
    .items = {field(1, "坏账准备（应收）"), field(2, "坏账准备（上年应收）"), field(3, "坏账准备/收回坏账（实际）")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), B = c.read(2), C = c.read(3);
            c.entry("年末计提", "管理费用（借）", "坏账准备（贷）", B);
            c.blank();

            if (C >= 0) {
                c.entry("确认坏账", "坏账准备-坏账准备（借）", "应收账款（贷）", C);
                c.blank();
            }
            // A negative amount is a debt collected again, booked as a positive amount.
            if (!(C >= 0)) {
                c.entry("收回坏账", "银行存款（借）", "应收账款（贷）", -C);
                c.entry("同时", "应收账款（借）", "坏账准备（贷）", -C);
                c.blank();
            }

            Num P = A - (B - C);
            if (P >= 0) {
                c.entry("计提坏账准备", "信用减值损失（借）", "坏账准备（贷）", P);
                c.blank();
                c.entry("转销坏账", "坏账准备（借）", "应收账款（贷）", P);
                c.blank();
                c.entry("如果收回全部坏账", "应收账款（借）", "坏账准备（贷）", P);
                c.entry("银行存款（借）", "应收账款（贷）", P);
            }
            // A reversal of the allowance, booked as a positive amount.
            if (P < 0) {
                c.entry("计提坏账准备", "坏账准备（借）", "管理费用（贷）", -P);
                c.blank();
                c.entry("转销坏账", "应收账款（借）", "坏账准备（贷）", -P);
                c.blank();
                c.entry("如果收回全部坏账", "应收账款（借）", "坏账准备（贷）", -P);
                c.entry("银行存款（借）", "应收账款（贷）", -P);
                c.blank();
            }

            c.blank();
            c.text("或");
            c.blank();

            if (!(C > 0)) {
                c.result("营业外支出-坏账损失（借）", P);
                c.result("银行存款（借）", -C);
                c.result("坏账准备（借）", B);
                c.result("应收账款（贷）", A);
            }
            if (C > 0) {
                c.result("营业外支出-坏账损失（借）", P);
                c.result("坏账准备（借）", B);
                c.result("银行存款（贷）", C);
                c.result("应收账款（贷）", A);
            }
        },
};

}  // namespace bk::calc
