// Entries shared by the share capital and investment windows.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc {

// A journal entry of one amount: its heading, the debit line and the credit line.
struct Entry {
    std::string_view heading;
    std::string_view debit;
    std::string_view credit;
};

inline void book(Calc& c, const Entry& e, Num amount) { c.entry(e.heading, e.debit, e.credit, amount); }

// An entry of two debits paid by one credit: under its heading the two
// debit lines, then the credit line; then a blank line. A purchase of an
// investment is one: the investment and the dividends or interest due in the
// price, against the payment.
struct TwoDebits {
    std::string_view heading;
    std::string_view debit;
    std::string_view secondDebit;
    std::string_view credit;
};

inline void book(Calc& c, const TwoDebits& e, Num debit, Num secondDebit, Num credit)
{
    c.text(e.heading);
    c.result(e.debit, debit);
    c.result(e.secondDebit, secondDebit);
    c.result(e.credit, credit);
    c.blank();
}

// An amount booked when it falls due and again when it is paid or received,
// the two entries a blank line apart. Nothing is due for an amount of 0 or less.
inline void accrueAndSettle(Calc& c, Num amount, const Entry& accrual, const Entry& settlement)
{
    if (amount > 0) {
        book(c, accrual, amount);
        c.blank();
        book(c, settlement, amount);
    }
}

// The value-added tax on the transfer of a financial product: the price
// difference counts as tax-inclusive at 6 per cent, and the tax part is taken
// out of it. A sale below the purchase price gives a negative tax.
inline Num transferTax(Num salePrice, Num purchasePrice) { return ((salePrice - purchasePrice) / 1.06) * 0.06; }

}  // namespace bk::calc
