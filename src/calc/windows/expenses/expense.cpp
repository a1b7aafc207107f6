#include "calc/windows/expenses/expense.h"

#include "calc/entries.h"

namespace bk::calc {

std::vector<Item> expenseItems(const ExpenseWindow& w)
{
    return {withLabel(heading(w.includes), 3), field(1, w.account), field(2, "应交税费-应交增值税（进项税额）")};
}

void bookExpense(Calc& c, const ExpenseWindow& w)
{
    Num x = c.read(1), v = c.read(2);
    Num P = v + x;  // paid from the bank: the expense with its input VAT
    paidWithVat(c, {.debit = w.debit}, x, v, P);
    if (w.closingHeading.empty()) return;

    c.blank();
    c.text(w.closingHeading);
    c.result("本年利润（借）", x);
    c.result(w.credit, x);
}

}  // namespace bk::calc
