// The main window's rule table as data: its size, blocks, keys and the form
// of its texts. The texts themselves are checked by the whole-catalogue
// transcript.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_table.h"

namespace {

using bk::lookup::Catalogue;
using bk::lookup::LookupRule;
using bk::lookup::LookupTable;
using bk::lookup::RuleAction;
using bk::lookup::RuleBlock;
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

// The rules of one block of the built-in table.
std::span<const LookupRule> block(Catalogue catalogue)
{
    for (const RuleBlock& b : bk::lookup::builtInBlocks())
        if (b.catalogue == catalogue)
            return std::span(table()).subspan(static_cast<size_t>(b.first), static_cast<size_t>(b.count));
    return {};
}

TEST(Catalogue, HoldsRules0To485InOrder)
{
    ASSERT_EQ(table().size(), 486u);
    for (size_t i = 0; i < table().size(); ++i) EXPECT_EQ(table()[i].number, static_cast<int>(i));
}

TEST(Catalogue, BlocksFollowEachOtherInTableOrder)
{
    struct Expected {
        Catalogue catalogue;
        int first, count;
    };
    const Expected expected[] = {
        {Catalogue::Formulas, 0, 48},
        {Catalogue::ClearOutput, 48, 1},
        {Catalogue::Journal, 49, 298},
        {Catalogue::Routes, 347, 139},
    };
    const auto blocks = bk::lookup::builtInBlocks();
    ASSERT_EQ(blocks.size(), std::size(expected));
    for (size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].catalogue, expected[i].catalogue) << i;
        EXPECT_EQ(blocks[i].first, expected[i].first) << i;
        EXPECT_EQ(blocks[i].count, expected[i].count) << i;
    }
}

TEST(Catalogue, BlocksHaveTheirKindsOfAction)
{
    for (const LookupRule& r : table()) ASSERT_FALSE(r.actions.empty()) << "rule " << r.number;
    for (const LookupRule& r : block(Catalogue::Formulas)) {
        ASSERT_EQ(r.actions.size(), 1u) << "rule " << r.number;
        EXPECT_EQ(r.actions[0].kind, Kind::PrintLine) << "rule " << r.number;
    }
    const auto clear = block(Catalogue::ClearOutput);
    ASSERT_EQ(clear.size(), 1u);
    EXPECT_EQ(clear[0].key, "");
    ASSERT_EQ(clear[0].actions.size(), 1u);
    EXPECT_EQ(clear[0].actions[0].kind, Kind::ClearOutput);
    for (const LookupRule& r : block(Catalogue::Journal)) {
        EXPECT_LE(r.actions.size(), 9u) << "rule " << r.number;
        EXPECT_EQ(printCount(r), r.actions.size()) << "rule " << r.number;
    }
    for (const LookupRule& r : block(Catalogue::Routes)) {
        ASSERT_EQ(r.actions.size(), 1u) << "rule " << r.number;
        EXPECT_EQ(r.actions[0].kind, Kind::OpenWindow) << "rule " << r.number;
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
    for (const LookupRule& r : block(Catalogue::Journal)) {
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

// The keys that belong to several rules, with those rules in table order.
std::map<std::string_view, std::vector<int>> sharedKeys()
{
    std::map<std::string_view, std::vector<int>> rulesByKey;
    for (const LookupRule& r : table()) rulesByKey[r.key].push_back(r.number);
    std::erase_if(rulesByKey, [](const auto& entry) { return entry.second.size() < 2; });
    return rulesByKey;
}

TEST(Catalogue, KeysAreDistinctButForAFew)
{
    std::set<std::string_view> keys;
    for (const LookupRule& r : table()) keys.insert(r.key);
    EXPECT_EQ(keys.size(), 435u);
    const auto shared = sharedKeys();
    EXPECT_EQ(shared.size(), 45u);
    for (const auto& [key, rules] : shared) {
        std::vector<int> matched;
        for (const LookupRule* r : LookupTable::instance().match(key)) matched.push_back(r->number);
        EXPECT_EQ(matched, rules) << key;
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

// A key's initials and subject stand on its first row only, so that two rows
// of one key cannot disagree about them; every key has both.
TEST(Catalogue, InitialsAndSubjectStandOnTheFirstRowOfEachKey)
{
    EXPECT_EQ(bk::lookup::keyRowFaults(table()), std::vector<std::string>{});
    for (const auto& k : LookupTable::instance().keys()) {
        EXPECT_FALSE(k.initials.empty()) << k.key;
        EXPECT_NE(k.subject, bk::lookup::kNoSubject) << k.key;
    }

    using bk::lookup::printRule;
    using bk::lookup::routeRule;
    const LookupRule clear{0, "", {{Kind::ClearOutput, {}, 0}}, {}, bk::lookup::kNoSubject};
    struct Case {
        std::string_view what;
        std::vector<LookupRule> rules;
        std::vector<std::string> faults;
    };
    const Case cases[] = {
        {"sound", {printRule("甲", "j", bk::lookup::kCash, {"一"}), clear, routeRule("甲", 5)}, {}},
        {"first row names nothing",
         {printRule("甲", {"一"}), routeRule("甲", "j", bk::lookup::kCash, 5)},
         {"rule 0 (甲): the key's first row names no initials", "rule 0 (甲): the key's first row names no subject",
          "rule 1 (甲): a later row of the key names initials or a subject again"}},
        {"later row repeats them",
         {printRule("甲", "j", bk::lookup::kCash, {"一"}), routeRule("甲", "j", bk::lookup::kCash, 5)},
         {"rule 1 (甲): a later row of the key names initials or a subject again"}},
        {"later row names another subject",
         {printRule("甲", "j", bk::lookup::kCash, {"一"}), routeRule("甲", {}, bk::lookup::kTaxes, 5)},
         {"rule 1 (甲): a later row of the key names initials or a subject again"}},
        {"empty key with a subject",
         {routeRule("乙", "y", bk::lookup::kTaxes, 3), printRule("", {}, bk::lookup::kCash, {"一"})},
         {"rule 1 (): the empty key names initials or a subject"}},
    };
    for (const Case& c : cases) EXPECT_EQ(bk::lookup::keyRowFaults(c.rules), c.faults) << c.what;

    // What the first row names is what completion and browsing see.
    const LookupTable small({routeRule("乙", "y", bk::lookup::kTaxes, 3), clear,
                             printRule("甲", "j", bk::lookup::kCash, {"一"}), routeRule("乙", 4)});
    ASSERT_EQ(small.keys().size(), 2u);
    EXPECT_EQ(small.keys()[0].key, "乙");
    EXPECT_EQ(small.keys()[0].initials, "y");
    EXPECT_EQ(small.keys()[0].subject, bk::lookup::kTaxes);
    EXPECT_EQ(small.keys()[0].firstRule, 0);
    EXPECT_EQ(small.keys()[1].key, "甲");
    EXPECT_EQ(small.keys()[1].subject, bk::lookup::kCash);
    EXPECT_EQ(small.keys()[1].firstRule, 2);
}

// The one-line journal rows keep the line format: "借：" debit items, then
// "贷：" credit items, items apart by five or six spaces. A few rows are
// printed as they were written, with half-width colons and parentheses or
// odd runs of spaces.
TEST(Catalogue, OneLineJournalRowsKeepTheLineFormat)
{
    const std::set<std::string_view> asWritten = {"收取存入保证金", "商业折扣", "上交社保", "发放社保工资"};
    int checked = 0;
    for (const LookupRule& r : block(Catalogue::Journal)) {
        if (r.actions.size() != 1 || asWritten.count(r.key)) continue;
        ++checked;
        const std::string_view t = r.actions[0].text;
        EXPECT_TRUE(t.starts_with("借：")) << "rule " << r.number;
        const size_t credit = t.find("贷：");
        ASSERT_NE(credit, std::string_view::npos) << "rule " << r.number;
        EXPECT_EQ(t.find("贷：", credit + 1), std::string_view::npos) << "rule " << r.number;
        EXPECT_TRUE(t.substr(credit - 6, 6) == "      " || t.substr(credit - 5, 5) == "     ") << "rule " << r.number;
        for (std::string_view half : {":", "(", ")", "--"})
            EXPECT_EQ(t.find(half), std::string_view::npos) << "rule " << r.number;
        EXPECT_NE(t.back(), ' ') << "rule " << r.number;
        for (size_t i = 0; i < t.size();) {
            if (t[i] != ' ') {
                ++i;
                continue;
            }
            const size_t run = t.find_first_not_of(' ', i) - i;
            EXPECT_TRUE(run == 5 || run == 6) << "rule " << r.number << ": a run of " << run << " spaces";
            i += run;
        }
    }
    EXPECT_EQ(checked, 226);
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
    for (const auto& [key, rules] : sharedKeys()) {
        std::vector<std::string> expected;
        for (int n : rules) {
            Recorder one;
            LookupTable({table()[static_cast<size_t>(n)]}).lookup(key, one);
            expected.insert(expected.end(), one.log.begin(), one.log.end());
        }
        Recorder all;
        LookupTable::instance().lookup(key, all);
        EXPECT_EQ(all.log, expected) << key;
    }
    Recorder none;
    for (std::string_view k : {"待摊费用", "开立备用", " 开立备用金", "开立备用金 ", "本年利润(贷)", "备用金增加 "})
        LookupTable::instance().lookup(k, none);
    EXPECT_TRUE(none.log.empty());
}

}  // namespace
