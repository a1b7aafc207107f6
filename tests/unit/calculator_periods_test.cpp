// With amounts kept to the fen, a total spread over periods is paid or booked
// in fen every period, and the periods add up to the total: the last period
// takes the difference and prints on a line of its own where it differs.
// Checked on the printed amounts, read back exactly.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "num/number_text.h"
#include "support/test_support.h"
#include "window/windows.h"

namespace bk::calc {
namespace {

using test::Rows;

// The amount printed on the line with this caption, if there is one.
std::optional<Num> line(const Rows& rows, std::string_view caption)
{
    for (const auto& row : rows)
        if (row.size() == 2 && row[0] == caption) return readNumber(row[1]);
    return std::nullopt;
}

bool inFen(const Num& v) { return roundToFen(v) == v; }

// An amount in fen as printed: in full below 10^13.
std::string text(const Num& v) { return formatNumber(v); }

// An amount within half a fen of the exact one.
bool toTheFen(const Num& printed, const Num& exact) { return roundToFen(exact) == printed; }

// Form28: the years add up to the cost, and the months of each year to the year.
TEST(CalculatorEntries, AmortisationPeriodsAddUpToTheCost)
{
    for (const char* cost : {"1000", "100000", "50000", "1234567.89", "0.05", "99.99", "-1000"})
        for (int years : {1, 2, 3, 5, 7, 10, 12, 36}) {
            SCOPED_TRACE(std::string(cost) + " over " + std::to_string(years) + " years");
            const Rows rows =
                test::press(win::IntangibleAmortisation, {{1, cost}, {2, std::to_string(years)}}, Amounts::Fen);
            const Num year = line(rows, "累计摊销（年）").value();
            const Num month = line(rows, "累计摊销（月）").value();
            const Num yearsLastMonth = line(rows, "累计摊销（每年最后一个月）").value_or(month);
            const Num lastYear = line(rows, "累计摊销（最后一年）").value_or(year);
            const Num lastYearsLastMonth = line(rows, "累计摊销（最后一年最后一个月）").value_or(yearsLastMonth);
            // The last year's month prints with the last year, never without it.
            EXPECT_EQ(line(rows, "累计摊销（最后一年）").has_value(),
                      line(rows, "累计摊销（最后一年最后一个月）").has_value());
            for (const Num& v : {year, month, yearsLastMonth, lastYear, lastYearsLastMonth})
                EXPECT_TRUE(inFen(v)) << formatNumber(v);
            EXPECT_TRUE(toTheFen(year, readNumber(cost) / years));
            EXPECT_TRUE(toTheFen(month, year / 12));
            EXPECT_EQ(text(11 * month + yearsLastMonth), text(year));
            EXPECT_EQ(text(11 * month + lastYearsLastMonth), text(lastYear));
            EXPECT_EQ(text((years - 1) * year + lastYear), text(readNumber(cost)));
        }
}

// Form61: the months' interest adds up to the interest of the term, which is
// the exact interest to the fen.
TEST(CalculatorEntries, LoanInterestMonthsAddUpToTheTerm)
{
    for (const char* loan : {"200000", "100000", "1234567.89", "3000", "-50000"})
        for (const char* rate : {"0.031", "0.0435", "0.06", "0.1"})
            for (int months : {1, 2, 3, 6, 7, 12, 24}) {
                SCOPED_TRACE(std::string(loan) + " at " + rate + " for " + std::to_string(months) + " months");
                const Rows rows = test::press(win::BankLoanInterest,
                                              {{1, loan}, {2, std::to_string(months)}, {3, rate}}, Amounts::Fen);
                const Num month = line(rows, "应付利息（贷）").value();
                const Num last = line(rows, "最后一个月利息").value_or(month);
                const Num term = line(rows, "本年利润").value();
                for (const Num& v : {month, last, term}) EXPECT_TRUE(inFen(v)) << formatNumber(v);
                const Num yearly = readNumber(loan) * readNumber(rate);
                EXPECT_TRUE(toTheFen(month, yearly / 12));
                EXPECT_TRUE(toTheFen(term, yearly * months / 12));
                EXPECT_EQ(text((months - 1) * month + last), text(term));
            }
}

}  // namespace
}  // namespace bk::calc
