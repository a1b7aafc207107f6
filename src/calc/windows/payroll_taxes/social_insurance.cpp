// Form38: the accrual of social insurance and the housing fund. With a wage
// bill the company's and the employee's shares follow from the statutory
// rates; without one the entry is booked from the company amounts typed in.
// The charges to the cost centres are printed as typed in either case.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef form38{
    .form = 38,
    .items = {field(1, "养老保险"), field(2, "失业保险"), field(3, "医疗保险"), field(4, "工伤保险"),
              field(5, "生育保险"), field(6, "住房公积金"), nextColumn(), field(7, "工资总额"), field(8, "生产费用"),
              field(9, "制造费用"), field(10, "管理费用"), field(11, "销售费用")},
    .compute =
        [](Calc& c) {
            Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6);
            Num W = c.read(7);
            Num d1 = c.read(8), d2 = c.read(9), d3 = c.read(10), d4 = c.read(11);
            // Everything is worked out before the first line: an amount too
            // large prints nothing.
            Num A = a1 + a2 + a3 + a4 + a5 + a6;
            // The company's share: pension, unemployment, medical, work
            // injury, maternity, housing fund.
            Num c1 = rates::kPensionCompany * W, c2 = rates::kUnemploymentCompany * W, c3 = rates::kMedicalCompany * W,
                c4 = rates::kWorkInjuryCompany * W, c5 = rates::kMaternityCompany * W,
                c6 = rates::kHousingFundCompany * W;
            Num CT = c1 + c2 + c3 + c4 + c5 + c6;
            // The employee pays no work-injury or maternity insurance.
            Num p1 = rates::kPensionEmployee * W, p2 = rates::kUnemploymentEmployee * W,
                p3 = rates::kMedicalEmployee * W, p4 = 0, p5 = 0, p6 = rates::kHousingFundEmployee * W;
            Num PT = p1 + p2 + p3 + p4 + p5 + p6;
            Num G = CT + PT;

            // Both modes book the same accrual: the cost centres' charges as
            // typed, the company's total and its six contributions.
            auto accrual = [&c, d1, d2, d3, d4](std::string_view totalCaption, const Num& total, const Num& pension,
                                                const Num& unemployment, const Num& medical, const Num& injury,
                                                const Num& maternity, const Num& housing) {
                c.result("生产成本（借）", d1);
                c.result("制造费用（借）", d2);
                c.result("管理费用（借）", d3);
                c.result("销售费用（借）", d4);
                c.result(totalCaption, total);
                c.result("养老保险（公司贷）", pension);
                c.result("失业保险（公司贷）", unemployment);
                c.result("医疗保险（公司贷）", medical);
                c.result("工伤保险（公司贷）", injury);
                c.result("生育保险（公司贷）", maternity);
                c.result("住房公积金（公司贷）", housing);
            };
            // A negative wage bill books nothing.
            if (W == 0) accrual("应付职工薪酬-社保(贷)", A, a1, a2, a3, a4, a5, a6);
            if (W > 0) {
                accrual("五险一金总额-公司（应付职工薪酬贷）", CT, c1, c2, c3, c4, c5, c6);
                c.blank();
                // The employee's share, withheld from wages.
                c.result("养老保险（个人）", p1);
                c.result("失业保险（个人）", p2);
                c.result("医疗保险（个人）", p3);
                c.result("工商保险（个人）", p4);
                c.result("生育保险（个人）", p5);
                c.result("住房公积金（个人）", p6);
                c.entry("五险一金总额-个人（应付职工薪酬借）", "其他应付款（各种应付职工薪酬贷）", PT);
                c.blank();
                c.result("五险一金总额", G);
            }
        },
};

}  // namespace bk::calc
