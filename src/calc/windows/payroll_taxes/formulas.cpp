// Pay figures that one formula works out, one window each.
#include "calc/one_line.h"

namespace bk::calc {

// The total of 应付职工薪酬, the sum of every kind of employee pay
// and benefit owed.
extern const CalculatorDef PayrollTotal =
    oneLine({field(1, "职工工资、奖金津贴和补贴"), field(2, "职工福利费"), field(3, "社会保险及住房公积金"),
             field(4, "工会经费和职教费"), field(5, "非货币性福利"), field(6, "离职补偿"), field(7, "其他服务支出")},
            "应付职工薪酬（总）", [](const Calc& c) -> Var {
                Num k1 = c.read(1), k2 = c.read(2), k3 = c.read(3), k4 = c.read(4), k5 = c.read(5), k6 = c.read(6),
                    k7 = c.read(7);
                return (k2 + k1 + k3) + k4 + k5 + k6 + k7;
            });

}  // namespace bk::calc
