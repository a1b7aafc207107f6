// Building a fixed asset. Materials, own products, wages and other
// costs are collected in 在建工程 and then moved to 固定资产, once for a
// general VAT payer (VAT deducted) and once for a small-scale payer (VAT part
// of the cost). Every total is worked out just before its line, so an amount
// too large leaves the lines above it.
#include "calc/entries.h"

namespace bk::calc {

extern const CalculatorDef Construction{
    .items = {field(1, "购入工程物资"), field(2, "物资增值税"), field(3, "领用自产物资"), field(4, "分配工资"),
              field(5, "安装费"), field(6, "安装增值税")},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), v = c.read(2), k = c.read(3), s = c.read(4), f = c.read(5), t = c.read(6);
            paidWithVat(c, {"购入工程物资", "工程物资（借）"}, m, v, addUpAfterDebits);
            c.blank();
            c.entry("领用全部工程物资", "在建工程（借）", "工程物资（贷）", m);
            c.blank();
            c.entry("领用自产物资", "在建工程（借）", "库存商品（贷）", k);
            c.blank();
            c.entry("分配工程人员薪酬", "在建工程（借）", "应付职工薪酬（贷）", s);
            c.blank();
            paidWithVat(c, {"支付其他费用", "在建工程（借）"}, f, t, addUpAfterDebits);
            c.blank();

            c.text("转固定资产（一般规模纳税人）");
            Num general = k + m + s + f;
            c.entry("固定资产（借）", "在建工程（贷）", general);
            c.blank();

            c.text("转固定资产（小规模纳税人）");
            Num smallScale = v + m + k + s + f + t;
            c.entry("固定资产（借）", "在建工程（贷）", smallScale);
        },
};

}  // namespace bk::calc
