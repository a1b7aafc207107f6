// Journal entries that recur among the fixed-asset windows.
#pragma once

#include <string_view>

#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

// The disposal windows (FixedAssetDisposal, AccidentLoss) start from the asset's cost and its
// accumulated depreciation.
inline constexpr Item kDisposalCost = field(1, "固定资产原价");
inline constexpr Item kDisposalDepreciation = field(2, "计提累计折旧");

// The lines under 转入清理: the net book value goes to 固定资产清理, the
// accumulated depreciation is written back and the cost credited.
inline void transferToDisposal(Calc& c, const Num& netBookValue, const Num& depreciation, const Num& cost)
{
    c.result("固定资产清理（借）", netBookValue);
    c.result("累计折旧（借）", depreciation);
    c.result("固定资产（贷）", cost);
}

}  // namespace bk::calc
