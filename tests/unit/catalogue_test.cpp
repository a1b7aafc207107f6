// The main window's rule table as data: its numbering, blocks, keys and the
// form of its texts. The texts themselves are checked by the whole-catalogue
// transcript.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "lookup/lookup_table.h"
#include "support/test_support.h"

namespace {

using bk::lookup::Catalogue;
using bk::lookup::LookupRule;
using bk::lookup::LookupTable;
using bk::lookup::RuleAction;
using bk::lookup::RuleBlock;
using bk::test::block;
using bk::test::rules;
using Kind = RuleAction::Kind;

TEST(Catalogue, RulesAreNumberedByTheirPlace)
{
    ASSERT_FALSE(rules().empty());
    for (size_t i = 0; i < rules().size(); ++i) EXPECT_EQ(rules()[i].number, static_cast<int>(i));
}

// The table is the formula rows, the rule of the empty key, the journal rows
// and the route rows, in that order and nothing else; each block is where
// its catalogue's rows stand.
TEST(Catalogue, BlocksAreTheCataloguesInTableOrder)
{
    struct Expected {
        Catalogue catalogue;
        std::span<const LookupRule> rows;
    };
    const Expected expected[] = {
        {Catalogue::Formulas, bk::lookup::formulaRules()},
        {Catalogue::ClearOutput, {}},  // the one rule of the empty key, below
        {Catalogue::Journal, bk::lookup::journalRules()},
        {Catalogue::Routes, bk::lookup::routeRules()},
    };
    const auto blocks = bk::lookup::builtInBlocks();
    ASSERT_EQ(blocks.size(), std::size(expected));
    int next = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const RuleBlock& b = blocks[i];
        EXPECT_EQ(b.catalogue, expected[i].catalogue) << i;
        EXPECT_EQ(b.first, next) << i;
        EXPECT_GT(b.count, 0) << i;
        next = b.first + b.count;
        if (b.catalogue == Catalogue::ClearOutput) {
            EXPECT_EQ(b.count, 1);
            continue;
        }
        ASSERT_EQ(static_cast<size_t>(b.count), expected[i].rows.size()) << i;
        for (size_t n = 0; n < expected[i].rows.size(); ++n) {
            const LookupRule& r = rules()[static_cast<size_t>(b.first) + n];
            EXPECT_EQ(r.key, expected[i].rows[n].key) << "rule " << r.number;
            EXPECT_EQ(r.actions.size(), expected[i].rows[n].actions.size()) << "rule " << r.number;
        }
    }
    EXPECT_EQ(static_cast<size_t>(next), rules().size());
}

TEST(Catalogue, BlocksHaveTheirKindsOfAction)
{
    for (const LookupRule& r : rules()) ASSERT_FALSE(r.actions.empty()) << "rule " << r.number;
    // A formula: its line, and for a name today's statements no longer have,
    // a second line naming where the amount goes now.
    for (const LookupRule& r : block(Catalogue::Formulas)) {
        EXPECT_LE(r.actions.size(), 2u) << "rule " << r.number;
        for (const RuleAction& a : r.actions) EXPECT_EQ(a.kind, Kind::PrintLine) << "rule " << r.number;
    }
    const auto clear = block(Catalogue::ClearOutput);
    ASSERT_EQ(clear.size(), 1u);
    EXPECT_EQ(clear[0].key, "");
    ASSERT_EQ(clear[0].actions.size(), 1u);
    EXPECT_EQ(clear[0].actions[0].kind, Kind::ClearOutput);
    for (const LookupRule& r : block(Catalogue::Journal)) {
        EXPECT_LE(r.actions.size(), 9u) << "rule " << r.number;
        for (const RuleAction& a : r.actions) EXPECT_EQ(a.kind, Kind::PrintLine) << "rule " << r.number;
    }
    for (const LookupRule& r : block(Catalogue::Routes)) {
        ASSERT_EQ(r.actions.size(), 1u) << "rule " << r.number;
        EXPECT_EQ(r.actions[0].kind, Kind::OpenWindow) << "rule " << r.number;
        // Only calculators are opened, each one that exists.
        EXPECT_GE(r.actions[0].window, bk::kFirstCalculator) << "rule " << r.number;
        EXPECT_LE(r.actions[0].window, bk::Application::lastWindow()) << "rule " << r.number;
    }
}

// A journal row of several lines prints its entries one after another, a
// blank line between two of them: never a blank line first, last or twice.
TEST(Catalogue, BlankLinesOnlySeparateEntries)
{
    for (const LookupRule& r : rules()) {
        const auto& a = r.actions;
        if (a.front().kind != Kind::PrintLine) continue;
        EXPECT_FALSE(a.front().text.empty()) << "rule " << r.number;
        EXPECT_FALSE(a.back().text.empty()) << "rule " << r.number;
        for (size_t i = 1; i < a.size(); ++i)
            EXPECT_FALSE(a[i - 1].text.empty() && a[i].text.empty()) << "rule " << r.number;
    }
}

// Every key, the empty one too, finds its rules and no others, in table
// order; the key list holds every key but the empty one once, in the order
// of its first rule, with what that rule names.
TEST(Catalogue, EveryKeyFindsItsRulesInTableOrder)
{
    const auto byKey = bk::test::rulesByKey();
    for (const auto& [key, numbers] : byKey) {
        std::vector<int> matched;
        for (const LookupRule* r : LookupTable::instance().match(key)) matched.push_back(r->number);
        EXPECT_EQ(matched, numbers) << key;
    }
    ASSERT_EQ(byKey.at("").size(), 1u);  // the rule that clears
    std::vector<int> firstRules;
    for (const auto& [key, numbers] : byKey)
        if (!key.empty()) firstRules.push_back(numbers.front());
    std::sort(firstRules.begin(), firstRules.end());
    const auto& keys = LookupTable::instance().keys();
    ASSERT_EQ(keys.size(), firstRules.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        const LookupRule& first = rules()[static_cast<size_t>(firstRules[i])];
        EXPECT_EQ(keys[i].firstRule, first.number) << keys[i].key;
        EXPECT_EQ(keys[i].key, first.key);
        EXPECT_EQ(keys[i].initials, first.initials) << keys[i].key;
        EXPECT_EQ(keys[i].subject, first.subject) << keys[i].key;
    }
}

TEST(Catalogue, KeysAreChineseAndFitTheKeyBox)
{
    const bk::WindowSpec main = bk::Application::windowSpec(bk::kMainForm);
    const auto box = std::find_if(main.controls.begin(), main.controls.end(), [](const bk::ControlSpec& c) {
        return c.kind == bk::ControlKind::TextBox && c.number == 1;
    });
    ASSERT_NE(box, main.controls.end());
    for (const LookupRule& r : rules()) {
        // No key holds a space, a half-width parenthesis or any other ASCII.
        EXPECT_TRUE(
            std::none_of(r.key.begin(), r.key.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << "rule " << r.number;
        EXPECT_LE(bk::textWidth(r.key), box->rect.width) << r.key;
        // Full-width parentheses come in pairs, opened before they close.
        const size_t open = r.key.find("（");
        const size_t close = r.key.find("）");
        EXPECT_EQ(open == std::string_view::npos, close == std::string_view::npos) << r.key;
        if (open != std::string_view::npos) {
            EXPECT_LT(open, close) << r.key;
        }
    }
}

// A key's initials and subject stand on its first row only, so that two rows
// of one key cannot disagree about them; every key has both.
TEST(Catalogue, InitialsAndSubjectStandOnTheFirstRowOfEachKey)
{
    EXPECT_EQ(bk::lookup::keyRowFaults(rules()), std::vector<std::string>{});
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
// "贷：" credit items, items apart by five or six spaces. One row is printed
// as it was written, with an odd run of spaces.
std::string lineFormatFault(std::string_view t)
{
    if (!t.starts_with("借：")) return "no 借： first";
    const size_t credit = t.find("贷：");
    if (credit == std::string_view::npos) return "no 贷：";
    if (t.find("贷：", credit + 1) != std::string_view::npos) return "贷： twice";
    if (credit == 0 || t[credit - 1] != ' ') return "no spaces before 贷：";
    for (std::string_view half : {":", "(", ")", "--"})
        if (t.find(half) != std::string_view::npos) return "a half-width " + std::string(half);
    if (t.back() == ' ') return "a space at the end";
    for (size_t i = 0; i < t.size();) {
        if (t[i] != ' ') {
            ++i;
            continue;
        }
        const size_t run = t.find_first_not_of(' ', i) - i;
        if (run != 5 && run != 6) return "a run of " + std::to_string(run) + " spaces";
        i += run;
    }
    return {};
}

TEST(Catalogue, OneLineJournalRowsKeepTheLineFormat)
{
    const std::set<std::string_view> asWritten = {"商业折扣"};
    std::set<std::string_view> seen;
    for (const LookupRule& r : block(Catalogue::Journal)) {
        if (r.actions.size() != 1) continue;
        const std::string fault = lineFormatFault(r.actions[0].text);
        if (asWritten.count(r.key)) {
            seen.insert(r.key);
            // Still as written: else it leaves the list.
            EXPECT_NE(fault, "") << r.key << " keeps the format now";
        } else {
            EXPECT_EQ(fault, "") << "rule " << r.number << " " << r.key << ": " << r.actions[0].text;
        }
    }
    EXPECT_EQ(seen, asWritten);
}

// An account or tax abolished by the small-enterprise rules of 2013 and the
// VAT reform of 2016, named in a text; empty when it names none.
std::string abolishedAccount(std::string_view t)
{
    for (std::string_view old : {"应交税金", "营业税", "主营业务税金及附加", "物资采购", "应付福利费", "其他应交款",
                                 "应交税费-应交税费", "资产减值损失-计提的坏账准备"})
        if (t.find(old) != std::string_view::npos) return std::string(old);
    // 待摊费用 as an account of its own, not inside 长期待摊费用.
    const std::string_view longTerm = "长期";
    for (size_t at = t.find("待摊费用"); at != std::string_view::npos; at = t.find("待摊费用", at + 1))
        if (at < longTerm.size() || t.substr(at - longTerm.size(), longTerm.size()) != longTerm) return "待摊费用";
    // The expense account 所得税, now 所得税费用; the tax itself is still 应交所得税.
    for (size_t at = t.find("所得税"); at != std::string_view::npos; at = t.find("所得税", at + 1)) {
        const std::string_view before = t.substr(0, at);
        if (t.substr(at).starts_with("所得税费用") || before.ends_with("应交") || before.ends_with("个人") ||
            before.ends_with("企业"))
            continue;
        return "所得税";
    }
    return {};
}

TEST(Catalogue, AbolishedAccountsAreFound)
{
    const struct {
        std::string_view text, account;
    } cases[] = {
        {"借：税金及附加      贷：应交税费-应交城建税", ""},
        {"借：营业税金及附加      贷：应交税费-应交资源税", "营业税"},
        {"借：所得税      贷：应交税费-应交所得税", "所得税"},
        {"借：所得税费用      贷：应交税费-应交所得税", ""},
        {"借：应付职工薪酬-工资      贷：应交税费-应交个人所得税", ""},
        {"借：管理费用/待摊费用      贷：银行存款", "待摊费用"},
        {"借：管理费用/制造费用      贷：长期待摊费用", ""},
        {"借：银行存款      贷：固定资产清理      应交税费-应交税费（销）", "应交税费-应交税费"},
        {"借：资产减值损失-计提的坏账准备      贷：坏账准备（计提应收）", "资产减值损失-计提的坏账准备"},
        {"借：资产减值损失-计提的存货跌价准备（损失）      贷：存货跌价准备", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(abolishedAccount(c.text), c.account) << c.text;
}

// No entry posts to an account or tax that no longer exists. A statement line
// of an old name keeps its old formula first; the line after it, and every
// other formula, names only today's accounts.
TEST(Catalogue, TextsNameOnlyTodaysAccounts)
{
    for (const LookupRule& r : block(Catalogue::Journal))
        for (const RuleAction& a : r.actions)
            EXPECT_EQ(abolishedAccount(a.text), "") << "rule " << r.number << " " << r.key << ": " << a.text;
    for (const LookupRule& r : block(Catalogue::Formulas)) {
        const size_t kept = r.actions.size() > 1 ? 1 : 0;
        for (size_t i = kept; i < r.actions.size(); ++i)
            EXPECT_EQ(abolishedAccount(r.actions[i].text), "") << "rule " << r.number << " " << r.key;
    }
}

TEST(Catalogue, LookupRunsAllRulesOfAKeyInOrder)
{
    for (const auto& [key, numbers] : bk::test::rulesByKey()) {
        if (numbers.size() < 2) continue;
        std::string expected;
        for (int n : numbers) expected += bk::test::lookupLog(LookupTable({rules()[static_cast<size_t>(n)]}), key);
        EXPECT_EQ(bk::test::lookupLog(LookupTable::instance(), key), expected) << key;
    }
    for (std::string_view k : {"待摊费用", "开立备用", " 开立备用金", "开立备用金 ", "本年利润(贷)", "备用金增加 "})
        EXPECT_EQ(bk::test::lookupLog(LookupTable::instance(), k), "") << k;
}

}  // namespace
