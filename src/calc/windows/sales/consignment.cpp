// Form48: goods sent out on consignment and settled on the consignee's
// statement: the goods leave stock, the sale is booked with 13% output tax,
// the consignee's commission (with 6% input tax) is withheld from the
// receivable and the rest comes into the bank.
#include "calc/rates.h"
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::saleWithTax;

extern const CalculatorDef form48{
    .form = 48,
    .items = {field(1, "销售商品数量"), field(2, "销售单价"), field(3, "销售成本"), field(4, "手续费比例")},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), U = c.read(2), k = c.read(3), f = c.read(4);
            c.text("发出商品");
            Num G = k * N;
            c.entry("发出商品（借）", "库存商品（贷）", G);
            c.blank();

            c.text("收到清单");
            Num S = U * N;
            Num X = S * rates::kVatGoods;
            Num Y = S + X;
            saleWithTax(c, "应收账款（借）", Y, "主营业务收入（贷）", S, X);
            c.blank();
            c.entry("主营业务成本（借）", "发出商品（贷）", G);

            // The commission and its input tax, withheld by the consignee.
            Num H = S * f;
            Num J = H * rates::kVatServices;
            Num W = H + J;
            c.blank();
            c.result("销售费用（借）", H);
            c.result("应交税费-应交增值税（进）（借）", J);
            c.result("应收账款（贷）", W);
            c.blank();

            c.text("收到货款");
            Num Z = (S + X) - W;
            c.entry("银行存款（借）", "应收账款（贷）", Z);
        },
};

}  // namespace bk::calc
