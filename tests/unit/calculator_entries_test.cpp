// Properties of calculator entries that hold for every input: the deferred
// income-tax window always prints one entry of four lines with the tax
// payable on its own line, depreciation writes off exactly the cost (less
// the residual) over the life, and the periods of a total add up to it, to
// the fen too. That every entry balances is tested for all windows at once.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/general_standard.h"
#include "num/number_text.h"
#include "support/test_support.h"
#include "window/windows.h"

namespace bk::calc {
namespace {

using test::press;
using test::Rows;

// The amounts are read back from the printed text, so they agree to the
// digits printed.
bool same(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

TEST(CalculatorEntries, DeferredIncomeTaxPrintsOneEntryForEveryMovement)
{
    // Each movement falls, stays or rises; the year-start balances vary so
    // that a movement of 0 comes from equal non-zero balances too.
    struct Movement {
        const char* start;
        const char* end;
    };
    const Movement movements[] = {{"5000", "3000"}, {"2500", "2500"}, {"", ""}, {"1000.5", "4000.25"}};
    for (const Movement& liability : movements)
        for (const Movement& asset : movements)
            for (const char* tax : {"", "30000", "15600.8"}) {
                Rows rows =
                    press(win::IncomeTaxDeferred,
                          {{1, liability.end}, {2, liability.start}, {3, asset.end}, {4, asset.start}, {5, tax}});
                // The note of the small-enterprise standard and the label come first.
                ASSERT_GE(rows.size(), 2u);
                EXPECT_EQ(rows[0], Rows::value_type{std::string(calc::kNoteTaxesPayableMethod)});
                EXPECT_EQ(rows[1], Rows::value_type{std::string(calc::kGeneralStandardLabel)});
                rows.erase(rows.begin(), rows.begin() + 2);
                SCOPED_TRACE(std::string("L ") + liability.start + "→" + liability.end + ", A " + asset.start + "→" +
                             asset.end + ", Q " + tax);
                ASSERT_EQ(rows.size(), 4u);
                EXPECT_EQ(rows[0][0], "所得税费用（借）");
                int payable = 0;
                for (size_t i = 0; i < rows.size(); ++i) {
                    ASSERT_EQ(rows[i].size(), 2u);
                    const double amount = std::stod(rows[i][1]);
                    // Only the expense may be negative; a fall prints as a positive amount.
                    if (i > 0) {
                        EXPECT_GE(amount, 0) << rows[i][0];
                    }
                    if (rows[i][0] == "应交税费-应交企业所得税（贷）") {
                        ++payable;
                        EXPECT_TRUE(same(amount, std::string(tax).empty() ? 0 : std::stod(tax)));
                    }
                }
                EXPECT_EQ(payable, 1);
            }
}

// The amount of the last row with this caption, or nothing when none has it.
std::optional<Num> amount(const Rows& rows, std::string_view caption)
{
    std::optional<Num> found;
    for (const auto& row : rows)
        if (row.size() == 2 && row[0] == caption) found = readNumber(row[1]);
    return found;
}

// To the fen the amounts add up exactly and each is in fen; exact, they
// agree to the digits printed.
void expectSum(const Num& sum, const Num& total, Amounts amounts)
{
    if (amounts == Amounts::Fen) {
        EXPECT_EQ(sum, total) << formatNumber(sum) << "≠" << formatNumber(total);
    } else {
        EXPECT_TRUE(same(sum.toDouble(), total.toDouble())) << formatNumber(sum) << "≠" << formatNumber(total);
    }
}

void expectInFen(const Num& v, Amounts amounts)
{
    if (amounts == Amounts::Fen) {
        EXPECT_EQ(roundToFen(v), v) << formatNumber(v);
    }
}

const Amounts kBothModes[] = {Amounts::Exact, Amounts::Fen};
const char* const kCosts[] = {"1", "86000", "100000", "1234567.89", "999.99"};

TEST(CalculatorEntries, DoubleDecliningWritesOffTheCostOverTheLife)
{
    for (Amounts amounts : kBothModes)
        for (int life : {1, 2, 3, 4, 5, 6, 7, 10, 15, 30})
            for (const char* cost : kCosts) {
                SCOPED_TRACE(std::string("life ") + std::to_string(life) + ", cost " + cost +
                             (amounts == Amounts::Fen ? ", to the fen" : ", exact"));
                const auto year = [&](const std::string& t) {
                    return press(win::Depreciation, {{4, std::to_string(life)}, {5, cost}, {6, t}}, amounts);
                };
                Num total = 0;
                for (int t = 1; t <= life; ++t) {
                    const Rows rows = year(std::to_string(t));
                    EXPECT_EQ(rows.size(), 1u);  // one line in every year of the life
                    const Num d = amount(rows, "累计折旧").value_or(-1);
                    EXPECT_GT(d, 0) << "year " << t << ": " << formatNumber(d);
                    expectInFen(d, amounts);
                    total = total + d;
                }
                expectSum(total, readNumber(cost), amounts);
                const Rows past = year(std::to_string(life + 1));
                ASSERT_EQ(past.size(), 1u);
                EXPECT_EQ(amount(past, "累计折旧"), Num(0));
                EXPECT_TRUE(year(std::to_string(life) + ".5").empty());  // not a whole year
            }
}

TEST(CalculatorEntries, SumOfTheYearsDigitsWritesOffTheCostLessTheResidual)
{
    for (Amounts amounts : kBothModes)
        for (int life : {1, 2, 3, 5, 7, 12})
            for (const char* cost : kCosts)
                for (const char* residual : {"", "0.5", "0.99"}) {
                    SCOPED_TRACE(std::string("life ") + std::to_string(life) + ", cost " + cost + ", residual " +
                                 residual + (amounts == Amounts::Fen ? ", to the fen" : ", exact"));
                    Num total = 0;
                    for (int u = 1; u <= life; ++u) {
                        const Rows rows = press(
                            win::Depreciation,
                            {{10, std::to_string(u)}, {11, std::to_string(life)}, {12, cost}, {13, residual}}, amounts);
                        ASSERT_EQ(rows.size(), 2u) << "year " << u;
                        // To the fen a year of a tiny cost over a long life may be 0.
                        const Num f = amount(rows, "累计折旧（当期）").value_or(-1);
                        EXPECT_TRUE(amounts == Amounts::Fen ? f >= 0 : f > 0)
                            << "year " << u << ": " << formatNumber(f);
                        expectInFen(f, amounts);
                        total = total + f;
                    }
                    expectSum(total, readNumber(cost) - readNumber(residual), amounts);
                }
}

// Straight-line, to the fen: the months of a year add up to the year, those
// of the last year to it, and the years of a whole life to the cost less the
// residual value, rounded to the fen; the last month and the last year are
// printed only when they differ.
TEST(CalculatorEntries, StraightLinePeriodsAddUpToTheFen)
{
    struct Case {
        const char* rate;
        int life;
        const char* cost;
    };
    const Case cases[] = {{"0.05", 10, "50000"},      {"0.05", 3, "10000"}, {"", 7, "1000"},
                          {"0.03", 36, "1234567.89"}, {"0.1", 1, "999.99"}, {"0.99", 12, "0.01"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string("rate ") + k.rate + ", life " + std::to_string(k.life) + ", cost " + k.cost);
        const Rows rows =
            press(win::Depreciation, {{1, k.rate}, {2, std::to_string(k.life)}, {3, k.cost}}, Amounts::Fen);
        const Num year = amount(rows, "累计折旧").value_or(-1);
        const Num month = amount(rows, "累计折旧（月）").value_or(-1);
        const Num lastYear = amount(rows, "累计折旧（最后一年）").value_or(year);
        const Num lastMonth = amount(rows, "累计折旧（每年最后一个月）").value_or(month);
        const Num lastOfAll = amount(rows, "累计折旧（最后一年最后一个月）").value_or(lastMonth);
        EXPECT_NE(amount(rows, "累计折旧（最后一年）"), year);
        EXPECT_NE(amount(rows, "累计折旧（每年最后一个月）"), month);
        for (const Num& v : {year, month, lastYear, lastMonth, lastOfAll}) expectInFen(v, Amounts::Fen);
        EXPECT_EQ(month * 11 + lastMonth, year);
        EXPECT_EQ(month * 11 + lastOfAll, lastYear);
        const Num cost = readNumber(k.cost);
        EXPECT_EQ(year * (k.life - 1) + lastYear, cost - roundToFen(cost * readNumber(k.rate)));
    }
}

// Form54 releases a year's fee in twelve months: to the fen eleven equal
// months and the last add up to the fee.
TEST(CalculatorEntries, MembershipMonthsAddUpToTheFee)
{
    for (const char* fee : {"1000", "1200", "0.01", "3600.07", "1234567.89", "-100"}) {
        SCOPED_TRACE(std::string("fee ") + fee);
        const Rows rows = press(win::MembershipFees, {{1, fee}, {2, "0.06"}}, Amounts::Fen);
        // The first 预收账款（借） is every month's, a second the last month's.
        std::vector<Num> months;
        for (const auto& row : rows)
            if (row.size() == 2 && row[0] == "预收账款（借）") months.push_back(readNumber(row[1]));
        ASSERT_FALSE(months.empty());
        ASSERT_LE(months.size(), 2u);
        if (months.size() == 2) {
            EXPECT_NE(months[0], months[1]);
        }
        for (const Num& m : months) expectInFen(m, Amounts::Fen);
        EXPECT_EQ(months[0] * 11 + months.back(), readNumber(fee));
    }
}

}  // namespace
}  // namespace bk::calc
