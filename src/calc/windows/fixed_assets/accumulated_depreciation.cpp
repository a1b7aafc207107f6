// The depreciation accumulated after some years at a yearly rate, and
// the book value left of the asset. Nothing is checked: a rate times years
// above 1 leaves a negative value, shown as it is.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef AccumulatedDepreciation{
    .items = {field(1, "固定资产原价"), asRate(field(2, "年折旧率")), asYears(field(3, "使用年数"))},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), k = c.read(2), y = c.read(3);
            // The sum of the years' charges, each the rate of the cost.
            Num T = c.money(c.money(k * P) * y);
            Num B = P - T;
            c.result("累计折旧总额", T);
            c.result("固定资产净值", B);
        },
};

}  // namespace bk::calc
