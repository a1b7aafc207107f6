// Other workshop overheads paid from the bank, with the input VAT on them,
// booked to 制造费用.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kOtherExpenses{
    .account = "制造费用",
    .includes = "制造费用：包括车间管理人员工资,辅料消耗,生产设备折旧费,设备维修费等",
    .debit = "制造费用（借）",
};

extern const CalculatorDef OtherExpenses = expenseCalculator<kOtherExpenses>();

}  // namespace bk::calc
