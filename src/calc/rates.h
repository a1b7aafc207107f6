// The statutory rates the calculators work with, each once, by name, with
// the rule that sets it. A rate is written as the decimal the rule states:
// an amount multiplied by it is exact (0.13 is 13/100, see Num).
//
// These are the rates the windows apply; where a rule has since changed or a
// rate is in fact set locally, the comment says so.
#pragma once

namespace bk::calc::rates {

// 增值税 (value-added tax) of a general taxpayer.
// 13 %: sales of goods, processing and repairs, leases of movable property
// (增值税法 第十条第一项; 13 % since 2019-04-01, 财政部 税务总局 海关总署公告2019年第39号).
inline constexpr double kVatGoods = 0.13;
// 6 %: modern services, among them the commission on a consignment sale
// (增值税法 第十条第三项).
inline constexpr double kVatServices = 0.06;
// 6 %: the transfer of a financial product, on the price difference taken as
// tax-inclusive (营业税改征增值税试点有关事项的规定, 财税〔2016〕36号 附件2).
inline constexpr double kVatFinancialTransfer = 0.06;

// Surcharges on the value-added and consumption tax paid.
// 城市维护建设税 where the taxpayer is in a city (城市维护建设税法 第四条).
inline constexpr double kUrbanMaintenanceCity = 0.07;
// 教育费附加 (征收教育费附加的暂行规定 第三条).
inline constexpr double kEducationSurcharge = 0.03;

// 企业所得税 (企业所得税法 第四条).
inline constexpr double kIncomeTax = 0.25;

// Deduction limits of wage-linked costs, as shares of the wages
// (企业所得税法实施条例 第四十条、第四十一条; 财税〔2018〕51号).
inline constexpr double kWelfareDeductionLimit = 0.14;
inline constexpr double kUnionDuesDeductionLimit = 0.02;
inline constexpr double kStaffEducationDeductionLimit = 0.08;

// Payroll funds accrued on the wages.
// 工会经费: 2 % of the wages (工会法 第四十三条).
inline constexpr double kUnionDues = 0.02;
// 职工教育经费, accrued at the share that is deductible (财税〔2018〕51号).
inline constexpr double kStaffEducationFund = 0.08;

// Social insurance and the housing fund on the wage bill, the company's and
// the employee's share. The national rates of the late 1990s (养老保险:
// 国发〔1997〕26号; 失业保险条例; 医疗保险: 国发〔1998〕44号; 住房公积金管理条例
// leaves its rate to each city). Since 2019-05-01 the company's pension share
// is at most 16 % (国办发〔2019〕13号), maternity insurance is merged into
// medical insurance, and the other rates are set by each city.
inline constexpr double kPensionCompany = 0.2;
inline constexpr double kPensionEmployee = 0.08;
inline constexpr double kUnemploymentCompany = 0.015;
inline constexpr double kUnemploymentEmployee = 0.005;
inline constexpr double kMedicalCompany = 0.08;
inline constexpr double kMedicalEmployee = 0.02;
inline constexpr double kWorkInjuryCompany = 0.005;
inline constexpr double kMaternityCompany = 0.008;
inline constexpr double kHousingFundCompany = 0.105;
inline constexpr double kHousingFundEmployee = 0.105;

// 个人所得税 withheld on wages by the cumulative method (累计预扣法):
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
    double rate;
    double quickDeduction;
};
// 个人所得税预扣率表一 (居民个人工资、薪金所得预扣预缴适用), 国家税务总局公告2018年第61号 附件.
inline constexpr WithholdingBracket kWageWithholding[] = {
    {36000, 3, 0},       {144000, 10, 2520},  {300000, 20, 16920}, {420000, 25, 31920},
    {660000, 30, 52920}, {960000, 35, 85920}, {0, 45, 181920},
};

}  // namespace bk::calc::rates
