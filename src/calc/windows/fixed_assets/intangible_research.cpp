// Research and development spending: the part expensed, closed into
// 管理费用, and the part capitalised with its input VAT, which becomes an
// intangible asset.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef IntangibleResearch{
    .items = {field(1, "研发费用支出"), field(2, "研发资本支出"), field(3, "增值税")},
    .compute =
        [](Calc& c) {
            Num E = c.read(1), K = c.read(2), V = c.read(3);
            c.entry("研发支出-费用化支出（借）", "银行存款（贷）", E);
            c.blank();
            c.entry("结转研发支出", "管理费用（借）", "研发支出-费用化支出（贷）", E);

            Num B = V + K;
            c.blank();
            paidWithVat(c, {"确认资本化研发支出", "研发支出-资本化支出（借）", kInputVat, "银行存款（贷）"}, K, V, B);
            c.blank();
            c.entry("无形资产（借）", "研发支出-资本化支出", K);
        },
};

}  // namespace bk::calc
