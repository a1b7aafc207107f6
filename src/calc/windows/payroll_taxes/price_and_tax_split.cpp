// An invoice's amount split into the amount without VAT and the VAT
// (价税分离), or an amount without VAT grossed up, at the rate typed (13 %
// when none is), to the fen; then the sale's and the purchase's entry, for
// a general or a small-scale taxpayer. A general taxpayer's sale taxed by
// the simple method (at 3 % or 5 %) books its tax to 应交税费-简易计税
// (财会〔2016〕22号).
#include "calc/calculator.h"
#include "calc/rates.h"
#include "num/capital_amount.h"

namespace bk::calc {

extern const CalculatorDef PriceAndTaxSplit{
    .items = {field(1, "价税合计（含税）", "填含税金额；与“不含税金额”只填一个"),
              field(2, "不含税金额", "只在价税合计不填时使用"),
              withDefault(asPercent(field(3, "税率（%）", "13、9、6、5、3、1、0.5、0；不填按13")),
                          rates::kVatGoodsPercent),
              asCount(field(4, "小规模（填1）", "填1：销项记“应交税费-应交增值税”，进项不抵扣计入成本")),
              asCount(field(5, "简易计税（填1）",
                            "一般纳税人按简易计税方法（征收率3%、5%）计税的销售填1：税额记"
                            "“应交税费-简易计税”（财会〔2016〕22号）"))},
    .compute =
        [](Calc& c) {
            const Num rate = c.readOr(3, rates::kVatGoodsPercent);
            if (rate < 0 || rate > 100) {
                c.text("税率应在0到100之间");
                return;
            }
            const bool smallScale = c.read(4) == 1;
            const bool simple = !smallScale && c.read(5) == 1;  // a small-scale taxpayer's sale is simple already
            if (simple && rate > 5) {
                c.text("简易计税征收率不超过5%");
                return;
            }
            // The typed amount is rounded to the fen first, the tax derived
            // from it is rounded, and the third amount is their difference or
            // sum: the invoice's figures, which add up.
            const bool split = c.holdsNumber(1);
            const bool grossUp = !split && c.holdsNumber(2);
            Num gross = 0, net = 0, tax = 0;
            if (split) {
                gross = Calc::fen(c.read(1));
                net = Calc::fen(gross / ((100 + rate) / 100));
                tax = gross - net;
            } else if (grossUp) {
                net = Calc::fen(c.read(2));
                tax = Calc::fen(net * (rate / 100));
                gross = net + tax;
            }
            const auto capitals = capitalAmount(gross);

            c.result("价税合计", gross);
            c.result("不含税金额", net);
            c.result("税率（%）", rate);
            c.result("税额", tax);
            if (split && c.holdsNumber(2)) c.text("（已按价税合计计算，未使用不含税金额）");
            c.text(capitals ? "价税合计（大写）：人民币" + *capitals
                            : "价税合计（大写）：" + std::string(kCapitalOutOfRange));
            c.blank();
            c.text("销售");
            c.result("应收账款/银行存款（借）", gross);
            c.result("主营业务收入（贷）", net);
            c.result(smallScale ? "应交税费-应交增值税（贷）"
                     : simple   ? "应交税费-简易计税（贷）"
                                : "应交税费-应交增值税（销项税额）（贷）",
                     tax);
            c.blank();
            c.text("采购");
            if (smallScale) {
                // The input tax of a small-scale taxpayer is not deducted: it is part of the cost.
                c.result("库存商品/原材料（借）", gross);
            } else {
                c.result("库存商品/原材料（借）", net);
                c.result("应交税费-应交增值税（进项税额）（借）", tax);
            }
            c.result("应付账款/银行存款（贷）", gross);
        },
    // The longest line, 价税合计（大写）：人民币负 and 28 capitals, 41 characters, stands clear of the fields.
    .printWidth = 41 * 200 + 2 * kPrintInset,
};

}  // namespace bk::calc
