// The accrual of wages over the five departments, then union dues and the
// staff-education fund on the wage total, at the rates in the second column
// (the usual ones where a field is left empty), charged to each department on
// its own wages and split so that the charges add up to the two funds. A
// gross-pay total typed that is not the departments' sum stops the entries.
#include <array>

#include "calc/calculator.h"
#include "calc/rates.h"
#include "calc/split.h"

namespace bk::calc {

extern const CalculatorDef UnionAndEducationFunds{
    .items = {field(1, "生产成本"), field(2, "制造费用"), field(3, "管理费用"), field(4, "销售费用"),
              field(7, "在建工程", "自建工程人员的工资"), nextColumn(),
              withDefault(
                  asPercent(field(5, "职工教育经费比例（%）",
                                  "一般企业1.5，技术要求高的2.5（财建〔2006〕317号）；填0则不计提、按实际发生列支；"
                                  "税前扣除上限为工资薪金的8%")),
                  rates::kStaffEducationFundPercent),
              withDefault(asPercent(field(6, "工会经费比例（%）", "按工资总额2%拨缴（工会法）")),
                          rates::kUnionDuesPercent),
              field(8, "应发工资合计", "工资表的应发合计，可不填；填了就与各部门之和核对")},
    .compute =
        [](Calc& c) {
            // The departments in the order they are printed and split.
            const std::array<Num, 5> g = {c.read(1), c.read(2), c.read(3), c.read(4), c.read(7)};
            Num education = c.readOr(5, rates::kStaffEducationFundPercent) / 100,
                dues = c.readOr(6, rates::kUnionDuesPercent) / 100;
            Num T = g[0] + g[1] + g[2] + g[3] + g[4];
            if (c.holdsNumber(8)) {
                Num P = c.read(8);
                if (P != T) {
                    Num difference = T - P;
                    c.text("各部门工资合计与应发工资合计不符，未生成分录");
                    c.result("各部门工资合计", T);
                    c.result("应发工资合计", P);
                    c.result("差额", difference);
                    return;
                }
            }
            // Each fund in fen on the wage total; each department bears both
            // on its own wages, the last one the rounding difference.
            Num U = Calc::fen(T * dues);
            Num E = Calc::fen(T * education);
            const Num both = dues + education;
            const std::array<Num, 5> f = split(U + E, g, [&both](const Num& wages) { return wages * both; });
            constexpr std::array<std::string_view, 5> kDepartments = {
                "生产成本（借）", "制造费用（借）", "管理费用（借）", "销售费用（借）", "在建工程（借）"};
            c.text("计提工资");
            for (std::size_t i = 0; i < g.size(); ++i) c.result(kDepartments[i], g[i]);
            c.result("应付职工薪酬-职工工资（贷）", T);
            c.blank();
            c.text("计提工会经费和职工教育经费");
            for (std::size_t i = 0; i < f.size(); ++i) c.result(kDepartments[i], f[i]);
            c.result("应付职工薪酬-工会经费（贷）", U);
            c.result("应付职工薪酬-职工教育经费（贷）", E);
        },
};

}  // namespace bk::calc
