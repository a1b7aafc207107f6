// An owner's contribution of an equity investment, a patent and
// cash; the part that counts as registered capital goes to 实收资本, the rest
// to the capital reserve.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef NonCashContribution{
    .items = {field(1, "长期股权投资"), field(2, "专利投资"), field(3, "银行存款"), field(4, "占注册资本金额")},
    .compute =
        [](Calc& c) {
            Num L = c.read(1), P = c.read(2), K = c.read(3), R = c.read(4);
            Num E = ((P + L) + K) - R;
            c.result("长期股权投资（借）", L);
            c.result("无形资产-专利权（借）", P);
            c.result("银行存款（借）", K);
            c.result("实收资本（贷）", R);
            // Contributions below the registered capital give a negative reserve, printed as it is.
            c.result("资本公积（贷）", E);
        },
};

}  // namespace bk::calc
