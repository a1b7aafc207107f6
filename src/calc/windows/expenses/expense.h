// The expense windows: an expense paid from the bank with its deductible
// input VAT, and for the period expenses the entry that closes the expense
// (not the VAT) to 本年利润. Every expense window is this one design; each
// window's file gives only its own account, captions and closing heading.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc {

struct ExpenseWindow {
    std::string_view account;   // caption of Text1, the expense amount
    std::string_view includes;  // the explanation of what the expense covers
    std::string_view debit;     // the expense's debit caption
    // The closing entry: its heading and the expense's credit caption.
    // Left empty for an expense that is not closed to the year's profit.
    std::string_view closingHeading = {};
    std::string_view credit = {};
};

// The explanation (Label3) above Text1 and Text2 with their captions (Label1,
// Label2).
std::vector<Item> expenseItems(const ExpenseWindow& w);

// The payment entry, then the closing entry where the window has one.
void bookExpense(Calc& c, const ExpenseWindow& w);

template <const ExpenseWindow& W>
CalculatorDef expenseCalculator()
{
    return {.items = expenseItems(W), .compute = [](Calc& c) { bookExpense(c, W); }};
}

}  // namespace bk::calc
