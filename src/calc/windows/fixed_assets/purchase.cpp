// Buying fixed assets. Equipment that needs no installation goes
// straight to 固定资产; equipment to be installed is first collected in
// 在建工程, booked once as a general VAT payer (input VAT deductible) and once
// as a small-scale payer (VAT part of the cost); real estate goes to
// 固定资产 with its VAT. Each group prints only when its amounts are
// filled in (packing may stay empty); its totals are worked out first, so an amount too large stops
// the press before any line of that group.
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef FixedAssetPurchase{
    .items = {heading("不需安装的设备"), field(1, "设备原价"), field(2, "设备增值税"), field(3, "包装费"),
              field(4, "包装增值税"), heading("需要安装的设备"), field(5, "设备原价"), field(6, "设备增值税"),
              field(7, "安装费"), field(8, "安装增值税"), nextColumn(), heading("购入房地产"), field(9, "房地产价格"),
              field(10, "应交增值税")},
    .compute =
        [](Calc& c) {
            Num u1 = c.read(1), u2 = c.read(2), u3 = c.read(3), u4 = c.read(4);
            Num i1 = c.read(5), i2 = c.read(6), i3 = c.read(7), i4 = c.read(8);
            Num r1 = c.read(9), r2 = c.read(10);

            // Packing is part of the cost and may be left empty.
            Num K = u3 + u1, V = u4 + u2, P = K + V;
            if (u1 > 0 && u2 > 0) {
                paidWithVat(c, {.debit = "固定资产（借）", .vat = kInputVat}, K, V, P);
            }

            Num B1 = i2 + i1, B2 = i4 + i3, G1 = i3 + i1, G2 = i2 + i1 + i3 + i4;
            if (i1 > 0 && i2 > 0 && i3 > 0 && i4 > 0) {
                paidWithVat(c, {"购进安装（一般规模纳税人）", "在建工程（借）", kInputVat}, i1, i2, B1);
                c.blank();
                paidWithVat(c, {"支付安装费", "在建工程（借）", kInputVat}, i3, i4, B2);
                c.blank();
                c.entry("使用设备", "固定资产（借）", "在建工程（贷）", G1);
                c.blank();

                c.entry("购进安装（小规模纳税人）", "在建工程（借）", "银行存款（贷）", B1);
                c.blank();
                c.entry("支付安装费", "在建工程（借）", "银行存款（贷）", B2);
                c.blank();
                c.entry("使用设备", "固定资产（借）", "在建工程（贷）", G2);
            }

            Num R = r2 + r1;
            if (r1 > 0 && r2 > 0) {
                paidWithVat(c, {.debit = "固定资产（借）"}, r1, r2, R);
            }
        },
};

}  // namespace bk::calc
