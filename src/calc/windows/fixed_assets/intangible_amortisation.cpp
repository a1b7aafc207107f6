// Form28: straight-line amortisation of an intangible asset, per year and per
// month. Both amounts are worked out before anything is printed, so an empty
// period stops the press with nothing on the window.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form28{
    .form = 28,
    .items = {field(1, "摊销成本"), field(2, "摊销年限")},
    .compute =
        [](Calc& c) {
            Num K = c.read(1), n = c.read(2);
            Num Y = K / n;
            Num M = Y / 12;
            c.result("累计摊销（年）", Y);
            c.result("累计摊销（月）", M);
        },
};

}  // namespace bk::calc
