// The value-added tax payable for the period: output tax less input
// tax, plus the input tax transferred out.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef VatPayable{
    .items = {field(1, "当期销项税"), field(3, "进项税转出"), field(2, "当期进项税")},
    .compute =
        [](Calc& c) {
            Num O = c.read(1), I = c.read(2), X = c.read(3);
            c.result("应交税费-应交增值税（转出未交增值税）（借）", (O - I) + X);
        },
};

}  // namespace bk::calc
