// Manufacturing overhead paid from the bank, with the input VAT on it.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kManufacturingOverhead{
    .account = "制造费用",
    .includes = "制造费用：包括间接材料费、折旧费、低值易耗品等",
    .debit = "制造费用（借）",
};

extern const CalculatorDef ManufacturingOverhead = expenseCalculator<kManufacturingOverhead>();

}  // namespace bk::calc
