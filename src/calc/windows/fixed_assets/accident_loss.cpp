// A fixed asset lost in an accident: transfer to 固定资产清理, the
// salvage taken into stores, the clearing costs with their VAT, the insurance
// claim booked and received, and what is left closed to 营业外支出-非常损失.
// The loss is printed with its sign, negative when the claim exceeds it.
#include "calc/windows/fixed_assets/disposal_entries.h"

namespace bk::calc {

extern const CalculatorDef AccidentLoss{
    .items = {kDisposalCost, kDisposalDepreciation, field(3, "残料入库"), field(4, "清理装卸费"),
              field(5, "清理费增值税"), field(6, "保险赔款")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), D = c.read(2), S = c.read(3), F = c.read(4), T = c.read(5), I = c.read(6);
            // The heading stands before the net book value is worked out.
            c.text("转入清理");
            Num N = A - D;
            transferToDisposal(c, N, D, A);
            c.blank();

            c.entry("残料入库", "原材料（借）", "固定资产清理（贷）", S);
            c.blank();

            paidWithVat(c, {"支付清理费", "固定资产清理（借）"}, F, T, addUpAfterDebits);
            c.blank();

            c.entry("收到保险公司理赔", "其他应收款（借）", "固定资产清理（贷）", I);
            c.entry("银行存款（借）", "其他应收款（贷）", I);
            c.blank();

            c.text("结转损失");
            Num L = N - S + F - I;
            c.entry("营业外支出-非常损失（借）", "固定资产清理（贷）", L);
        },
};

}  // namespace bk::calc
