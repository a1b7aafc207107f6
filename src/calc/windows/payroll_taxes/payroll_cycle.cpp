// One payroll cycle from its amounts: the accrual of wages, bonus, company
// contributions, housing fund and staff welfare charged to the departments,
// then paying the wages net of the employee's deductions, the bonus, the
// social insurance, the income tax withheld and the housing fund. The
// accrual is booked only when the departments add up to what they are
// charged with. Where the accrual and the withholding were booked in their
// own windows, 只做发放 books only the net wages and the bonus paid.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

constexpr std::string_view kDepartmentTip = "本部门本月计提的全部职工薪酬：工资、奖金、单位社保和公积金、福利费";

}  // namespace

extern const CalculatorDef PayrollCycle{
    .items = {field(1, "管理费用", kDepartmentTip),
              field(2, "销售费用", kDepartmentTip),
              field(3, "制造费用", kDepartmentTip),
              field(4, "生产成本", kDepartmentTip),
              field(18, "在建工程", kDepartmentTip),
              field(19, "职工福利费", "本月计提的职工福利费（已含在各部门金额中）"),
              field(10, "职工工资"),
              field(11, "奖金"),
              field(13, "个人所得税"),
              nextColumn(),
              field(5, "养老保险（公司）"),
              field(6, "医疗保险（公司）"),
              field(7, "失业保险（公司）"),
              field(8, "工伤保险（公司）"),
              field(9, "生育保险（公司）"),
              field(12, "住房公积金（公司）"),
              field(14, "养老保险（个人）"),
              field(15, "医疗保险（个人）"),
              field(16, "失业保险（个人）"),
              field(17, "住房公积金（个人）"),
              asCount(field(20, "只做发放（填1）",
                            "已用“计提工资”“社保”“个税计算”计提和代扣的填1：只生成发放工资（实发）和发放奖金分录"))},
    .compute =
        [](Calc& c) {
            Num e1 = c.read(1), e2 = c.read(2), e3 = c.read(3), e4 = c.read(4), e5 = c.read(18), e6 = c.read(19);
            Num s1 = c.read(5), s2 = c.read(6), s3 = c.read(7), s4 = c.read(8), s5 = c.read(9);
            Num w = c.read(10), b = c.read(11), h1 = c.read(12), x = c.read(13);
            Num q1 = c.read(14), q2 = c.read(15), q3 = c.read(16), h2 = c.read(17);
            const bool payOnly = c.read(20) == 1;

            // The net wages: what the bank pays once the tax and the
            // employee's contributions are withheld.
            auto payWages = [&c](const Num& debit, const Num& net, auto&& withheldLines) {
                if (net < 0) {
                    c.text("代扣合计大于职工工资，未生成发放分录");
                } else {
                    c.text("发放工资");
                    c.result("应付职工薪酬-职工工资（借）", debit);
                    c.result("银行存款（贷）", net);
                    withheldLines();
                }
                c.blank();
            };

            if (payOnly) {
                Num N = w - x - q1 - q2 - q3 - h2;
                if (w > 0) payWages(N, N, [] {});
                c.entry("发放奖金", "应付职工薪酬-奖金、津贴和补贴（借）", "银行存款（贷）", b);
                return;
            }

            // The departments bear everything accrued, the welfare included.
            Num D = e1 + e2 + e3 + e4 + e5;
            Num SC = s1 + s2 + s3 + s4 + s5;
            Num C = w + b + SC + h1 + e6;
            if (D == C) {
                c.text("计提费用");
                c.result("管理费用（借）", e1);
                c.result("销售费用（借）", e2);
                c.result("制造费用（借）", e3);
                c.result("生产成本（借）", e4);
                c.result("在建工程（借）", e5);
                c.result("应付职工薪酬-职工工资（贷）", w);
                c.result("应付职工薪酬-奖金、津贴和补贴（贷）", b);
                c.result("应付职工薪酬-社会保险费（贷）", SC);
                c.result("应付职工薪酬-住房公积金（贷）", h1);
                c.result("应付职工薪酬-职工福利费（贷）", e6);
            } else {
                Num difference = D - C;
                c.text("各部门费用合计与应付职工薪酬合计不符，未生成计提分录");
                c.result("各部门费用合计", D);
                c.result("应付职工薪酬合计", C);
                c.result("差额", difference);
            }
            c.blank();

            // Each payment is worked out where it is booked, so an amount too
            // large stops the press after the entries above it.
            Num SP = q1 + q2 + q3;
            if (w > 0) {
                Num N = w - x - SP - h2;
                payWages(w, N, [&] {
                    c.result("应交税费-应交个人所得税（贷）", x);
                    c.result("其他应付款-社会保险费（贷）", SP);
                    c.result("其他应付款-住房公积金（贷）", h2);
                });
            }

            c.entry("发放奖金", "应付职工薪酬-奖金、津贴和补贴（借）", "银行存款（贷）", b);
            c.blank();

            c.text("缴纳社保");
            c.result("应付职工薪酬-社会保险费（借）", SC);
            c.result("其他应付款-社会保险费（借）", SP);
            c.result("银行存款（贷）", SC + SP);
            c.blank();

            c.entry("缴纳个税", "应交税费-应交个人所得税（借）", "银行存款（贷）", x);
            c.blank();

            c.text("缴纳住房公积金");
            c.result("应付职工薪酬-住房公积金（借）", h1);
            c.result("其他应付款-住房公积金（借）", h2);
            c.result("银行存款（贷）", h1 + h2);
        },
    // The note of departments that do not add up, on one line.
    .printWidth = 27 * 200 + 2 * kPrintInset,
};

}  // namespace bk::calc
