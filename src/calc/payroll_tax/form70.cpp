// Form70: the current income tax: the profit before tax adjusted for the
// wage-linked deduction limits of staff welfare, union dues and staff
// education and for tax fines, taxed at 25%.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form70{
    .form = 70,
    .items = {field(1, "利润总额"), field(2, "工资薪金"), field(3, "职工福利费"), field(4, "工会经费"),
              field(5, "职工教育经费"), field(6, "税收滞纳罚金")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), W = c.read(2), B = c.read(3), U = c.read(4), D = c.read(5), F = c.read(6);
            // Spending over its limit (2% union dues, 14% welfare, 8% education)
            // is added back, spending under it lowers the adjustment; fines
            // are never deductible.
            Num A = ((U - 0.02 * W) + (B - 0.14 * W)) + (D - 0.08 * W) + F;
            Num T = P + A;
            Num Q = T * 0.25;
            c.result("纳税调整增加额", A);
            c.result("应纳税所得额", T);
            c.result("当期应交所得税（不含国债）", Q);
        },
};

}  // namespace bk::calc
