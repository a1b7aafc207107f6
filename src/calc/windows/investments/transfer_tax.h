// The tax on a financial product sold again, which the trading windows share.
#pragma once

#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

// The value-added tax on the transfer of a financial product: the price
// difference counts as tax-inclusive at 6 per cent, and the tax part is taken
// out of it. A sale below the purchase price gives a negative tax.
inline Num transferTax(const Num& salePrice, const Num& purchasePrice)
{
    const Num rate = rates::kVatFinancialTransfer;
    return ((salePrice - purchasePrice) / (1 + rate)) * rate;
}

}  // namespace bk::calc
