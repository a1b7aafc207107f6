// Journal entries that windows of several subsystems print alike.
//
// Each helper prints its lines in order and nothing after them: the blank
// line between two entries is the caller's. The amounts are worked out by
// the caller, before the call, where the window's press works them out;
// the one helper that adds up between its lines says so at the call.
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

inline void book(Calc& c, const Entry& e, const Num& amount) { c.entry(e.heading, e.debit, e.credit, amount); }

// An entry of two debits paid by one credit: under its heading the two
// debit lines, then the credit line. A purchase of an investment is one: the
// investment and the dividends or interest due in the price, against the
// payment.
struct TwoDebits {
    std::string_view heading;
    std::string_view debit;
    std::string_view secondDebit;
    std::string_view credit;
};

inline void book(Calc& c, const TwoDebits& e, const Num& debit, const Num& secondDebit, const Num& credit)
{
    c.text(e.heading);
    c.result(e.debit, debit);
    c.result(e.secondDebit, secondDebit);
    c.result(e.credit, credit);
}

// An amount booked when it falls due and again when it is paid or received,
// the two entries a blank line apart. Nothing is due for an amount of 0 or less.
inline void accrueAndSettle(Calc& c, const Num& amount, const Entry& accrual, const Entry& settlement)
{
    if (amount > 0) {
        book(c, accrual, amount);
        c.blank();
        book(c, settlement, amount);
    }
}

// The deductible input VAT, debited in its column of 应交增值税.
inline constexpr std::string_view kInputVat = "应交税费-应交增值税（进项税额）（借）";

// A cost paid from the bank with its deductible input VAT: the heading line
// where there is one, the cost and the VAT debited, the bank credited with
// the two together.
struct PaidWithVat {
    std::string_view heading = {};  // none when empty
    std::string_view debit;         // the cost's account
    std::string_view vat = kInputVat;
    std::string_view bank = "银行存款（贷）";
};

// The bank's amount worked out by the caller before the entry's first line:
// an amount too large stops the press before any line of the entry.
inline void paidWithVat(Calc& c, const PaidWithVat& e, const Num& amount, const Num& vat, const Num& total)
{
    if (!e.heading.empty()) c.text(e.heading);
    c.result(e.debit, amount);
    c.result(e.vat, vat);
    c.result(e.bank, total);
}

// The bank's amount added up (the VAT plus the cost) after the two debit
// lines: an amount too large leaves them on the screen.
struct AddUpAfterDebits {};
inline constexpr AddUpAfterDebits addUpAfterDebits{};

inline void paidWithVat(Calc& c, const PaidWithVat& e, const Num& amount, const Num& vat, AddUpAfterDebits)
{
    if (!e.heading.empty()) c.text(e.heading);
    c.result(e.debit, amount);
    c.result(e.vat, vat);
    c.result(e.bank, vat + amount);
}

}  // namespace bk::calc
