// Journal entries that recur among the fixed-asset windows.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc {

// A cost paid from the bank with its deductible input VAT. The payment is
// added up after the two debit lines, so an amount too large leaves them.
inline void paidWithVat(Calc& c, std::string_view heading, std::string_view debit, Num amount, Num vat)
{
    c.text(heading);
    c.result(debit, amount);
    c.result("应交税费-应交增值税（借）", vat);
    c.result("银行存款（贷）", vat + amount);
}

// The disposal windows (Form80, Form81) start from the asset's cost and its
// accumulated depreciation.
inline constexpr Item kDisposalCost = field(1, "固定资产原价");
inline constexpr Item kDisposalDepreciation = field(2, "计提累计折旧");

// 转入清理: the net book value goes to 固定资产清理, the accumulated
// depreciation is written back and the cost credited. Returns the net book
// value, which the closing entry of the disposal starts from.
inline Num transferToDisposal(Calc& c, Num cost, Num depreciation)
{
    c.text("转入清理");
    Num N = cost - depreciation;
    c.result("固定资产清理（借）", N);
    c.result("累计折旧（借）", depreciation);
    c.result("固定资产（贷）", cost);
    return N;
}

}  // namespace bk::calc
