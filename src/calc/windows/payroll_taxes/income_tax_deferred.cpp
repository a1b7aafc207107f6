// The income-tax expense with the movements of the deferred tax
// liability and asset; the signs of the two movements choose the entry. With
// the deferred fields left empty it is the plain entry of a small enterprise:
// the expense against the income tax payable.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef IncomeTaxDeferred{
    .items = {field(1, "递延负债年末"), field(2, "递延负债年初"), field(3, "递延年末资产"), field(4, "递延年初资产"),
              field(5, "当年应交所得税")},
    .compute =
        [](Calc& c) {
            Num L1 = c.read(1), L0 = c.read(2), A1 = c.read(3), A0 = c.read(4), Q = c.read(5);
            // Everything is worked out before the first line.
            Num Dt = (L1 - L0) - (A1 - A0);  // deferred tax expense
            Num E = Dt + Q;
            Num dL = L1 - L0, dA = A1 - A0;

            // The signs of the two movements choose one of four entries; a
            // movement of 0 counts as a rise and prints 0. A fall is printed as
            // a positive amount on the other side of its account.
            if (dL >= 0 && dA >= 0) {
                c.result("所得税费用（借）", E);
                c.result("递延所得税资产（借）", dA);
                c.result("应交税费-应交企业所得税（贷）", Q);
                c.result("递延所得税负债（贷）", dL);
            } else if (dL >= 0) {
                c.result("所得税费用（借）", E);
                c.result("应交税费-应交企业所得税（贷）", Q);
                c.result("递延所得税负债（贷）", dL);
                c.result("递延所得税资产（贷）", -dA);
            } else if (dA >= 0) {
                c.result("所得税费用（借）", E);
                c.result("递延所得税负债（借）", -dL);
                c.result("递延所得税资产（借）", dA);
                c.result("应交税费-应交企业所得税（贷）", Q);
            } else {
                c.result("所得税费用（借）", E);
                c.result("递延所得税负债（借）", -dL);
                c.result("应交税费-应交企业所得税（贷）", Q);
                c.result("递延所得税资产（贷）", -dA);
            }
        },
};

}  // namespace bk::calc
