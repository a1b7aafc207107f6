// The accrual of social insurance and the housing fund, the employee's share
// withheld from the wages, and the payment of both. With a wage bill the
// company's and the employee's shares follow from the rates in the third
// column (today's statutory rates where a field is left empty, the local ones
// typed); without one the company's accrual and its payment are booked from
// the amounts typed in. The company's total is split over the departments in
// proportion to their wages; without any, 管理费用 bears it all.
#include <array>

#include "calc/calculator.h"
#include "calc/rates.h"
#include "calc/split.h"

namespace bk::calc {

namespace {

// The rates set by each city or industry class: a field left without a number
// counts as 0, and the window says so before the accrual.
struct LocalRate {
    int text;
    std::string_view unset;
};
constexpr LocalRate kLocalRates[] = {
    {16, "医疗（单位%）未填，按0计算"},
    {18, "工伤（单位%）未填，按0计算"},
    {20, "住房公积金（%）未填，按0计算"},
};

constexpr std::string_view kDepartmentTip = "本部门工资；单位缴费按各部门工资的比例分摊";

}  // namespace

extern const CalculatorDef SocialInsurance{
    .items = {field(1, "养老保险"),
              field(2, "失业保险"),
              field(3, "医疗保险"),
              field(4, "工伤保险"),
              field(5, "生育保险"),
              field(6, "住房公积金"),
              nextColumn(),
              field(7, "工资总额", "各职工缴费基数之和（已按当地缴费基数上下限调整）"),
              field(8, "生产成本", kDepartmentTip),
              field(9, "制造费用", kDepartmentTip),
              field(10, "管理费用", kDepartmentTip),
              field(11, "销售费用", kDepartmentTip),
              field(21, "在建工程", kDepartmentTip),
              nextColumn(),
              withDefault(asPercent(field(12, "养老（单位%）")), rates::kPensionEmployerPercent),
              withDefault(asPercent(field(13, "养老（个人%）")), rates::kPensionEmployeePercent),
              withDefault(asPercent(field(14, "失业（单位%）", "阶段性降率期间单位和个人合计1%，以当地2026年通知为准")),
                          rates::kUnemploymentEmployerPercent),
              withDefault(asPercent(field(15, "失业（个人%）", "阶段性降率期间单位和个人合计1%，以当地2026年通知为准")),
                          rates::kUnemploymentEmployeePercent),
              asPercent(field(16, "医疗（单位%）", "含生育保险（国办发〔2019〕10号），按当地费率填写")),
              withDefault(asPercent(field(17, "医疗（个人%）")), rates::kMedicalEmployeePercent),
              asPercent(field(18, "工伤（单位%）", "按行业风险类别和浮动费率填写（人社部发〔2015〕71号）")),
              withDefault(asPercent(field(19, "生育（单位%）", "生育保险已并入医疗保险，仅当地仍单独征收时填写")),
                          rates::kMaternityEmployerPercent),
              asPercent(field(20, "住房公积金（%）", "5%至12%，单位和个人同一比例（住房公积金管理条例）"))},
    .compute =
        [](Calc& c) {
            Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6);
            Num W = c.read(7);
            // The departments in the order they are printed and split.
            const std::array<Num, 5> d = {c.read(8), c.read(9), c.read(10), c.read(11), c.read(21)};
            Num pensionC = c.readOr(12, rates::kPensionEmployerPercent),
                pensionP = c.readOr(13, rates::kPensionEmployeePercent),
                unemploymentC = c.readOr(14, rates::kUnemploymentEmployerPercent),
                unemploymentP = c.readOr(15, rates::kUnemploymentEmployeePercent), medicalC = c.read(16),
                medicalP = c.readOr(17, rates::kMedicalEmployeePercent), injuryC = c.read(18),
                maternityC = c.readOr(19, rates::kMaternityEmployerPercent), housing = c.read(20);
            // A negative wage bill books nothing.
            if (W < 0) return;
            for (const Num& wages : d) {
                if (wages < 0) {
                    c.text("部门工资不能为负数，未生成分录");
                    return;
                }
            }
            // Everything is worked out before the first line: an amount too
            // large prints nothing.
            // Each contribution is in fen, as the social-insurance bill gives
            // it; the totals are the sums of the contributions.
            auto share = [&W](const Num& percent) { return Calc::fen(W * (percent / 100)); };
            // The company's share: pension, unemployment, medical, work
            // injury, maternity; the housing fund apart. Without a wage bill
            // the amounts typed.
            const bool rated = W > 0;
            const std::array<Num, 5> insurance =
                rated ? std::array<Num, 5>{share(pensionC), share(unemploymentC), share(medicalC), share(injuryC),
                                           share(maternityC)}
                      : std::array<Num, 5>{a1, a2, a3, a4, a5};
            Num CH = rated ? share(housing) : a6;
            Num CS = insurance[0] + insurance[1] + insurance[2] + insurance[3] + insurance[4];
            Num CT = CS + CH;
            // The employee pays no work-injury or maternity insurance, and the
            // same housing-fund rate as the company.
            Num p1 = share(pensionP), p2 = share(unemploymentP), p3 = share(medicalP);
            Num PS = rated ? p1 + p2 + p3 : Num(0);
            Num PH = rated ? share(housing) : Num(0);
            Num withheld = PS + PH;
            Num G = CT + withheld;  // what the bank pays, the company's and the employee's
            const bool noDepartment = d[0] == 0 && d[1] == 0 && d[2] == 0 && d[3] == 0 && d[4] == 0;
            std::array<Num, 5> m = splitInProportion(CT, d);
            if (noDepartment) m[2] = CT;

            if (rated) {
                // The rates set locally that were left out, apart from the
                // accrual so that it stays an entry of its own.
                bool unset = false;
                for (const LocalRate& rate : kLocalRates) {
                    if (c.holdsNumber(rate.text)) continue;
                    c.text(rate.unset);
                    unset = true;
                }
                if (unset) c.blank();
            }
            if (noDepartment) c.text("未填各部门工资，单位缴费全部计入管理费用");
            // The accrual; the five contributions under it detail the
            // social-insurance credit and carry no side.
            c.text("计提社会保险费和住房公积金");
            c.result("生产成本（借）", m[0]);
            c.result("制造费用（借）", m[1]);
            c.result("管理费用（借）", m[2]);
            c.result("销售费用（借）", m[3]);
            c.result("在建工程（借）", m[4]);
            c.result("应付职工薪酬-社会保险费（贷）", CS);
            c.result("应付职工薪酬-住房公积金（贷）", CH);
            c.result("养老保险（公司）", insurance[0]);
            c.result("失业保险（公司）", insurance[1]);
            c.result("医疗保险（公司）", insurance[2]);
            c.result("工伤保险（公司）", insurance[3]);
            c.result("生育保险（公司）", insurance[4]);
            c.blank();
            if (rated) {
                // The employee's share, withheld from the wages.
                c.text("代扣个人社会保险费和住房公积金");
                c.result("养老保险（个人）", p1);
                c.result("失业保险（个人）", p2);
                c.result("医疗保险（个人）", p3);
                c.result("应付职工薪酬-职工工资（借）", withheld);
                c.result("其他应付款-社会保险费（贷）", PS);
                c.result("其他应付款-住房公积金（贷）", PH);
                c.blank();
            }
            c.text("缴纳社会保险费和住房公积金");
            c.result("应付职工薪酬-社会保险费（借）", CS);
            c.result("应付职工薪酬-住房公积金（借）", CH);
            c.result("其他应付款-社会保险费（借）", PS);
            c.result("其他应付款-住房公积金（借）", PH);
            c.result("银行存款（贷）", G);
            if (rated) {
                c.blank();
                c.result("五险一金总额", G);
            }
        },
};

}  // namespace bk::calc
