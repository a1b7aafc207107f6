// Form37: the income-statement line 所得税费用, the tax payable plus the
// deferred tax liabilities less the deferred tax assets.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form37{
    .form = 37,
    .items = {field(1, "应交所得税"), field(2, "递延所得税负债"), field(3, "递延所得税资产")},
    .compute =
        [](Calc& c) {
            Num a = c.read(1), b = c.read(2), k = c.read(3);
            c.result("所得税费用", (a + b) - k);
        },
};

}  // namespace bk::calc
