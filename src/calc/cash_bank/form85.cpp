// Form85: materials bought out of town through a remittance account, and a
// bank draft or cashier's cheque applied for, with its maturity value and
// interest over a 360-day year. The purchase stands in the left-hand column,
// the draft and the cheque one below the other on the right.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// A bank draft or cashier's cheque of amount a at annual rate r for n days:
// the money set aside for it, then the bill received at maturity value with
// its interest, or the amount still owed.
void bill(Calc& c, std::string_view heading, std::string_view account, Num a, Num r, Num n)
{
    c.entry(heading, account, "银行存款（贷）", a);
    c.blank();
    Num S = (n * r / 360 + 1) * a;
    Num J = S - a;
    c.text("收到票据");
    c.result("银行存款（借）", S);
    c.result("应收票据（贷）", a);
    c.result("财务费用（贷）", J);
    c.blank();
    c.entry("未收到账款", "应收账款（借）", "银行存款（贷）", S);
}

}  // namespace

extern const CalculatorDef form85{
    .form = 85,
    .items = {heading("外埠采购"), field(1, "材料费用"), field(2, "应交税金"), nextColumn(), heading("申请汇票"),
              field(3, "银行汇票"), field(5, "利率（年）"), field(6, "到期天数"), heading("申请本票"),
              field(4, "银行本票"), field(7, "利率（年）"), field(8, "到期天数")},
    .compute =
        [](Calc& c) {
            Num M = c.read(1), V = c.read(2), D = c.read(3), C = c.read(4), rD = c.read(5), nD = c.read(6),
                rC = c.read(7), nC = c.read(8);
            if (M > 0 && V > 0) {
                c.text("外埠采购");
                c.result("材料费用（借）", M);
                c.result("应交税金-应交增值税（进）（借）", V);
                c.result("其他货币资金（贷）", M + V);
                c.blank();
            }
            if (D > 0) bill(c, "银行汇票", "其他货币资金-银行汇票（借）", D, rD, nD);
            if (C > 0) bill(c, "银行本票", "其他货币资金-银行本票（借）", C, rC, nC);
        },
};

}  // namespace bk::calc
