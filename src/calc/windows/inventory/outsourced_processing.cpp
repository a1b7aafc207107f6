// Materials sent out for processing: their delivery, the processing
// fee, its value-added tax, the auxiliary materials, and the receipt of the
// processed materials. The receipt takes out of 委托加工物资 what was put
// into it (materials, fee and auxiliary materials); the tax was booked as
// deductible input tax and is no part of the materials' cost.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef OutsourcedProcessing{
    .items = {field(1, "材料成本"), field(2, "加工费"), field(3, "辅助加工费"), field(4, "增值税")},
    .compute =
        [](Calc& c) {
            Num m = c.read(1), p = c.read(2), q = c.read(3), t = c.read(4);
            c.entry("交付材料", "委托加工物资（借）", "原材料（贷）", m);
            c.blank();

            c.entry("支付委托加工费", "委托加工物资（借）", "银行存款（贷）", p);
            c.blank();

            c.entry("支付增值税", "应交税费-应交增值税（进项税额）（借）", "银行存款（贷）", t);
            c.blank();

            c.entry("支付辅助材料费", "委托加工物资（借）", "银行存款（贷）", q);
            c.blank();

            Num R = p + m + q;
            c.entry("验收入库", "原材料（借）", "委托加工物资（贷）", R);
        },
};

}  // namespace bk::calc
