// Other expenses paid from the bank, with the input VAT on them.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kOtherExpenses{
    .account = "其他费用",
    .includes = "其他费用：包括车间管理人员工资,辅料消耗,生产设备折旧费,设备维修费等",
    .debit = "其他费用（借）",
};

extern const CalculatorDef OtherExpenses = expenseCalculator<kOtherExpenses>();

}  // namespace bk::calc
