// Finished goods destroyed: the salvage taken back into materials,
// then the loss after the insurance recovery, with the input value-added tax
// on the materials consumed (less the salvage) transferred out. The salvage
// entry prints before the loss is worked out.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef GoodsDestroyed{
    .items = {asCount(field(1, "产品数量")), field(2, "实际成本"), field(3, "耗用材料"), field(4, "回收价格(总)"),
              field(5, "保险赔偿"), asRate(field(6, "增值税税率"))},
    .compute =
        [](Calc& c) {
            Num n = c.read(1), q = c.read(2), u = c.read(3), r = c.read(4), i = c.read(5), v = c.read(6);
            c.entry("收回价格", "原材料（借）", "库存商品（贷）", r);
            c.blank();

            Num X = c.money(((u * n) - r) * v);  // input tax to transfer out
            Num Y = (q * n) - r;                 // goods written off
            Num Z = (X + Y) - i;                 // loss
            c.text("获赔保险");
            c.result("营业外支出-非常损失（借）", Z);
            c.result("其他应收款-保险公司（借）", i);
            c.result("库存商品（贷）", Y);
            c.result("应交税费-应交增值税（进项税额转出）（贷）", X);
        },
};

}  // namespace bk::calc
