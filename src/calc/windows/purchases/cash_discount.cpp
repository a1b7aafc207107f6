// A purchase paid within the cash-discount term. The discount is an
// amount typed in, or, when a rate is given, that rate of the price with its
// tax; it reduces 财务费用 and is closed into the year's profit. A negative
// rate books nothing.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// Paying the payable less the discount, and closing the discount.
void payWithDiscount(Calc& c, const Num& payable, const Num& Z, const Num& D)
{
    c.result("应付账款（借）", payable);
    c.result("银行存款（贷）", Z);
    c.result("财务费用（贷）", D);
    c.blank();
    c.entry("结转财务费用", "财务费用（借）", "本年利润（贷）", D);
}

}  // namespace

extern const CalculatorDef CashDiscount{
    .items = {field(1, "购买价格"), field(2, "增值税"), field(3, "折扣"), asRate(field(4, "折扣率"))},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), X = c.read(2), D = c.read(3), r = c.read(4);
            // The payable is the price with its tax, as booked at purchase.
            if (r == 0) {
                Num payable = X + P;
                Num Z = payable - D;
                payWithDiscount(c, payable, Z, D);
            }
            if (r > 0) {
                Num payable = X + P;
                Num rateDiscount = c.money(r * payable);
                Num Z = payable - rateDiscount;
                payWithDiscount(c, payable, Z, rateDiscount);
            }
        },
};

}  // namespace bk::calc
