// Form70: the current income tax: the profit before tax adjusted for the
// wage-linked deduction limits of staff welfare, union dues and staff
// education and for tax fines, taxed at 25%.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef form70{
    .form = 70,
    .items = {field(1, "利润总额"), field(2, "工资薪金"), field(3, "职工福利费"), field(4, "工会经费"),
              field(5, "职工教育经费"), field(6, "税收滞纳罚金")},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), W = c.read(2), B = c.read(3), U = c.read(4), D = c.read(5), F = c.read(6);
            // Welfare, union dues and staff education are deductible up to
            // 14%, 2% and 8% of the wages: only spending over its limit is
            // added back. Fines are never deductible.
            Num u = U - rates::kUnionDuesDeductionLimit * W;
            if (u < 0) u = 0;
            Num b = B - rates::kWelfareDeductionLimit * W;
            if (b < 0) b = 0;
            Num d = D - rates::kStaffEducationDeductionLimit * W;
            if (d < 0) d = 0;
            Num A = ((u + b) + d) + F;
            Num T = P + A;
            // A loss owes no tax; it is carried forward.
            Num Q = 0;
            if (T > 0) Q = T * rates::kIncomeTax;
            c.result("纳税调整增加额", A);
            c.result("应纳税所得额", T);
            c.result("当期应交所得税（不含国债）", Q);
        },
};

}  // namespace bk::calc
