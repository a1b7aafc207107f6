// The disposal of a fixed asset, shared by the sale or scrapping (Form80) and
// the loss in an accident (Form81): both take the asset off the books the same
// way before their own entries.
#pragma once

#include "calc/calculator.h"

namespace bk::calc {

// The asset's cost and its accumulated depreciation, the first two fields of
// a disposal window.
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
    c.blank();
    return N;
}

}  // namespace bk::calc
