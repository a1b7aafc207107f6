// The statutory rates and thresholds the calculators work with, each once,
// by name, with the rule that sets it. A rate is written as the decimal the
// rule states: an amount multiplied by it is exact (0.13 is 13/100, see Num).
// A rate that the user may change stands in a field that takes whole
// percentages ("（%）", 16 for 16 %); its default is written as the field takes
// it, and its name ends in Percent. The windows read such a field with
// Calc::readOr and the same name they give withDefault.
//
// The program does not read the date: where a rate is a relief that ends, or a
// rate is in fact set locally, the comment says so, and so does the field's
// tooltip where the user types it.
#pragma once

namespace bk::calc::rates {

// ---- 增值税 (value-added tax)

// 13 %: sales of goods, processing and repairs, leases of movable property
// (增值税法 第十条第一项; 13 % since 2019-04-01, 财政部 税务总局 海关总署公告2019年第39号).
inline constexpr double kVatGoodsPercent = 13;
// 6 %: modern services, among them the commission on a consignment sale and
// the service of a contract (增值税法 第十条第三项).
inline constexpr double kVatServicesPercent = 6;
// 6 %: the transfer of a financial product, on the price difference taken as
// tax-inclusive (营业税改征增值税试点有关事项的规定, 财税〔2016〕36号 附件2).
// A small-scale taxpayer pays 3 %, levied at 1 % until 2027-12-31
// (财政部 税务总局公告2023年第19号); the user types that rate.
inline constexpr double kVatFinancialTransferPercent = 6;

// A small-scale taxpayer's 3 % levy rate, levied at 1 % until 2027-12-31;
// its sales are exempt while the month's sales stay at or below 100,000 (per
// quarter three times it), the part invoiced on special VAT invoices taxed
// as usual (财政部 税务总局公告2023年第19号).
inline constexpr double kVatSmallScalePercent = 1;
inline constexpr double kVatSmallScaleExemptMonthlySales = 100000;

// ---- Surcharges on the value-added and consumption tax paid

// 城市维护建设税 where the taxpayer is in a city; 5 % in a county town or
// town, 1 % elsewhere (城市维护建设税法 第四条, in force since 2021-09-01).
inline constexpr double kUrbanMaintenanceCityPercent = 7;
// 教育费附加 (征收教育费附加的暂行规定 第三条, 1986).
inline constexpr double kEducationSurcharge = 0.03;
// 地方教育附加 (财综〔2010〕98号).
inline constexpr double kLocalEducationSurcharge = 0.02;
// Both education surcharges are exempt while the sales of the month stay at
// or below this amount (per quarter three times it) (财税〔2016〕12号).
inline constexpr double kSurchargeExemptMonthlySales = 100000;
// 六税两费: a small-scale taxpayer, a small low-profit enterprise and an
// individual business pay half of the urban-construction tax and of both
// education surcharges (among others), until 2027-12-31
// (财政部 税务总局公告2023年第12号).
inline constexpr double kSixTaxesTwoFeesRelief = 0.5;

// ---- 企业所得税 (enterprise income tax)

// 25 % (企业所得税法 第四条).
inline constexpr double kIncomeTax = 0.25;
// 小型微利企业: a quarter of the taxable income is taxed at 20 %, 5 % in
// effect, while the taxable income of the year is at most 3,000,000, until
// 2027-12-31 (财政部 税务总局公告2023年第12号).
inline constexpr double kSmallLowProfitIncomeShare = 0.25;
inline constexpr double kSmallLowProfitRate = 0.2;
inline constexpr double kSmallLowProfitIncomeLimit = 3000000;

// Deduction limits of wage-linked costs, as shares of the wages
// (企业所得税法实施条例 第四十条、第四十一条; 财税〔2018〕51号).
inline constexpr double kWelfareDeductionLimit = 0.14;
inline constexpr double kUnionDuesDeductionLimit = 0.02;
inline constexpr double kStaffEducationDeductionLimit = 0.08;

// ---- Payroll funds accrued on the wages

// 工会经费: 2 % of the wages (工会法 第四十三条).
inline constexpr double kUnionDuesPercent = 2;
// 职工教育经费: 1.5 % of the wages, 2.5 % where the work asks for much
// training (财建〔2006〕317号; whether it is still the reference in 2026 is
// not confirmed, and a firm may accrue by its own policy). The 8 % of
// 财税〔2018〕51号 is the tax-deduction limit above, not an accrual rate.
inline constexpr double kStaffEducationFundPercent = 1.5;

// ---- Social insurance on the wage bill, the company's and the employee's share

// 养老保险: the company pays 16 % since 2019-05-01 (国办发〔2019〕13号), the
// employee 8 % (国发〔2005〕38号).
inline constexpr double kPensionEmployerPercent = 16;
inline constexpr double kPensionEmployeePercent = 8;
// 失业保险: 失业保险条例 第六条 sets 2 % for the company and 1 % for the
// employee; a phased cut keeps the two at 1 % together, 0.5 % each here.
// Whether it holds in 2026 is set province by province.
inline constexpr double kUnemploymentEmployerPercent = 0.5;
inline constexpr double kUnemploymentEmployeePercent = 0.5;
// 医疗保险: the employee pays 2 % (国发〔1998〕44号). The company's medical
// rate, the work-injury rate (by industry class, 人社部发〔2015〕71号) and the
// housing fund (at least 5 %, 住房公积金管理条例 第十八条; at most 12 %,
// 建金管〔2005〕5号) are set by each city and have no default.
inline constexpr double kMedicalEmployeePercent = 2;
// 生育保险 is merged into medical insurance (国办发〔2019〕10号); a few cities
// still bill it apart.
inline constexpr double kMaternityEmployerPercent = 0;

// ---- 个人所得税 (individual income tax) withheld on wages

// Withheld by the cumulative method (累计预扣法):
// 个人所得税扣缴申报管理办法（试行）, 国家税务总局公告2018年第61号, 第六条.
// The year's deduction so far is 5000 for each month of the year in the
// company (个人所得税法 第六条第一款第一项: 60000 a year).
inline constexpr double kWageMonthDeduction = 5000;
// An employee who was with the company every month of the year before and
// earned no more than 60000 in wages that year has the whole year's 60000
// deducted from the first month (国家税务总局公告2020年第19号).
inline constexpr double kWageYearDeduction = 60000;

// A row of the withholding table: taxable income so far up to `upTo` (0: no
// upper bound; a bound belongs to its row), the rate in percent and the
// quick deduction (速算扣除数).
struct WithholdingBracket {
    double upTo;
    double ratePercent;
    double quickDeduction;
};
// 个人所得税预扣率表一 (居民个人工资、薪金所得预扣预缴适用), 国家税务总局公告2018年第61号 附件.
inline constexpr WithholdingBracket kWageWithholding[] = {
    {36000, 3, 0},       {144000, 10, 2520},  {300000, 20, 16920}, {420000, 25, 31920},
    {660000, 30, 52920}, {960000, 35, 85920}, {0, 45, 181920},
};

}  // namespace bk::calc::rates
