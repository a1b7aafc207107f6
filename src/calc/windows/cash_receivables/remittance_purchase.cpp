// Materials bought out of town through a remittance account
// (其他货币资金-外埠存款), and a bank draft or cashier's cheque applied for:
// money moved from the bank into 其他货币资金 until the draft or cheque is
// used. A purchase without deductible input VAT (an ordinary invoice, a
// small-scale supplier) is booked with a tax of 0. The purchase stands in the
// left-hand column, the draft and the cheque one below the other on the
// right.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef RemittancePurchase{
    .items = {heading("外埠采购"), field(1, "原材料"), field(2, "应交税费"), nextColumn(), heading("申请汇票"),
              field(3, "银行汇票"), heading("申请本票"), field(4, "银行本票")},
    .compute =
        [](Calc& c) {
            Num M = c.read(1), V = c.read(2), D = c.read(3), C = c.read(4);
            if (M > 0 && V >= 0) {
                c.text("外埠采购");
                c.result("原材料（借）", M);
                c.result(kInputVat, V);
                c.result("其他货币资金-外埠存款（贷）", M + V);
                c.blank();
            }
            // The money set aside for a draft or cheque; it earns nothing.
            if (D > 0) {
                c.entry("银行汇票", "其他货币资金-银行汇票（借）", "银行存款（贷）", D);
                c.blank();
            }
            if (C > 0) {
                c.entry("银行本票", "其他货币资金-银行本票（借）", "银行存款（贷）", C);
                c.blank();
            }
        },
};

}  // namespace bk::calc
