// Raw materials issued to their cost destinations, with the input
// tax on the materials used for construction where it is transferred out.
// The lines of the issues print before the total is worked out.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef MaterialsIssuedWithTax{
    .items = {field(1, "生产成本"), field(2, "制造费用"), field(3, "管理费用"), field(4, "销售费用"),
              field(5, "在建工程"), field(6, "增值税")},
    .compute =
        [](Calc& c) {
            Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), t = c.read(6);
            c.text("领用原材料");
            c.result("生产成本（借）", a1);
            c.result("制造费用（借）", a2);
            c.result("管理费用（借）", a3);
            c.result("销售费用（借）", a4);
            // Input tax that may not be deducted is transferred out into the
            // cost of the construction.
            c.result("在建工程（借）", a5 + t);
            Num M = a1 + a2 + a3 + a4 + a5;  // the tax is not part of the materials
            c.result("原材料（贷）", M);
            c.result("应交税费-应交增值税（进项税额转出）（贷）", t);
        },
};

}  // namespace bk::calc
