// Form9: union dues and the staff-education fund on the wages of the four
// cost centres, and the combined charge to each centre.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef form9{
    .form = 9,
    .items = {field(1, "生产成本"), field(2, "制造费用"), field(3, "管理费用"), field(4, "销售费用")},
    .compute =
        [](Calc& c) {
            Num g1 = c.read(1), g2 = c.read(2), g3 = c.read(3), g4 = c.read(4);
            Num T = g2 + g1 + g3 + g4;
            Num U = rates::kUnionDues * T;
            Num E = rates::kStaffEducationFund * T;
            Num F = U + E;
            // Each centre bears both funds on its own wages.
            const Num both = Num(rates::kUnionDues) + rates::kStaffEducationFund;
            Num f1 = both * g1, f2 = both * g2, f3 = both * g3, f4 = both * g4;
            c.result("应付职工薪酬(贷)", T);
            c.result("应付职工薪酬-工会经费", U);
            c.result("应付职工薪酬-职工教育经费", E);
            c.result("应付职工薪酬-工会和职工教育经费（贷）", F);
            c.result("生产费用（工）", f1);
            c.result("制造费用（工）", f2);
            c.result("管理费用（工）", f3);
            c.result("销售费用（工）", f4);
        },
};

}  // namespace bk::calc
