// Production cost paid from the bank, with the input VAT on it.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kProductionCost{
    .account = "生产成本",
    .includes = "生产成本：包括直接材料费、直接人工、制造费用等",
    .debit = "生产成本（借）",
};

extern const CalculatorDef ProductionCosts = expenseCalculator<kProductionCost>();

}  // namespace bk::calc
