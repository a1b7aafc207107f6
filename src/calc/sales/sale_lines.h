// Lines that the sales and revenue windows print alike: a sale booked with
// its output tax.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc::sales {

// The amount due (debit), the revenue and the output tax on it (credits).
inline void saleWithTax(Calc& c, std::string_view debit, Num due, std::string_view revenue, Num price, Num tax)
{
    c.result(debit, due);
    c.result(revenue, price);
    c.result("应交税费-应交增值税（销）（贷）", tax);
}

// A sale at the price with its output tax: the amount due (the tax plus the
// price) is worked out first, then printed under "确认收入" with the revenue
// and the tax, and a blank line. Returns the amount due.
inline Num recogniseSale(Calc& c, std::string_view debit, std::string_view revenue, Num price, Num tax)
{
    Num due = tax + price;
    c.text("确认收入");
    saleWithTax(c, debit, due, revenue, price, tax);
    c.blank();
    return due;
}

}  // namespace bk::calc::sales
