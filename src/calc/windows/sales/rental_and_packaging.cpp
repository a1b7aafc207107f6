// Goods lent out for rent, and packaging rented out against a
// deposit. Each group books only when its key amount (the rental income, the
// deposit) is above 0 and the VAT rate is not negative. Renting out goods or
// packaging is taxable: the rent is received with its output VAT, the one
// rate for both groups. A small enterprise counts the rent of goods and of
// packaging as 营业外收入 (小企业会计准则 第六十八条); goods lent out stay in
// 库存商品 as 库存商品-发出商品. Each group stands in a column of its own, the
// rate last, below 租金.
#include "calc/calculator.h"

namespace bk::calc {

namespace {

// Rent received with its output VAT: the debit takes the rent and the tax,
// the rent is non-operating income.
void rentWithVat(Calc& c, std::string_view heading, std::string_view debit, const Num& rent, const Num& tax,
                 const Num& total)
{
    c.text(heading);
    c.result(debit, total);
    c.result("营业外收入（贷）", rent);
    c.result("应交税费-应交增值税（销项税额）（贷）", tax);
}

}  // namespace

extern const CalculatorDef RentalAndPackaging{
    .items = {heading("出租商品"), field(1, "商品价格"), field(2, "出租收入"), nextColumn(), heading("出租（带押金）"),
              field(3, "押金"), field(4, "成本"), field(5, "租金"),
              asRate(field(6, "增值税税率", "出租收入和租金的税率，如 0.13"))},
    .compute =
        [](Calc& c) {
            Num G = c.read(1), R = c.read(2), D = c.read(3), H = c.read(4), T = c.read(5), r = c.read(6);
            if (R > 0 && r >= 0) {
                Num X1 = c.money(R * r);
                Num due = R + X1;
                c.entry("确认流出", "库存商品-发出商品（借）", "库存商品（贷）", G);
                c.blank();
                rentWithVat(c, "确认收入", "应收账款（借）", R, X1, due);
                c.blank();
                c.entry("收回商品", "库存商品（借）", "库存商品-发出商品（贷）", G);
            }
            if (D > 0 && r >= 0) {
                Num X2 = c.money(T * r);
                Num received = T + X2;
                c.entry("收取押金", "银行存款（借）", "其他应付款（贷）", D);
                c.blank();
                c.entry("出租时", "销售费用/其他业务成本（借）", "周转材料-包装物（贷）", H);
                c.blank();
                rentWithVat(c, "收回出租", "库存现金（借）", T, X2, received);
            }
        },
};

}  // namespace bk::calc
