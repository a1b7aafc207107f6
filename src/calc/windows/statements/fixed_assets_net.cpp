// Form30: the balance-sheet line 固定资产, cost less accumulated depreciation
// less the impairment allowance.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form30{
    .form = 30,
    .items = {field(1, "固定资产原值"), field(2, "累计折旧"), field(3, "固定资产减值准备")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("固定资产", (a - b) - k);
        },
};

}  // namespace bk::calc
