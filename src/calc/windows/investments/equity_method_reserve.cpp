// The investor's share of an increase in the investee's other
// capital reserve, added to the carrying amount of the investment.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef EquityMethodReserve{
    .items = {field(1, "权益增加"), field(2, "股份")},
    .compute =
        [](Calc& c) {
            Num Q = c.read(1), s = c.read(2);
            Num A = c.money(s * Q);
            c.entry("长期股权投资（借）", "资本公积-其他资本公积（贷）", A);
        },
};

}  // namespace bk::calc
