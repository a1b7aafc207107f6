#include "calc/one_line.h"

namespace bk::calc {

// Form27: the impairment allowance of a fixed asset, its book value less the
// amount it can still bring in. A recoverable amount above the book value
// gives a negative allowance, shown as it is.
extern const CalculatorDef form27 =
    oneLine(27, {field(1, "账面价格"), field(2, "可回收价格")}, "固定资产减值准备", [](const Calc& c) -> Var {
        Num book = c.read(1), recoverable = c.read(2);
        return book - recoverable;
    });

}  // namespace bk::calc
