// Fixed-asset figures that one formula works out, one window each.
#include "calc/one_line.h"

namespace bk::calc {

// The impairment allowance of a fixed asset, its book value less the
// amount it can still bring in. A recoverable amount above the book value
// gives a negative allowance, shown as it is.
extern const CalculatorDef FixedAssetImpairment =
    oneLine({field(1, "账面价格"), field(2, "可回收价格")}, "固定资产减值准备", [](const Calc& c) -> Var {
        Num book = c.read(1), recoverable = c.read(2);
        return book - recoverable;
    });

}  // namespace bk::calc
