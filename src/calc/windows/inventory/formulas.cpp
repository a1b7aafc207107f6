// Inventory figures that one formula works out, one window each.
#include "calc/one_line.h"

namespace bk::calc {

// The cost of goods sold by the monthly weighted-average method:
// the month's total cost over its total quantity, times the quantity sold.
// An empty or zero total quantity stops the press before the line.
extern const CalculatorDef WeightedAverageCost =
    oneLine({field(1, "本月总成本"), asCount(field(2, "本月总购进数量")), asCount(field(3, "本月总销售数量"))},
            "生产成本——月末一次加权平均法", [](const Calc& c) -> Var {
                Num T = c.read(1), Q = c.read(2), q = c.read(3);
                Num cost = c.money((T / Q) * q);
                return cost;
            });

// The raw materials issued, the total charged to the four cost
// destinations.
extern const CalculatorDef MaterialsIssued =
    oneLine({field(1, "生产成本（材料费用）"), field(2, "制造费用（车间管理）"), field(3, "销售费用（销售部门）"),
             field(4, "管理费用（行政管理）")},
            "原材料", [](const Calc& c) -> Var {
                Num a = c.read(1), b = c.read(2), d = c.read(3), e = c.read(4);
                return a + b + d + e;
            });

// The material cost variance rate, the variance carried in and
// arising this period over the planned cost of the materials on hand and
// received. Its 退出 leads back to CostVarianceIssued, where the rate is used.
extern const CalculatorDef CostVarianceRate =
    oneLine({field(1, "成本差异（期初超支）"), field(2, "成本差异（本期超支）"), field(3, "计划成本（期初结存）"),
             field(4, "计划成本（验收入库）")},
            "材料成本差异率", [](const Calc& c) -> Var {
                Num d0 = c.read(1), d1 = c.read(2), p0 = c.read(3), p1 = c.read(4);
                Num P = p0 + p1;
                // The rate is worked out over a positive planned cost only; a
                // negative planned cost leaves it unassigned and the line shows no amount.
                Var r;
                if (P > 0) r = (d0 + d1) / P;
                if (P == 0) r = Num(0);
                return r;
            });

// Materials sent out for processing, at planned cost plus their
// share of the cost variance.
extern const CalculatorDef ProcessingAtPlannedCost =
    oneLine({field(1, "原材料"), field(2, "材料成本差异")}, "委托加工物资（计划）", [](const Calc& c) -> Var {
        Num m = c.read(1), v = c.read(2);
        return m + v;
    });

// The actual cost of materials from their planned cost and the
// variance rate (a fraction: 0.02 for an excess of 2%).
extern const CalculatorDef ActualCost =
    oneLine({field(1, "计划成本"), asRate(field(2, "材料成本差异率"))}, "实际成本", [](const Calc& c) -> Var {
        Num p = c.read(1), r = c.read(2);
        return p + c.money(r * p);
    });

}  // namespace bk::calc
