// A year's membership fee received in advance: the fee without tax
// as 预收账款 and its output VAT, due when the fee is received; then
// recognised as revenue one twelfth a month. Kept to the fen, a month is the
// fee over 12 rounded, and the last month of the year, which takes the
// difference, is booked on its own entry when it differs.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef MembershipFees{
    .items = {field(1, "会员费", "不含税会员费（全年）"), asRate(field(2, "增值税税率"))},
    .compute =
        [](Calc& c) {
            Num M = c.read(1), r = c.read(2);
            Num X = c.money(M * r);
            c.text("收到会员费");
            c.result("银行存款（借）", M + X);
            c.result("预收账款（贷）", M);
            c.result("应交税费-应交增值税（销项税额）（贷）", X);
            c.blank();

            c.text("确认收入");
            const Instalments month = c.instalments(M, 12);
            c.entry("预收账款（借）", "主营业务收入（贷）", month.each);
            if (month.last != month.each) {
                c.blank();
                c.entry("最后一个月确认收入", "预收账款（借）", "主营业务收入（贷）", month.last);
            }
        },
};

}  // namespace bk::calc
