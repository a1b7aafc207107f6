// A small-scale taxpayer's value-added tax for the month or the quarter: the
// tax on the sales at the levy rate, booked at the sale; while the sales stay
// within the exemption threshold the tax not invoiced on special VAT invoices
// is exempt and moves to 营业外收入 (财会〔2013〕24号, under 小企业会计准则);
// the rest is paid.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

namespace {

// A return for one month unless the user says how many months it covers.
constexpr double kMonthsByDefault = 1;

}  // namespace

extern const CalculatorDef SmallScaleVat{
    .items = {field(1, "本期销售额（不含税）",
                    "按下栏征收率计税的销售额，含开具专用发票的部分；不含税＝含税÷（1＋征收率）"),
              withDefault(asPercent(field(2, "征收率（%）",
                                          "3%征收率减按1%征收至2027年12月31日（财政部 税务总局公告2023年第19号）；"
                                          "放弃减征填3；出租不动产5；销售不动产不适用免税")),
                          rates::kVatSmallScalePercent),
              field(3, "其中：专用发票销售额", "开具增值税专用发票的部分，照章纳税"),
              field(4, "其他销售额（不含税）", "其他征收率的销售额（不含销售不动产），只用于判断免税标准"),
              withDefault(asMonths(field(5, "所属月数", "按月申报填1，按季申报填3")), kMonthsByDefault)},
    .compute =
        [](Calc& c) {
            const Num A = c.read(1), Z = c.read(3), Q = c.read(4);
            const Num r = c.readOr(2, rates::kVatSmallScalePercent);
            const Num m = c.readOr(5, kMonthsByDefault);
            if (r != 1 && r != 3 && r != 5) {
                c.text("征收率应为1、3或5");
                return;
            }
            if (m != 1 && m != 3) {
                c.text("所属月数应为1或3");
                return;
            }
            if (A < 0 || Z < 0 || Q < 0 || Z > A) {
                c.text("销售额不能为负数，专用发票销售额不能超过本期销售额");
                return;
            }
            // The tax as the return works it out, in fen; the exempt part is
            // the tax less that on the special invoices, so the two add up.
            const Num T = Calc::fen(A * (r / 100));
            const bool exempt = A + Q <= rates::kVatSmallScaleExemptMonthlySales * m;
            const Num E = exempt ? T - Calc::fen(Z * (r / 100)) : Num(0);
            const Num P = T - E;

            c.result("本期销售额", A);
            c.result("征收率（%）", r);
            c.result("税额", T);
            c.result("免税额", E);
            c.result("应交增值税", P);
            c.text(exempt ? "合计销售额未超过月10万元（季30万元），免征增值税；专用发票部分照章纳税"
                          : "合计销售额超过月10万元（季30万元），全额纳税");
            c.blank();
            c.text("本期销售");
            c.result("应收账款/银行存款（借）", A + T);
            c.result("主营业务收入（贷）", A);
            c.result("应交税费-应交增值税（贷）", T);
            c.blank();
            if (E > 0) {
                c.entry("免征增值税", "应交税费-应交增值税（借）", "营业外收入（贷）", E);
                c.blank();
            }
            if (P > 0) c.entry("缴纳增值税", "应交税费-应交增值税（借）", "银行存款（贷）", P);
        },
    // The longest line, the note on the exemption, 37 characters, stands clear of the fields.
    .printWidth = 37 * 200 + 2 * kPrintInset,
};

}  // namespace bk::calc
