// Form99: goods lent out for rent, and packaging rented out against a
// deposit. Each group books only when its key amount (the rental income, the
// deposit) is above 0.
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef form99{
    .form = 99,
    .items = {heading("出租商品"), field(1, "商品价格"), field(2, "出租收入"), heading("出租（带押金）"),
              field(3, "押金"), field(4, "成本"), field(5, "租金")},
    .compute =
        [](Calc& c) {
            Num G = c.read(1), R = c.read(2), D = c.read(3), H = c.read(4), T = c.read(5);
            if (R > 0) {
                c.entry("确认流出", "发出商品（借）", "库存商品（贷）", G);
                c.blank();
                c.entry("确认收入", "应收账款（借）", "其他业务收入（贷）", R);
                c.blank();
                c.entry("收回商品", "库存商品（借）", "发出商品（贷）", G);
            }
            if (D > 0) {
                c.entry("收取押金", "银行存款（借）", "其他应付款（贷）", D);
                c.blank();
                c.entry("出租时", "销售费用/其他业务成本（借）", "周转材料（贷）", H);
                c.blank();
                c.entry("收回出租", "库存现金（借）", "其他业务收入（贷）", T);
            }
        },
};

}  // namespace bk::calc
