// The main window's rule table as data: its size, blocks, keys and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_table.h"

namespace {

using bk::lookup::LookupRule;
using bk::lookup::LookupTable;
using bk::lookup::RuleAction;
using Kind = RuleAction::Kind;

const std::vector<LookupRule>& table() { return LookupTable::instance().rules(); }

// Characters (code points) of a UTF-8 text.
size_t charCount(std::string_view s)
{
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

size_t printCount(const LookupRule& r)
{
    return static_cast<size_t>(std::count_if(r.actions.begin(), r.actions.end(),
                                             [](const RuleAction& a) { return a.kind == Kind::PrintLine; }));
}

struct GivenLine {
    int rule;
    std::string_view key;
    size_t line;  // 1-based
    std::string_view text;
};
const GivenLine kGivenLines[] = {
#include "given_lines.inc"
};

struct ReviewedLine {
    int rule;
    std::string_view key;
    std::string_view text;
};
const ReviewedLine kReviewedLines[] = {
#include "reviewed_lines.inc"
};

struct TableKey {
    int rule;
    std::string_view key;
};
const TableKey kTableKeys[] = {
#include "table_keys.inc"
};

struct RouteWindow {
    int rule;
    bk::FormId window;
};
const RouteWindow kRouteWindows[] = {
#include "route_windows.inc"
};

struct MultiRuleKey {
    std::string_view key;
    std::vector<int> rules;
};
const MultiRuleKey kMultiRuleKeys[] = {
#include "multi_rule_keys.inc"
};

TEST(Catalogue, HoldsRules0To485InOrder)
{
    ASSERT_EQ(table().size(), 486u);
    for (size_t i = 0; i < table().size(); ++i) EXPECT_EQ(table()[i].number, static_cast<int>(i));
}

TEST(Catalogue, EveryRuleHasTheKeyOfItsPlace)
{
    ASSERT_EQ(std::size(kTableKeys), 486u);
    for (const TableKey& k : kTableKeys) {
        ASSERT_LT(k.rule, 486);
        EXPECT_EQ(table()[k.rule].key, k.key) << "rule " << k.rule;
    }
}

TEST(Catalogue, BlocksHaveTheirKindsOfAction)
{
    for (const LookupRule& r : table()) {
        ASSERT_FALSE(r.actions.empty()) << "rule " << r.number;
        if (r.number <= 47) {
            ASSERT_EQ(r.actions.size(), 1u) << "rule " << r.number;
            EXPECT_EQ(r.actions[0].kind, Kind::PrintLine) << "rule " << r.number;
        } else if (r.number == 48) {
            EXPECT_EQ(r.key, "");
            ASSERT_EQ(r.actions.size(), 1u);
            EXPECT_EQ(r.actions[0].kind, Kind::ClearOutput);
        } else if (r.number <= 346) {
            EXPECT_LE(r.actions.size(), 9u) << "rule " << r.number;
            EXPECT_EQ(printCount(r), r.actions.size()) << "rule " << r.number;
        } else {
            ASSERT_EQ(r.actions.size(), 1u) << "rule " << r.number;
            EXPECT_EQ(r.actions[0].kind, Kind::OpenWindow) << "rule " << r.number;
        }
    }
}

TEST(Catalogue, CountsActionsOfEachKind)
{
    std::map<Kind, int> count;
    for (const LookupRule& r : table())
        for (const RuleAction& a : r.actions) ++count[a.kind];
    EXPECT_EQ(count[Kind::PrintLine], 524);
    EXPECT_EQ(count[Kind::ClearOutput], 1);
    EXPECT_EQ(count[Kind::OpenWindow], 139);
}

TEST(Catalogue, JournalBlockLineCounts)
{
    std::map<size_t, int> rowsByLines;
    int lines = 0, blank = 0;
    for (int n = 49; n <= 346; ++n) {
        const LookupRule& r = table()[n];
        ++rowsByLines[r.actions.size()];
        for (const RuleAction& a : r.actions) {
            ++lines;
            if (a.text.empty()) ++blank;
        }
    }
    const std::map<size_t, int> expected{{1, 230}, {2, 25}, {3, 21}, {5, 13}, {7, 6}, {8, 1}, {9, 2}};
    EXPECT_EQ(rowsByLines, expected);
    EXPECT_EQ(lines, 476);
    EXPECT_EQ(blank, 49);
}

TEST(Catalogue, KeysAreDistinctExceptTheListedOnes)
{
    std::map<std::string_view, std::vector<int>> rulesByKey;
    for (const LookupRule& r : table()) rulesByKey[r.key].push_back(r.number);
    EXPECT_EQ(rulesByKey.size(), 435u);

    std::map<std::string_view, std::vector<int>> shared;
    for (const auto& [key, rules] : rulesByKey)
        if (rules.size() > 1) shared[key] = rules;
    ASSERT_EQ(std::size(kMultiRuleKeys), 45u);
    EXPECT_EQ(shared.size(), 45u);
    for (const MultiRuleKey& m : kMultiRuleKeys) {
        EXPECT_EQ(shared[m.key], m.rules) << m.key;
        std::vector<int> matched;
        for (const LookupRule* r : LookupTable::instance().match(m.key)) matched.push_back(r->number);
        EXPECT_EQ(matched, m.rules) << m.key;
    }
}

TEST(Catalogue, KeyLengthsAndParentheses)
{
    std::set<std::string_view> keys;
    size_t shortest = 99, longest = 0;
    for (const LookupRule& r : table()) {
        keys.insert(r.key);
        shortest = std::min(shortest, charCount(r.key));
        longest = std::max(longest, charCount(r.key));
        // No key holds a space, a half-width parenthesis or any other ASCII.
        EXPECT_TRUE(
            std::none_of(r.key.begin(), r.key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << "rule " << r.number;
    }
    EXPECT_EQ(shortest, 0u);
    EXPECT_EQ(longest, 12u);
    int fullWidth = 0;
    for (std::string_view k : keys) {
        const bool open = k.find("（") != std::string_view::npos;
        EXPECT_EQ(open, k.find("）") != std::string_view::npos) << k;
        if (open) ++fullWidth;
    }
    EXPECT_EQ(fullWidth, 28);
}

TEST(Catalogue, RoutesOpenTheirWindows)
{
    ASSERT_EQ(std::size(kRouteWindows), 139u);
    for (const RouteWindow& w : kRouteWindows) {
        const LookupRule& r = table()[w.rule];
        ASSERT_EQ(r.actions.size(), 1u) << "rule " << w.rule;
        EXPECT_EQ(r.actions[0].kind, Kind::OpenWindow) << "rule " << w.rule;
        EXPECT_EQ(r.actions[0].window, w.window) << "rule " << w.rule;
    }
}

// Every line given for the formula and journal rules is in the table byte for
// byte, at its rule and line number; a rule whose lines are given has no more.
TEST(Catalogue, GivenLinesAreExact)
{
    std::map<int, size_t> givenLines;
    for (const GivenLine& g : kGivenLines) {
        ASSERT_LE(g.rule, 346);
        const LookupRule& r = table()[g.rule];
        EXPECT_EQ(r.key, g.key) << "rule " << g.rule;
        ASSERT_LE(g.line, r.actions.size()) << "rule " << g.rule;
        const RuleAction& a = r.actions[g.line - 1];
        EXPECT_EQ(a.kind, Kind::PrintLine) << "rule " << g.rule << " line " << g.line;
        EXPECT_EQ(a.text, g.text) << "rule " << g.rule << " line " << g.line;
        givenLines[g.rule] = std::max(givenLines[g.rule], g.line);
    }
    for (const auto& [rule, lines] : givenLines) EXPECT_EQ(table()[rule].actions.size(), lines) << "rule " << rule;
    // All 48 formula rules and every journal rule of more than one line.
    for (int n = 0; n <= 47; ++n) EXPECT_TRUE(givenLines.count(n)) << "rule " << n;
    for (int n = 49; n <= 346; ++n) {
        if (table()[n].actions.size() > 1) {
            EXPECT_TRUE(givenLines.count(n)) << "rule " << n;
        }
    }
}

// The one-line journal rows not given above keep the line format:
// "借：" debit items, then "贷：" credit items, items apart by five or six spaces.
TEST(Catalogue, OtherJournalRowsKeepTheLineFormat)
{
    std::set<int> given;
    for (const GivenLine& g : kGivenLines) given.insert(g.rule);
    int others = 0;
    for (int n = 49; n <= 346; ++n) {
        if (given.count(n)) continue;
        ++others;
        const LookupRule& r = table()[n];
        ASSERT_EQ(r.actions.size(), 1u) << "rule " << n;
        const std::string_view t = r.actions[0].text;
        EXPECT_TRUE(t.starts_with("借：")) << "rule " << n;
        const size_t credit = t.find("贷：");
        ASSERT_NE(credit, std::string_view::npos) << "rule " << n;
        EXPECT_EQ(t.find("贷：", credit + 1), std::string_view::npos) << "rule " << n;
        EXPECT_TRUE(t.substr(credit - 6, 6) == "      " || t.substr(credit - 5, 5) == "     ") << "rule " << n;
        for (std::string_view half : {":", "(", ")", "--"})
            EXPECT_EQ(t.find(half), std::string_view::npos) << "rule " << n;
        EXPECT_NE(t.back(), ' ') << "rule " << n;
        for (size_t i = 0; i < t.size();) {
            if (t[i] != ' ') {
                ++i;
                continue;
            }
            const size_t run = t.find_first_not_of(' ', i) - i;
            EXPECT_TRUE(run == 5 || run == 6) << "rule " << n << ": a run of " << run << " spaces";
            i += run;
        }
    }
    EXPECT_EQ(others, 157);
}

// The corrected entries are one-line rows that print exactly their reviewed
// line.
TEST(Catalogue, ReviewedEntriesAreExact)
{
    ASSERT_EQ(std::size(kReviewedLines), 18u);
    std::set<int> given;
    for (const GivenLine& g : kGivenLines) given.insert(g.rule);
    for (const ReviewedLine& r : kReviewedLines) {
        EXPECT_FALSE(given.count(r.rule)) << "rule " << r.rule;
        const LookupRule& rule = table()[r.rule];
        EXPECT_EQ(rule.key, r.key) << "rule " << r.rule;
        ASSERT_EQ(rule.actions.size(), 1u) << "rule " << r.rule;
        EXPECT_EQ(rule.actions[0].kind, Kind::PrintLine) << "rule " << r.rule;
        EXPECT_EQ(rule.actions[0].text, r.text) << "rule " << r.rule;
    }
}

class Recorder : public bk::lookup::LookupEffects {
public:
    void printLine(std::string_view text) override { log.push_back("print " + std::string(text)); }
    void clearOutput() override { log.push_back("clear"); }
    void openWindow(bk::FormId window) override { log.push_back("open " + std::to_string(window)); }
    std::vector<std::string> log;
};

TEST(Catalogue, LookupRunsAllRulesOfAKeyInOrder)
{
    for (const MultiRuleKey& m : kMultiRuleKeys) {
        std::vector<std::string> expected;
        for (int n : m.rules) {
            Recorder one;
            LookupTable({table()[n]}).lookup(m.key, one);
            expected.insert(expected.end(), one.log.begin(), one.log.end());
        }
        Recorder all;
        LookupTable::instance().lookup(m.key, all);
        EXPECT_EQ(all.log, expected) << m.key;
    }
    Recorder none;
    for (std::string_view k : {"待摊费用", "开立备用", " 开立备用金", "开立备用金 ", "本年利润(贷)", "备用金增加 "})
        LookupTable::instance().lookup(k, none);
    EXPECT_TRUE(none.log.empty());
}

}  // namespace
