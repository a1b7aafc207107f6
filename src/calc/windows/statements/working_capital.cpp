// Form13: working capital, either current assets less current liabilities
// (the left pair) or long-term capital less long-term assets (the right pair).
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form13{
    .form = 13,
    .items = {field(1, "流动资产"), field(2, "流动负债"), nextColumn(), heading("或"), nextColumn(),
              field(3, "长期资本"), field(4, "长期资产")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2);
            Num W = a - b;
            // The right pair counts only when the left one is left at zero.
            if (a == 0 && b == 0) {
                Num k = c.read(3), d = c.read(4);
                W = k - d;
            }
            c.result("营运资本", W);
        },
};

}  // namespace bk::calc
