// A letter of credit in US dollars (the margin deposit, the bank's
// charge, the goods received and the balance paid) and money moved onto the
// company credit card and spent on entertainment. The letter of credit
// stands in the left-hand column, the card on the right.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef LetterOfCredit{
    .items = {heading("信用证核算"), field(1, "申请信用证金额"), field(2, "保证金"), field(3, "申请时美元中间价"),
              field(4, "手续费"), field(5, "收到时美元中间价"), nextColumn(), heading("信用卡核算"),
              field(6, "信用卡转入资金"), field(7, "费用支出")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), G = c.read(2), e1 = c.read(3), f = c.read(4), e2 = c.read(5), card = c.read(6),
                x = c.read(7);
            if (A > 0) {
                // The margin at the rate of the application day.
                Num g = c.money(e1 * G);
                c.entry("支付保证金", "其他货币资金-信用证保证金（借）", "银行存款-外币存款", g);
                c.blank();
                c.entry("手续费", "财务费用-银行手续费（借）", "银行存款（贷）", f);
                c.blank();
                c.blank();
                // The goods and the margin released at the rate of the day the goods arrive.
                Num u = c.money(e2 * A), k = c.money(e2 * G);
                Num b = u - k;
                c.text("收到金额");
                c.result("在途物资（借）", u);
                c.result("其他货币资金-信用证保证金（贷）", k);
                c.result("银行存款-外币存款（贷）", b);
            }
            if (card > 0) {
                c.entry("交存备用金", "其他货币资金-信用卡（借）", "银行存款（贷）", card);
                c.blank();
                c.entry("支付招待费", "管理费用-业务招待费（借）", "其他货币资金-信用卡（贷）", x);
            }
        },
};

}  // namespace bk::calc
