// Form54: a year's membership fee received in advance as 合同负债 and
// recognised as revenue one twelfth a month, with the tax on each month.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form54{
    .form = 54,
    .items = {field(1, "会员费"), field(2, "增值税税率")},
    .compute =
        [](Calc& c) {
            Num M = c.read(1), r = c.read(2);
            c.entry("收到会员费", "银行存款（借）", "合同负债（贷）", M);
            c.blank();

            c.text("确认收入");
            Num m = M / 12;
            Num t = m * r;
            c.result("合同负债（借）", m);
            c.result("银行存款（借）", t);
            c.result("主营业务收入（贷）", m);
            c.result("应交税费-应交增值税（销）（贷）", t);
        },
};

}  // namespace bk::calc
