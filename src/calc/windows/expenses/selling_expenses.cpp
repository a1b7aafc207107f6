// Selling expenses paid from the bank, with the input VAT on them,
// and their closing to the year's profit.
#include "calc/windows/expenses/expense.h"

namespace bk::calc {

constexpr ExpenseWindow kSellingExpenses{
    .account = "销售费用",
    .includes = "销售费用：包括销售商品过程中发生的保险费、包装费、展览费和广告费、商品维修费、运费等",
    .debit = "销售费用（借）",
    .closingHeading = "结转销售费用",
    .credit = "销售费用（贷）",
};

extern const CalculatorDef SellingExpenses = expenseCalculator<kSellingExpenses>();

}  // namespace bk::calc
