// One payroll cycle from its amounts: the accrual of wages, bonus,
// company contributions, housing fund and staff welfare, then paying the
// wages net of the employee's deductions, the bonus, the social insurance,
// the income tax withheld and the housing fund. The entries are printed as
// typed; nothing checks that the cost centres add up to the wages,
// contributions and housing fund they are charged with.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef PayrollCycle{
    .items = {field(1, "管理费用"),          field(2, "销售费用"),
              field(3, "制造费用"),          field(4, "生产成本"),
              field(18, "在建工程"),         field(19, "其他费用（福利费）"),
              field(10, "职工工资"),         field(11, "奖金"),
              field(13, "个人所得税"),       nextColumn(),
              field(5, "养老保险（公司）"),  field(6, "医疗保险（公司）"),
              field(7, "失业保险（公司）"),  field(8, "工伤保险（公司）"),
              field(9, "生育保险（公司）"),  field(12, "住房公积金（公司）"),
              field(14, "养老保险（个人）"), field(15, "医疗保险（个人）"),
              field(16, "失业保险（个人）"), field(17, "住房公积金（个人）")},
    .compute =
        [](Calc& c) {
            Num e1 = c.read(1), e2 = c.read(2), e3 = c.read(3), e4 = c.read(4);
            Num s1 = c.read(5), s2 = c.read(6), s3 = c.read(7), s4 = c.read(8), s5 = c.read(9);
            Num w = c.read(10), b = c.read(11), h1 = c.read(12), x = c.read(13);
            Num q1 = c.read(14), q2 = c.read(15), q3 = c.read(16), h2 = c.read(17);
            Num e5 = c.read(18), e6 = c.read(19);

            // The contributions are accrued (or withheld from the wages) on
            // their credit lines and paid to the social-insurance office on
            // their debit lines.
            struct Contribution {
                std::string_view credit, debit;
                Num amount;
            };
            const Contribution company[] = {
                {"应付职工薪酬-社会保险费-养老保险（贷）", "应付职工薪酬-社会保险费-养老保险（借）", s1},
                {"应付职工薪酬-社会保险费-医疗保险（贷）", "应付职工薪酬-社会保险费-医疗保险（借）", s2},
                {"应付职工薪酬-社会保险费-失业保险（贷）", "应付职工薪酬-社会保险费-失业保险（借）", s3},
                {"应付职工薪酬-社会保险费-工伤保险（贷）", "应付职工薪酬-社会保险费-工伤保险（借）", s4},
                {"应付职工薪酬-社会保险费-生育保险（贷）", "应付职工薪酬-社会保险费-生育保险（借）", s5},
            };
            const Contribution employee[] = {
                {"其他应付款-社会保险费-养老保险（贷）", "其他应付款-社会保险费-养老保险（借）", q1},
                {"其他应付款-社会保险费-医疗保险（贷）", "其他应付款-社会保险费-医疗保险（借）", q2},
                {"其他应付款-社会保险费-失业保险（贷）", "其他应付款-社会保险费-失业保险（借）", q3},
            };

            c.text("计提费用");
            c.result("管理费用（借）", e1);
            c.result("销售费用（借）", e2);
            c.result("制造费用（借）", e3);
            c.result("生产成本（借）", e4);
            c.result("在建工程（借）", e5);
            c.result("其他费用（应付福利费）（借）", e6);
            for (const auto& share : company) c.result(share.credit, share.amount);
            c.result("应付职工薪酬-职工工资（贷）", w);
            c.result("应付职工薪酬-奖金、津贴和补贴（贷）", b);
            c.result("应付职工薪酬-住房公积金（贷）", h1);
            c.result("应付职工薪酬-职工福利费（贷）", e6);  // the welfare owed to the staff
            c.blank();

            // Each payment is worked out where it is booked, so an amount too
            // large stops the press after the entries above it.
            c.text("发放工资");
            c.result("应付职工薪酬-职工工资（借）", w);
            Num N = w - x - q1 - q2 - q3 - h2;  // net pay after tax and the employee's contributions
            c.result("库存现金/银行存款（贷）", N);
            c.result("应交税费-应交个人所得税（贷）", x);
            for (const auto& share : employee) c.result(share.credit, share.amount);
            c.result("其他应付款-住房公积金（贷）", h2);
            c.blank();

            c.entry("发放奖金", "应付职工薪酬-奖金、津贴和补贴（借）", "银行存款（贷）", b);
            c.blank();

            c.text("缴纳社保");
            for (const auto& share : company) c.result(share.debit, share.amount);
            for (const auto& share : employee) c.result(share.debit, share.amount);
            Num S = s2 + s1 + s3 + s4 + s5 + q1 + q2 + q3;  // both shares go to the social-insurance office
            c.result("银行存款（贷）", S);
            c.blank();

            c.entry("缴纳个税", "应交税费-应交个人所得税（借）", "银行存款（贷）", x);
            c.blank();

            c.text("缴纳住房公积金");
            c.result("其他应付款-住房公积金（借）", h2);
            c.result("应付职工薪酬-住房公积金（借）", h1);
            Num H = h2 + h1;
            c.result("银行存款（贷）", H);
        },
};

}  // namespace bk::calc
