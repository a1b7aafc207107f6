// The disposal of a fixed asset: transfer to 固定资产清理, the
// proceeds of the remains with their output VAT, the disposal costs, and the
// balance of 固定资产清理 closed as a loss (营业外支出) or a gain (营业外收入).
// A balance of exactly 0 needs no closing line.
#include "calc/windows/fixed_assets/disposal_entries.h"

namespace bk::calc {

extern const CalculatorDef FixedAssetDisposal{
    .items = {kDisposalCost, kDisposalDepreciation, field(3, "清理收入"), field(4, "清理增值税"), field(5, "清理费")},
    .compute =
        [](Calc& c) {
            Num A = c.read(1), D = c.read(2), R = c.read(3), T = c.read(4), F = c.read(5);
            // The heading stands before the net book value is worked out.
            c.text("转入清理");
            Num N = A - D;
            transferToDisposal(c, N, D, A);
            c.blank();

            c.text("收回残料变价收入");
            c.result("银行存款（借）", T + R);
            c.result("固定资产清理（贷）", R);
            c.result("应交税费-应交增值税（销项税额）（贷）", T);
            c.blank();

            c.entry("支付清理费用", "固定资产清理（借）", "银行存款（贷）", F);
            c.blank();

            c.text("结转固定资产清理");
            Num L = N - R + F;
            if (L > 0) {
                c.entry("营业外支出（借）", "固定资产清理（贷）", L);
            }
            // A gain is booked the other way round, as a positive amount.
            if (L < 0) {
                c.entry("固定资产清理（借）", "营业外收入（贷）", -L);
            }
        },
};

}  // namespace bk::calc
