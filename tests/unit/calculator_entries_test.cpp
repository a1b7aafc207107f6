// Properties of calculator entries that hold for every input: the deferred
// income-tax window always prints one entry of four lines with the tax
// payable on its own line, and double-declining depreciation writes off
// exactly the cost over the life. That every entry balances is tested for all
// windows at once.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "support/test_support.h"

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
                const Rows rows =
                    press(69, {{1, liability.end}, {2, liability.start}, {3, asset.end}, {4, asset.start}, {5, tax}});
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
                    if (rows[i][0] == "应交税费-应交所得税（贷）") {
                        ++payable;
                        EXPECT_TRUE(same(amount, std::string(tax).empty() ? 0 : std::stod(tax)));
                    }
                }
                EXPECT_EQ(payable, 1);
            }
}

TEST(CalculatorEntries, DoubleDecliningWritesOffTheCostOverTheLife)
{
    for (int life : {1, 2, 3, 4, 5, 6, 7, 10, 15, 30})
        for (double cost : {1.0, 86000.0, 100000.0, 1234567.89}) {
            SCOPED_TRACE("life " + std::to_string(life) + ", cost " + std::to_string(cost));
            std::ostringstream costText;
            costText.precision(17);
            costText << cost;
            const auto year = [&](const std::string& t) {
                const Rows rows = press(25, {{4, std::to_string(life)}, {5, costText.str()}, {6, t}});
                EXPECT_EQ(rows.size(), 1u);  // one line in every year, inside the life or past it
                EXPECT_EQ(rows.at(0).at(0), "累计折旧");
                return std::stod(rows.at(0).at(1));
            };
            double total = 0;
            for (int t = 1; t <= life; ++t) {
                const double d = year(std::to_string(t));
                EXPECT_GT(d, 0) << "year " << t;
                total += d;
            }
            EXPECT_TRUE(same(total, cost)) << total;
            EXPECT_EQ(year(std::to_string(life + 1)), 0);
            EXPECT_EQ(year(std::to_string(life) + ".5"), 0);
        }
}

}  // namespace
}  // namespace bk::calc
