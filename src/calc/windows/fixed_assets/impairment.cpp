// Form27: the impairment allowance of a fixed asset, its book value less the
// amount it can still bring in. A recoverable amount above the book value
// gives a negative allowance, shown as it is.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form27{
    .form = 27,
    .items = {field(1, "账面价格"), field(2, "可回收价格")},
    .compute =
        [](Calc& c) {
            Num book = c.read(1), recoverable = c.read(2);
            c.result("固定资产减值准备", book - recoverable);
        },
};

}  // namespace bk::calc
