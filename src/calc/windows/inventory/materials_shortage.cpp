// A raw-material shortage found in a stock count: the salvage kept
// and the loss awaiting approval with its input tax transferred out, then,
// after approval, the loss less the insurance and personal compensation.
// Every amount is worked out before the first line.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef MaterialsShortage{
    .items = {asCount(field(1, "原材料盘亏数量")), field(2, "原材料成本"), asRate(field(3, "增值税税率")),
              field(4, "保险赔偿"), field(5, "原材料残料"), field(6, "人员赔偿")},
    .compute =
        [](Calc& c) {
            Num n = c.read(1), q = c.read(2), v = c.read(3), i = c.read(4), s = c.read(5), p = c.read(6);
            Num M = (q * n) - s;        // net material lost
            Num X = c.money(v * M);     // input tax to transfer out
            Num L = ((M + X) - i) - p;  // loss after recoveries
            Num W = M + X;              // awaiting approval
            c.entry("批准前", "原材料-残料（借）", "原材料（贷）", s);
            c.blank();

            c.result("待处理财产损溢（借）", W);
            c.result("原材料（贷）", M);
            c.result("应交税费-应交增值税（进项税额转出）（贷）", X);
            c.blank();

            c.text("批准后");
            c.result("营业外支出-盘亏（借）", L);
            c.result("其他应收款-保险公司（借）", i);
            c.result("其他应收款-责任人（借）", p);
            c.result("待处理财产损溢（贷）", W);
        },
};

}  // namespace bk::calc
