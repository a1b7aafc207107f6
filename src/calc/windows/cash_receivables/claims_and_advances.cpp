// An insurance claim on lost materials, medical fees advanced to an
// employee and a deposit paid. Each amount greater than 0 books its two
// entries, the claim or advance and its settlement: the claim paid to the
// bank, the advance deducted from wages, the deposit returned to the bank.
// The blocks follow each other without a blank line.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef ClaimsAndAdvances{
    .items = {heading("保险收入"), field(1, "保险收入"), heading("医疗费"), field(2, "医疗费"), heading("押金"),
              field(3, "押金")},
    .compute =
        [](Calc& c) {
            Num I = c.read(1), D = c.read(2), G = c.read(3);
            accrueAndSettle(c, I, {"保险收入", "其他应收款（借）", "材料采购（贷）"},
                            {"收到赔付", "银行存款（借）", "其他应收款（贷）"});
            accrueAndSettle(c, D, {"医疗费垫付", "其他应收款（借）", "银行存款（贷）"},
                            {"工资扣款", "应付职工薪酬（借）", "其他应收款（贷）"});
            accrueAndSettle(c, G, {"支付押金", "其他应收款（借）", "银行存款（贷）"},
                            {"回收押金", "银行存款（借）", "其他应收款（贷）"});
        },
};

}  // namespace bk::calc
