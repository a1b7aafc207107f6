// The current income tax: the profit before tax adjusted for the
// wage-linked deduction limits of staff welfare, union dues and staff
// education and for tax fines, less the loss brought forward, taxed at 25%,
// or at 5% in effect for a small low-profit enterprise; then its accrual.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef IncomeTaxCurrent{
    .items =
        {field(1, "利润总额"), field(2, "工资薪金"), field(3, "职工福利费"), field(4, "工会经费"),
         field(5, "职工教育经费"), field(6, "税收滞纳罚金"), nextColumn(),
         field(7, "弥补以前年度亏损", "可弥补的以前年度亏损（最长五年，企业所得税法第十八条）"),
         asCount(field(
             8, "小型微利企业（填1）",
             "从业人数≤300人、资产总额≤5000万元，年应纳税所得额不超过300万元的，实际税负5%；按本年累计利润按季预缴；"
             "12月计提全年应纳税额减1至11月已计提数；优惠执行至2027年12月31日（财政部 税务总局公告2023年第12号）"))},
    .compute =
        [](Calc& c) {
            Num P = c.read(1), W = c.read(2), B = c.read(3), U = c.read(4), D = c.read(5), F = c.read(6);
            Num loss = c.read(7);
            const bool small = c.read(8) == 1;
            // Welfare, union dues and staff education are deductible up to
            // 14%, 2% and 8% of the wages, each limit in fen: only spending
            // over its limit is added back. Fines are never deductible.
            Num u = U - Calc::fen(rates::kUnionDuesDeductionLimit * W);
            if (u < 0) u = 0;
            Num b = B - Calc::fen(rates::kWelfareDeductionLimit * W);
            if (b < 0) b = 0;
            Num d = D - Calc::fen(rates::kStaffEducationDeductionLimit * W);
            if (d < 0) d = 0;
            Num A = ((u + b) + d) + F;
            // A loss of earlier years is made good from this year's income,
            // as far as there is income.
            Num L = loss;
            if (L < 0) L = 0;
            Num income = P + A;
            if (income < 0) income = 0;
            if (L > income) L = income;
            Num T = (P + A) - L;
            // A loss owes no tax; it is carried forward. The tax is in fen, as
            // on the return.
            Num Q = 0, relief = 0;
            const bool relieved = small && T > 0 && T <= rates::kSmallLowProfitIncomeLimit;
            if (T > 0) Q = Calc::fen(T * rates::kIncomeTax);
            if (relieved) {
                Num full = Q;
                Q = Calc::fen(T * rates::kSmallLowProfitIncomeShare * rates::kSmallLowProfitRate);
                relief = full - Q;
            }
            c.result("纳税调整增加额", A);
            c.result("弥补以前年度亏损", L);
            c.result("应纳税所得额", T);
            c.result("当期应交所得税（不含国债）", Q);
            if (relieved) c.result("减免所得税额", relief);
            if (small && T > rates::kSmallLowProfitIncomeLimit)
                c.text("应纳税所得额超过300万元，不适用小型微利企业优惠");
            c.blank();
            c.entry("所得税费用（借）", "应交税费-应交企业所得税（贷）", Q);
        },
};

}  // namespace bk::calc
