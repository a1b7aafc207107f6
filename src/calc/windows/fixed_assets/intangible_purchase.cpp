// A patent bought with input VAT, paid from the bank.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef IntangiblePurchase{
    .items = {field(1, "专利费"), field(2, "增值税")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), V = c.read(2);
            Num T = V + P;
            paidWithVat(c, {.debit = "无形资产-专利权（借）"}, P, V, T);
        },
};

}  // namespace bk::calc
