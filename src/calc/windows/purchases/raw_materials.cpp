// Buying raw materials, booked under both freight arrangements
// (we pay the freight and warehousing, or the supplier delivers free) in
// each of three stages: not yet received, received later, received at once;
// and self-made materials taken into stock. A group with no amount prints
// nothing. Every amount is worked out before the first line.
#include <string_view>

#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

namespace {

// The three entries of one purchase: goods in transit, their receipt, and a
// purchase received at once; each followed by a blank line.
void purchase(Calc& c, std::string_view freight, const Num& cost, const Num& tax, const Num& paid)
{
    c.text(freight);
    c.text("未入库");
    c.result("在途物资（借）", cost);
    c.result(kInputVat, tax);
    c.result("银行存款/应付票据（贷）", paid);
    c.blank();

    c.entry("已入库", "原材料（借）", "在途物资（贷）", cost);
    c.blank();

    c.text("直接入库");
    c.result("原材料（借）", cost);
    c.result(kInputVat, tax);
    c.result("银行存款/应付票据（贷）", paid);
    c.blank();
}

}  // namespace

extern const CalculatorDef RawMaterials{
    .items = {heading("购买原材料"), field(1, "原材料价格"), field(2, "增值税"), field(3, "运费"), field(5, "进仓费"),
              heading("自产原材料"), field(4, "自产原材料")},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), t = c.read(2), f = c.read(3), s = c.read(4), w = c.read(5);
            Num K = f + m + w;  // cost with freight and warehousing
            Num Y1 = K + t;     // paid with freight
            Num Y2 = t + m;     // paid, delivered free
            if (m > 0) {
                purchase(c, "我方付运费（或者对方代垫）", K, t, Y1);
                c.blank();
                c.blank();
                purchase(c, "对方付运费（包邮包进仓）", m, t, Y2);
            }
            if (s > 0) {
                c.entry("自产原材料", "原材料（借）", "生产成本（贷）", s);
            }
        },
};

}  // namespace bk::calc
