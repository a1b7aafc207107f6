// Form58: 税金及附加: the accrual and the payment of the small taxes as
// typed, then the urban-construction tax and the education surcharge worked
// out from the value-added and consumption tax, for comparison with the
// amounts typed.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef form58{
    .form = 58,
    .items = {field(8, "增值税"), nextColumn(), field(1, "消费税"), field(2, "资源税"), field(3, "城建税"),
              field(4, "教育费附加"), field(5, "房产税"), field(6, "车船税"), field(7, "土地税"), field(9, "文化税")},
    .compute =
        [](Calc& c) {
            Num t1 = c.read(1), t2 = c.read(2), t3 = c.read(3), t4 = c.read(4), t5 = c.read(5), t6 = c.read(6),
                t7 = c.read(7), v = c.read(8), t9 = c.read(9);
            Num S = t2 + t1 + t3 + t4 + t5 + t6 + t7 + t9;  // the value-added tax is not an expense

            // Each tax is accrued on its credit line, then paid on its debit line.
            const struct {
                std::string_view accrued, paid;
                Num amount;
            } taxes[] = {
                {"应交税费-消费税（贷）", "应交税费-消费税（借）", t1},
                {"应交税费-资源税（贷）", "应交税费-资源税（借）", t2},
                {"应交税费-城建税（贷）", "应交税费-城建税（借）", t3},
                {"应交税费-教育费附加（贷）", "应交税费-教育费附加（借）", t4},
                {"应交税费-房产税（贷）", "应交税费-房产税（借）", t5},
                {"应交税费-车船税（贷）", "应交税费-车船税（借）", t6},
                {"应交税费-土地税（贷）", "应交税费-土地税（借）", t7},
                {"应交税费-文化税（贷）", "应交税费-文化税（借）", t9},
            };

            c.text("计算税金及附加");
            c.result("税金及附加（借）", S);
            for (const auto& tax : taxes) c.result(tax.accrued, tax.amount);
            c.blank();

            c.text("交纳税金及附加");
            for (const auto& tax : taxes) c.result(tax.paid, tax.amount);
            c.result("银行存款（贷）", S);
            c.blank();

            // Both surcharges are levied on the value-added plus consumption
            // tax; worked out here, after the entries, so a sum too large
            // leaves the entries on the window.
            c.result("城市维护建设税", (v + t1) * rates::kUrbanMaintenanceCity);
            c.result("教育费附加", (v + t1) * rates::kEducationSurcharge);
        },
};

}  // namespace bk::calc
