// Lines that the sales and revenue windows print alike: a sale booked with
// its output tax.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc::sales {

// The amount due (debit), the revenue and the output tax on it (credits).
inline void saleWithTax(Calc& c, std::string_view debit, const Num& due, std::string_view revenue, const Num& price,
                        const Num& tax)
{
    c.result(debit, due);
    c.result(revenue, price);
    c.result("应交税费-应交增值税（销项税额）（贷）", tax);
}

// A sale at the price with its output tax, under the heading "确认收入":
// the amount due, the revenue and the tax.
inline void recogniseSale(Calc& c, std::string_view debit, const Num& due, std::string_view revenue, const Num& price,
                          const Num& tax)
{
    c.text("确认收入");
    saleWithTax(c, debit, due, revenue, price, tax);
}

}  // namespace bk::calc::sales
