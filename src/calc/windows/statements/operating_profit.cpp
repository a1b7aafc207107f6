// Form34: the income-statement line 营业利润, revenue less costs, taxes,
// expenses and impairment losses, plus fair-value gains and investment income.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form34{
    .form = 34,
    .items = {field(1, "营业收入"), field(2, "营业成本"), field(3, "营业税金及附加"), field(4, "销售费用"),
              field(5, "管理费用"), field(6, "财务费用"), field(7, "资产减值损失"), field(8, "公允价值变动收益"),
              field(9, "投资收益")},
    .compute =
        [](Calc& c) {
            Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6),
                a7 = c.read(7), a8 = c.read(8), a9 = c.read(9);
            c.result("营业利润", a1 - a2 - a3 - a4 - a5 - a6 - a7 + a8 + a9);
        },
};

}  // namespace bk::calc
