// Capital received, cash drawn from the bank and funds sent to an
// out-of-town branch account. Each amount greater than 0 books its entry;
// the two blank lines between the entries are always printed.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef CapitalAndTransfers{
    .items = {heading("收到投资"), field(1, "收到投资"), heading("提取现金"), field(2, "提取现金"),
              heading("投资分公司"), field(3, "外埠存款")},
    .compute =
        [](Calc& c) {
            Num R = c.read(1), W = c.read(2), B = c.read(3);
            if (R > 0) c.entry("收到投资", "银行存款（借）", "实收资本（贷）", R);
            c.blank();
            if (W > 0) c.entry("提取现金", "库存现金（借）", "银行存款（贷）", W);
            c.blank();
            if (B > 0) c.entry("投资分公司", "其他货币资金-外埠存款（借）", "银行存款（贷）", B);
        },
};

}  // namespace bk::calc
