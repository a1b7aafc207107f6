// The tax on a financial product sold again, which the trading windows share.
#pragma once

#include <string_view>

#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

// The field of the transfer tax's rate, in per cent, 6 where it is left
// empty; the tip says which rate a small-scale taxpayer types.
constexpr Item transferTaxRate(int text)
{
    return withDefault(
        asPercent(field(text, "增值税税率（%）",
                        "一般纳税人6；小规模纳税人3，减按1%征收至2027年12月31日（财政部 税务总局公告2023年第19号）")),
        rates::kVatFinancialTransferPercent);
}

// The value-added tax on the transfer of a financial product at `percent`:
// the price difference counts as tax-inclusive; its part without the tax is
// rounded to the fen as on the return, and the tax is the rest. A sale below
// the purchase price gives a negative tax.
inline Num transferTax(const Num& salePrice, const Num& purchasePrice, const Num& percent)
{
    const Num difference = salePrice - purchasePrice;
    return difference - Calc::fen(difference * (100 / (100 + percent)));
}

// Printed under a negative transfer tax: how the loss is used.
inline constexpr std::string_view kNegativeTransferTax =
    "负差可抵减本年以后月份的转让收益，年末仍有借方余额的转入投资收益";

}  // namespace bk::calc
