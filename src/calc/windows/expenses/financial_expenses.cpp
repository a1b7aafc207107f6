// Financial expenses paid from the bank, with the input VAT on them,
// and their closing to the year's profit.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kFinancialExpenses{
    .account = "财务费用",
    .includes = "财务费用：包括利息支出、汇兑损失、手续费等",
    .debit = "财务费用（借）",
    .closingHeading = "结转财务费用",
    .credit = "财务费用（贷）",
};

extern const CalculatorDef FinancialExpenses = expenseCalculator<kFinancialExpenses>();

}  // namespace bk::calc
