// Union dues and the staff-education fund on the wages of the four
// cost centres, at the rates in the second column (the usual ones where a
// field is left empty), and the combined charge to each centre.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef UnionAndEducationFunds{
    .items = {field(1, "生产成本"), field(2, "制造费用"), field(3, "管理费用"), field(4, "销售费用"), nextColumn(),
              withDefault(
                  asPercent(field(5, "职工教育经费比例（%）",
                                  "一般企业1.5，技术要求高的2.5（财建〔2006〕317号）；填0则不计提、按实际发生列支；"
                                  "税前扣除上限为工资薪金的8%")),
                  rates::kStaffEducationFundPercent),
              withDefault(asPercent(field(6, "工会经费比例（%）", "按工资总额2%拨缴（工会法）")),
                          rates::kUnionDuesPercent)},
    .compute =
        [](Calc& c) {
            Num g1 = c.read(1), g2 = c.read(2), g3 = c.read(3), g4 = c.read(4);
            Num education = c.readOr(5, rates::kStaffEducationFundPercent) / 100,
                dues = c.readOr(6, rates::kUnionDuesPercent) / 100;
            Num T = g2 + g1 + g3 + g4;
            // Each fund in fen; the total is their sum.
            Num U = Calc::fen(T * dues);
            Num E = Calc::fen(T * education);
            Num F = U + E;
            // Each centre bears both funds on its own wages.
            const Num both = dues + education;
            Num f1 = Calc::fen(g1 * both), f2 = Calc::fen(g2 * both), f3 = Calc::fen(g3 * both),
                f4 = Calc::fen(g4 * both);
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
