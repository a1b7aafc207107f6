// Form31: the balance-sheet line 无形资产, cost less accumulated amortisation
// less the impairment allowance.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form31{
    .form = 31,
    .items = {field(1, "无形资产"), field(2, "累计摊销"), field(3, "无形资产减值准备")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("无形资产", (a - b) - k);
        },
};

}  // namespace bk::calc
