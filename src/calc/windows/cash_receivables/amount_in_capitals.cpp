// An amount in capital figures (金额大写), as a cheque, a receipt or
// a voucher total carries it. The amount is rounded to the fen first, so the
// capitals say what the figures say.
#include "calc/calculator.h"
#include "num/capital_amount.h"

namespace bk::calc {

extern const CalculatorDef AmountInCapitals{
    .items = {field(1, "小写金额", "如 1409.50；超过两位小数的四舍五入到分")},
    .compute =
        [](Calc& c) {
            const Num amount = Calc::fen(c.read(1));
            c.result("小写金额", amount);
            const auto capitals = capitalAmount(amount);
            c.text(capitals ? "人民币" + *capitals : std::string(kCapitalOutOfRange));
        },
    // The longest line, 人民币负 and 28 capitals, 32 characters, stands clear of the fields.
    .printWidth = 32 * 200 + 2 * kPrintInset,
};

}  // namespace bk::calc
