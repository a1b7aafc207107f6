// Administrative expenses paid from the bank, with the input VAT on them,
// and their closing to the year's profit.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kAdministrativeExpenses{
    .account = "管理费用",
    .includes = "管理费用：包括公司经费、劳动保险费、董事会会费等",
    .debit = "管理费用（借）",
    .closingHeading = "结转管理费用",
    .credit = "管理费用（贷）",
};

extern const CalculatorDef AdministrativeExpenses = expenseCalculator<kAdministrativeExpenses>();

}  // namespace bk::calc
