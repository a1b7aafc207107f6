// The change in the fair value of shares and bonds held for trading,
// from their carrying value to their new value. A group is booked only when
// both values are given and they differ.
#include <string_view>

#include "calc/calculator.h"

namespace bk::calc {

namespace {

void fairValueChange(Calc& c, std::string_view heading, const Num& carrying, const Num& fairValue)
{
    if (carrying > 0 && fairValue > 0) {
        Num d = fairValue - carrying;
        if (d > 0) {
            c.text(heading);
            c.entry("交易性金融资产（借）", "公允价值变动损益（贷）", d);
        }
        // A fall in value is a loss, booked as a positive amount.
        if (d < 0) {
            c.text(heading);
            c.entry("公允价值变动损益（借）", "交易性金融资产（贷）", -d);
        }
    }
}

}  // namespace

extern const CalculatorDef FairValueChange{
    .items = {heading("股票价格变动"), field(1, "股票原价"), field(2, "股票变价"), heading("债券价格变动"),
              field(3, "债券原价"), field(4, "债券变价")},
    .compute =
        [](Calc& c) {
            Num S0 = c.read(1), S1 = c.read(2), B0 = c.read(3), B1 = c.read(4);
            fairValueChange(c, "股价变动", S0, S1);
            fairValueChange(c, "债价变动", B0, B1);
        },
};

}  // namespace bk::calc
