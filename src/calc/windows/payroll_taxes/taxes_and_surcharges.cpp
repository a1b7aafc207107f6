// 税金及附加: the urban-construction tax and the two education surcharges
// are worked out first from the value-added and consumption tax, at the
// taxpayer's urban-construction rate, without the surcharges for small
// sales, and halved for a small taxpayer. The accrual then takes each of
// them as typed, or as worked out where left empty, with the other small
// taxes as typed; the payment follows beside it, usually made the month
// after. A block prints only when its total is not 0, a tax only when its
// amount is not 0.
#include "calc/calculator.h"
#include "calc/rates.h"

namespace bk::calc {

namespace {

// A return for one month unless the user says how many months it covers.
constexpr double kMonthsByDefault = 1;

}  // namespace

extern const CalculatorDef TaxesAndSurcharges{
    .items =
        {field(8, "增值税", "本期实际应纳增值税（含简易计税）"),
         withLabel(withDefault(
                       asPercent(field(10, "城建税税率（%）", "市区7，县城、镇5，其他地区1（城市维护建设税法，2021）")),
                       rates::kUrbanMaintenanceCityPercent),
                   10),
         withLabel(
             field(12, "本期销售额", "本期（月或季）销售额，用于教育费附加、地方教育附加免征判断（财税〔2016〕12号）"),
             12),
         withLabel(withDefault(asMonths(field(13, "所属月数", "按月申报填1，按季申报填3")), kMonthsByDefault), 13),
         withLabel(asCount(field(14, "六税两费减半（填1）",
                                 "增值税小规模纳税人、小型微利企业、个体工商户填1，执行至2027年12月31日（财政部 "
                                 "税务总局公告2023年第12号）；房产税、城镇土地使用税、印花税、资源税请填减半后的金额；"
                                 "一般纳税人按汇算清缴确定的小型微利企业，自当年7月1日至次年6月30日适用")),
                   14),
         nextColumn(), field(1, "消费税"), field(2, "资源税"), field(3, "城建税", "不填按计算金额入账"),
         field(4, "教育费附加", "不填按计算金额入账"), withLabel(field(11, "地方教育附加", "不填按计算金额入账"), 11),
         field(5, "房产税"), field(6, "车船税"), field(7, "城镇土地使用税"),
         withLabel(field(15, "印花税", "按期申报的印花税在此计提"), 15), field(9, "文化事业建设费")},
    .compute =
        [](Calc& c) {
            Num t1 = c.read(1), t2 = c.read(2), t5 = c.read(5), t6 = c.read(6), t7 = c.read(7), v = c.read(8),
                t9 = c.read(9), t15 = c.read(15);
            Num cityRate = c.readOr(10, rates::kUrbanMaintenanceCityPercent);
            const bool salesTyped = c.holdsNumber(12);
            Num sales = c.read(12), months = c.readOr(13, kMonthsByDefault);
            const bool halved = c.read(14) == 1;

            // The tax and both surcharges are levied on the value-added plus
            // consumption tax, each in fen as the return works it out. The
            // relief takes half of each, rounded.
            Num B = v + t1;
            auto levy = [&](const Num& rate) {
                Num x = Calc::fen(B * rate);
                return halved ? x - Calc::fen(x * rates::kSixTaxesTwoFeesRelief) : x;
            };
            Num city = levy(cityRate / 100);
            const bool exempt = salesTyped && sales <= rates::kSurchargeExemptMonthlySales * months;
            Num education = exempt ? Num(0) : levy(rates::kEducationSurcharge);
            Num local = exempt ? Num(0) : levy(rates::kLocalEducationSurcharge);

            // The entry takes an amount typed over the one worked out.
            Num k3 = c.readOr(3, city), k4 = c.readOr(4, education), k11 = c.readOr(11, local);
            // The value-added tax is not an expense.
            Num S = t1 + t2 + k3 + k4 + k11 + t5 + t6 + t7 + t9 + t15;

            // Each tax is accrued on its credit line, then paid on its debit line.
            const struct {
                std::string_view accrued, paid;
                Num amount;
            } taxes[] = {
                {"应交税费-应交消费税（贷）", "应交税费-应交消费税（借）", t1},
                {"应交税费-应交资源税（贷）", "应交税费-应交资源税（借）", t2},
                {"应交税费-应交城市维护建设税（贷）", "应交税费-应交城市维护建设税（借）", k3},
                {"应交税费-应交教育费附加（贷）", "应交税费-应交教育费附加（借）", k4},
                {"应交税费-应交地方教育附加（贷）", "应交税费-应交地方教育附加（借）", k11},
                {"应交税费-应交房产税（贷）", "应交税费-应交房产税（借）", t5},
                {"应交税费-应交车船税（贷）", "应交税费-应交车船税（借）", t6},
                {"应交税费-应交城镇土地使用税（贷）", "应交税费-应交城镇土地使用税（借）", t7},
                {"应交税费-应交印花税（贷）", "应交税费-应交印花税（借）", t15},
                {"应交税费-应交文化事业建设费（贷）", "应交税费-应交文化事业建设费（借）", t9},
            };

            if (S != 0) {
                c.text("计算税金及附加");
                c.result("税金及附加（借）", S);
                for (const auto& tax : taxes)
                    if (tax.amount != 0) c.result(tax.accrued, tax.amount);
                c.blank();

                c.text("交纳税金及附加");
                for (const auto& tax : taxes)
                    if (tax.amount != 0) c.result(tax.paid, tax.amount);
                c.result("银行存款（贷）", S);
                c.blank();
            }

            c.result("城市维护建设税", city);
            c.result("教育费附加", education);
            c.result("地方教育附加", local);
            if (exempt) c.text("月销售额不超过10万元（按季不超过30万元），免征教育费附加、地方教育附加");
            c.text("计税依据应扣除留抵退税额；出口免抵税额计入计税依据");
        },
};

}  // namespace bk::calc
