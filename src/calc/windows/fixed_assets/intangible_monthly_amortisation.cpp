// Form57: the monthly amortisation of a patent or a leased-out asset, charged
// to other business cost. The amount is worked out before anything is
// printed, so an empty period stops the press with nothing on the window.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form57{
    .form = 57,
    .items = {field(1, "其他业务成本   （专利或出租）"), field(2, "年限")},
    .compute =
        [](Calc& c) {
            Num K = c.read(1), n = c.read(2);
            Num M = K / n / 12;
            c.entry("其他业务成本（借）", "累计摊销（贷）", M);
        },
};

}  // namespace bk::calc
