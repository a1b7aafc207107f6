// Straight-line amortisation of an intangible asset, per year and per
// month. Both amounts are worked out before anything is printed, so an empty
// period stops the press with nothing on the window. Kept to the fen, the
// periods add up: where the last month of a year, or the last year and its
// last month, come out otherwise, their amounts print below.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef IntangibleAmortisation{
    .items = {field(1, "摊销成本"), asYears(field(2, "摊销年限"))},
    .compute =
        [](Calc& c) {
            Num K = c.read(1), n = c.read(2);
            // The last year takes what the years before it leave of the cost,
            // and the last month of a year what the months before it leave.
            Instalments years = c.instalments(K, n);
            Instalments months = c.instalments(years.each, 12);
            c.result("累计摊销（年）", years.each);
            c.result("累计摊销（月）", months.each);
            if (months.last != months.each) c.result("累计摊销（每年最后一个月）", months.last);
            if (years.last != years.each) {
                c.result("累计摊销（最后一年）", years.last);
                c.result("累计摊销（最后一年最后一个月）", years.last - 11 * months.each);
            }
        },
};

}  // namespace bk::calc
