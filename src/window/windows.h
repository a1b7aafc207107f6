// Every window by name, with its number: the one place where a window's
// number is written. Route rows, links, the catalogue of calculators and the
// tests name a window; the number is what a front end and a session script
// address it by (FormN). A calculator's definition is the object of the
// same name in bk::calc, in the file of its topic (src/calc/windows/).
#pragma once

#include <iterator>

#include "window/toolkit.h"

// clang-format off
#define BK_CALCULATOR_WINDOWS(X) \
    X(2, CashFunds) \
    X(3, ShortTermInvestments) \
    X(4, AccountsReceivable) \
    X(5, OtherReceivables) \
    X(6, LongTermPrepaidExpenses) \
    X(7, AdvancesFromCustomers) \
    X(8, UndistributedProfit) \
    X(9, UnionAndEducationFunds) \
    X(10, InvestmentIncome) \
    X(11, NonOperatingNet) \
    X(12, Prepayments) \
    X(13, WorkingCapital) \
    X(14, BadDebtAllowance) \
    X(15, FinancialProductVat) \
    X(16, WeightedAverageCost) \
    X(17, MaterialsIssued) \
    X(18, CostVarianceRate) \
    X(19, CostVarianceIssued) \
    X(20, ProcessingAtPlannedCost) \
    X(21, ActualCost) \
    X(22, GrossMarginMethod) \
    X(23, RetailMethod) \
    X(24, InventoryWriteDown) \
    X(25, Depreciation) \
    X(26, AccumulatedDepreciation) \
    X(27, FixedAssetImpairment) \
    X(28, IntangibleAmortisation) \
    X(29, AccountsPayable) \
    X(30, FixedAssetsNet) \
    X(31, IntangibleAssetsNet) \
    X(32, UndistributedProfitDistributionFirst) \
    X(33, Inventories) \
    X(34, OperatingProfit) \
    X(35, TotalProfit) \
    X(36, NetProfit) \
    X(37, IncomeTaxExpense) \
    X(38, SocialInsurance) \
    X(39, PayrollTotal) \
    X(40, VatPayable) \
    X(41, SharePremium) \
    X(42, ShareRepurchase) \
    X(43, NewInvestor) \
    X(44, ShareIssue) \
    X(45, EquityMethodReserve) \
    X(46, PeriodEndClosing) \
    X(47, YearEndClosing) \
    X(48, Consignment) \
    X(49, TradeDiscount) \
    X(50, FreightForBuyer) \
    X(51, SaleAndReturn) \
    X(52, OtherBusinessSales) \
    X(53, PercentageOfCompletion) \
    X(54, MembershipFees) \
    X(55, ConsultingContract) \
    X(56, ContractFulfilmentCosts) \
    X(57, IntangibleMonthlyAmortisation) \
    X(58, TaxesAndSurcharges) \
    X(59, OtherExpenses) \
    X(60, AdministrativeExpenses) \
    X(61, BankLoanInterest) \
    X(62, CashDiscount) \
    X(63, StockCountDifferences) \
    X(64, IntangibleResearch) \
    X(65, IntangiblePurchase) \
    X(66, FixedAssetPurchase) \
    X(67, Construction) \
    X(68, NonOperatingExpenses) \
    X(69, IncomeTaxDeferred) \
    X(70, IncomeTaxCurrent) \
    X(71, InvestmentIncomeAccrual) \
    X(72, ClaimsAndAdvances) \
    X(73, TradingSharesPurchase) \
    X(74, Dividends) \
    X(75, TradingBondsPurchase) \
    X(76, FairValueChange) \
    X(77, GoodsWithFreight) \
    X(78, TradingSecuritiesSale) \
    X(79, DepreciationByCostCentre) \
    X(80, FixedAssetDisposal) \
    X(81, AccidentLoss) \
    X(82, PayrollCycle) \
    X(83, PettyCash) \
    X(84, CapitalAndTransfers) \
    X(85, RemittancePurchase) \
    X(86, NoteDiscounting) \
    X(87, RawMaterials) \
    X(88, MaterialsIssuedWithTax) \
    X(89, OutsourcedProcessing) \
    X(90, GoodsDestroyed) \
    X(91, ShortTermInvestmentTrading) \
    X(92, LetterOfCredit) \
    X(93, ManufacturingOverhead) \
    X(94, FinancialExpenses) \
    X(95, SellingExpenses) \
    X(96, ProductionCosts) \
    X(97, MaterialsShortage) \
    X(98, PackagingIssued) \
    X(99, RentalAndPackaging) \
    X(100, NonCashContribution) \
    X(101, PriceAndTaxSplit) \
    X(102, AmountInCapitals) \
    X(103, WageTaxWithholding) \
    X(104, SmallScaleVat)
// clang-format on

namespace bk::win {

enum : FormId {
    Main = kMainForm,
#define BK_WINDOW_NAME(n, name) name = (n),
    BK_CALCULATOR_WINDOWS(BK_WINDOW_NAME)
#undef BK_WINDOW_NAME
};

namespace detail {
constexpr FormId kNumbers[] = {
#define BK_WINDOW_NUMBER(n, name) (n),
    BK_CALCULATOR_WINDOWS(BK_WINDOW_NUMBER)
#undef BK_WINDOW_NUMBER
};
constexpr bool runWithoutGap()
{
    FormId next = kFirstCalculator;
    for (FormId n : kNumbers)
        if (n != next++) return false;
    return true;
}
}  // namespace detail

// The calculators are numbered from kFirstCalculator on, each number once,
// in the order of the list, so that a window added is the next number.
static_assert(detail::runWithoutGap(), "the windows must be numbered from 2 on, in order, without a gap");

// The largest calculator window number.
constexpr FormId kLastCalculator = kFirstCalculator + static_cast<FormId>(std::size(detail::kNumbers)) - 1;

}  // namespace bk::win
