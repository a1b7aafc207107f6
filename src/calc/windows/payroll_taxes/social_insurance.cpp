// The accrual of social insurance and the housing fund. With a wage
// bill the company's and the employee's shares follow from the rates in the
// third column (today's statutory rates where a field is left empty, the
// local ones typed); without one the entry is booked from the company amounts
// typed in. The charges to the cost centres are printed as typed in either
// case.
#include "calc/calculator.h"
#include "calc/rates.h"

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
              field(8, "生产费用"),
              field(9, "制造费用"),
              field(10, "管理费用"),
              field(11, "销售费用"),
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
            Num d1 = c.read(8), d2 = c.read(9), d3 = c.read(10), d4 = c.read(11);
            Num pensionC = c.readOr(12, rates::kPensionEmployerPercent),
                pensionP = c.readOr(13, rates::kPensionEmployeePercent),
                unemploymentC = c.readOr(14, rates::kUnemploymentEmployerPercent),
                unemploymentP = c.readOr(15, rates::kUnemploymentEmployeePercent), medicalC = c.read(16),
                medicalP = c.readOr(17, rates::kMedicalEmployeePercent), injuryC = c.read(18),
                maternityC = c.readOr(19, rates::kMaternityEmployerPercent), housing = c.read(20);
            // Everything is worked out before the first line: an amount too
            // large prints nothing.
            Num A = a1 + a2 + a3 + a4 + a5 + a6;
            // Each contribution is in fen, as the social-insurance bill gives
            // it; the totals are the sums of the contributions.
            auto share = [&W](const Num& percent) { return Calc::fen(W * (percent / 100)); };
            // The company's share: pension, unemployment, medical, work
            // injury, maternity, housing fund.
            Num c1 = share(pensionC), c2 = share(unemploymentC), c3 = share(medicalC), c4 = share(injuryC),
                c5 = share(maternityC), c6 = share(housing);
            Num CT = c1 + c2 + c3 + c4 + c5 + c6;
            // The employee pays no work-injury or maternity insurance, and the
            // same housing-fund rate as the company.
            Num p1 = share(pensionP), p2 = share(unemploymentP), p3 = share(medicalP), p4 = 0, p5 = 0,
                p6 = share(housing);
            Num PT = p1 + p2 + p3 + p4 + p5 + p6;
            Num G = CT + PT;

            // Both modes book the same accrual: the cost centres' charges as
            // typed and the company's total, credited; the six contributions
            // under it detail the total and carry no side.
            auto accrual = [&c, d1, d2, d3, d4](std::string_view totalCaption, const Num& total, const Num& pension,
                                                const Num& unemployment, const Num& medical, const Num& injury,
                                                const Num& maternity, const Num& housingFund) {
                c.result("生产成本（借）", d1);
                c.result("制造费用（借）", d2);
                c.result("管理费用（借）", d3);
                c.result("销售费用（借）", d4);
                c.result(totalCaption, total);
                c.result("养老保险（公司）", pension);
                c.result("失业保险（公司）", unemployment);
                c.result("医疗保险（公司）", medical);
                c.result("工伤保险（公司）", injury);
                c.result("生育保险（公司）", maternity);
                c.result("住房公积金（公司）", housingFund);
            };
            // A negative wage bill books nothing.
            if (W == 0) accrual("应付职工薪酬-社保(贷)", A, a1, a2, a3, a4, a5, a6);
            if (W > 0) {
                // The rates set locally that were left out, apart from the
                // accrual so that it stays an entry of its own.
                bool unset = false;
                for (const LocalRate& rate : kLocalRates) {
                    if (c.holdsNumber(rate.text)) continue;
                    c.text(rate.unset);
                    unset = true;
                }
                if (unset) c.blank();
                accrual("五险一金总额-公司（应付职工薪酬贷）", CT, c1, c2, c3, c4, c5, c6);
                c.blank();
                // The employee's share, withheld from wages.
                c.result("养老保险（个人）", p1);
                c.result("失业保险（个人）", p2);
                c.result("医疗保险（个人）", p3);
                c.result("工伤保险（个人）", p4);
                c.result("生育保险（个人）", p5);
                c.result("住房公积金（个人）", p6);
                c.entry("五险一金总额-个人（应付职工薪酬借）", "其他应付款（各种应付职工薪酬贷）", PT);
                c.blank();
                c.result("五险一金总额", G);
            }
        },
};

}  // namespace bk::calc
