// The monthly amortisation of a patent or a leased-out asset, charged
// to other business cost. The amount is worked out before anything is
// printed, so an empty period stops the press with nothing on the window.
// Kept to the fen, the last month of the term takes what the others leave,
// printed below the entry where it differs.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef IntangibleMonthlyAmortisation{
    .items = {field(1, "其他业务成本   （专利或出租）"), asYears(field(2, "年限"))},
    .compute =
        [](Calc& c) {
            Num K = c.read(1), n = c.read(2);
            // The months of the whole term; the last one takes what the
            // months before it leave of the cost.
            Instalments months = c.instalments(K, n * 12);
            c.entry("其他业务成本（借）", "累计摊销（贷）", months.each);
            if (months.last != months.each) {
                c.blank();
                c.result("最后一个月摊销额", months.last);
            }
        },
};

}  // namespace bk::calc
