// A total split over departments: the shares add up to the total to the fen,
// each in fen, a department of base 0 takes nothing, and the last department
// with a base takes the rounding difference.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "calc/split.h"
#include "num/number_text.h"

namespace bk::calc {
namespace {

Num sum(const std::array<Num, 5>& shares) { return shares[0] + shares[1] + shares[2] + shares[3] + shares[4]; }

std::string shown(const std::array<Num, 5>& shares)
{
    std::string s;
    for (const Num& share : shares) s += formatNumber(share) + " ";
    return s;
}

TEST(CalculatorEntries, SplitInProportionGivesTheWorkedShares)
{
    struct Row {
        double total;
        std::array<double, 5> bases;
        std::array<double, 5> shares;
    };
    const Row rows[] = {
        // The company's contributions of 36190 over four departments' wages.
        {36190, {50000, 10000, 30000, 20000, 0}, {16450, 3290, 9870, 6580, 0}},
        // Thirds: the last department takes the fen left over.
        {100, {1, 1, 1, 0, 0}, {33.33, 33.33, 33.34, 0, 0}},
        // The last department with a base is the third, not the fifth.
        {100, {1, 0, 2, 0, 0}, {33.33, 0, 66.67, 0, 0}},
        {0.01, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0.01}},
        {10, {0, 0, 0, 0, 7}, {0, 0, 0, 0, 10}},
        // Nothing to split by: nothing split.
        {500, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        std::array<Num, 5> bases;
        std::array<Num, 5> expected;
        for (std::size_t i = 0; i < 5; ++i) {
            bases[i] = row.bases[i];
            expected[i] = row.shares[i];
        }
        EXPECT_EQ(shown(splitInProportion(Num(row.total), bases)), shown(expected)) << "total " << row.total;
    }
}

TEST(CalculatorEntries, SplitBalancesToTheFenForRandomBases)
{
    std::mt19937 random(43);
    std::uniform_int_distribution<int> fen(0, 10000000);
    std::uniform_int_distribution<int> coin(0, 2);
    std::uniform_int_distribution<int> percent(0, 1000);
    for (int round = 0; round < 2000; ++round) {
        std::array<Num, 5> bases;
        bool any = false;
        for (Num& base : bases) {
            base = coin(random) == 0 ? Num(0) : Num(fen(random)) / 100;  // a third of them 0
            any = any || base != 0;
        }
        const Num total = Num(fen(random)) / 100;
        const Num rate = Num(percent(random)) / 10000;
        const std::array<Num, 5> proportional = splitInProportion(total, bases);
        const std::array<Num, 5> rated =
            split(roundToFen(sum(bases) * rate), bases, [&rate](const Num& base) { return base * rate; });
        for (const auto& shares : {proportional, rated}) {
            for (std::size_t i = 0; i < 5; ++i) {
                EXPECT_EQ(roundToFen(shares[i]), shares[i]) << shown(shares);
                if (bases[i] == 0) {
                    EXPECT_EQ(shares[i], Num(0)) << shown(shares);
                }
            }
        }
        if (any) {
            EXPECT_EQ(sum(proportional), total) << shown(proportional);
            EXPECT_EQ(sum(rated), roundToFen(sum(bases) * rate)) << shown(rated);
        } else {
            EXPECT_EQ(sum(proportional), Num(0));
        }
    }
}

}  // namespace
}  // namespace bk::calc
