// Goods sent out on consignment and settled on the consignee's
// statement: the goods leave stock, the sale is booked with its output tax,
// the consignee's commission (with the input tax on its invoice) is withheld
// from the receivable and the rest comes into the bank. A small-scale
// taxpayer cannot deduct the input tax: it is part of the selling expense,
// and its output tax is booked to 应交增值税 without a column.
#include "calc/entries.h"
#include "calc/rates.h"
#include "calc/windows/sales/sale_lines.h"

namespace bk::calc {

using sales::saleWithTax;

extern const CalculatorDef Consignment{
    .items = {asCount(field(1, "销售商品数量")), field(2, "销售单价"), field(3, "销售成本"),
              asRate(field(4, "手续费比例")), nextColumn(),
              withDefault(
                  asPercent(field(5, "销项税率（%）",
                                  "一般纳税人13（财政部 税务总局 海关总署公告2019年第39号）；小规模纳税人3，减按1%"
                                  "征收至2027年12月31日")),
                  rates::kVatGoodsPercent),
              withDefault(asPercent(field(6, "手续费税率（%）", "受托方开具发票上的税率")), rates::kVatServicesPercent),
              asCount(field(7, "小规模（填1）", "小规模纳税人填1：手续费的进项税额不能抵扣，计入销售费用"))},
    .compute =
        [](Calc& c) {
            Num N = c.read(1), U = c.read(2), k = c.read(3), f = c.read(4);
            Num saleRate = c.readOr(5, rates::kVatGoodsPercent) / 100,
                commissionRate = c.readOr(6, rates::kVatServicesPercent) / 100;
            const bool smallScale = c.read(7) == 1;
            c.text("发出商品");
            Num G = k * N;
            c.entry("库存商品-发出商品（借）", "库存商品（贷）", G);
            c.blank();

            // The tax and the commission in fen, as on the invoices; the
            // totals are worked out from them.
            c.text("收到清单");
            Num S = U * N;
            Num X = Calc::fen(S * saleRate);
            Num Y = S + X;
            if (smallScale) {
                c.result("应收账款（借）", Y);
                c.result("主营业务收入（贷）", S);
                c.result("应交税费-应交增值税（贷）", X);
            } else {
                saleWithTax(c, "应收账款（借）", Y, "主营业务收入（贷）", S, X);
            }
            c.blank();
            c.entry("主营业务成本（借）", "库存商品-发出商品（贷）", G);

            // The commission and its input tax, withheld by the consignee.
            Num H = Calc::fen(S * f);
            Num J = Calc::fen(H * commissionRate);
            Num W = H + J;
            c.blank();
            if (smallScale) {
                c.result("销售费用（借）", W);
            } else {
                c.result("销售费用（借）", H);
                c.result(kInputVat, J);
            }
            c.result("应收账款（贷）", W);
            c.blank();

            c.text("收到货款");
            Num Z = (S + X) - W;
            c.entry("银行存款（借）", "应收账款（贷）", Z);
        },
};

}  // namespace bk::calc
