// Contract fulfilment costs. The depreciation and amortisation spent
// on a contract are collected in 生产成本-劳务成本; the revenue is then recognised,
// its VAT split off, and the collected cost released to 主营业务成本.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

extern const CalculatorDef ContractFulfilmentCosts{
    .items = {field(1, "累计折旧"), field(2, "摊销费用"), field(3, "含税收入"),
              withDefault(asPercent(field(4, "增值税税率（%）",
                                          "现代服务6；运输、建筑、不动产租赁9；有形动产租赁13；小规模纳税人3或1")),
                          rates::kVatServicesPercent)},
    .compute =
        [](Calc& c) {
            Num d = c.read(1), a = c.read(2), g = c.read(3), r = c.readOr(4, rates::kVatServicesPercent);
            Num Q = a + d;
            c.text("确认折旧费、摊销费");
            c.result("生产成本-劳务成本（借）", Q);
            c.result("累计折旧（贷）", d);
            c.result("累计摊销（贷）", a);
            c.blank();

            // The revenue including VAT at r%: without VAT it is 100/(100 + r)
            // of it, in fen as on the invoice; the tax is the rest.
            Num R = Calc::fen(g * (100 / (100 + r)));
            Num T = g - R;
            c.text("确认摊销合同履约成本");
            c.result("银行存款（借）", g);
            c.result("主营业务收入（贷）", R);
            c.result("应交税费-应交增值税（销项税额）（贷）", T);
            c.entry("主营业务成本（借）", "生产成本-劳务成本（贷）", Q);
        },
};

}  // namespace bk::calc
