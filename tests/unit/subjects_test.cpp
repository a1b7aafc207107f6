// The browse tree of the main window's keys: every key of the rule table in
// exactly one subject, in table order within each subject.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/lookup_table.h"
#include "lookup/subjects.h"
#include "support/test_support.h"

namespace {

using bk::lookup::browseSubjects;
using bk::lookup::LookupTable;

// Each key of the table with the number of the first rule that has it.
std::map<std::string_view, int> firstRuleOfEachKey()
{
    std::map<std::string_view, int> first;
    for (const auto& [key, rules] : bk::test::rulesByKey()) first.emplace(key, rules.front());
    return first;
}

TEST(Subjects, CoverEveryKeyOnceButTheEmptyOne)
{
    const auto first = firstRuleOfEachKey();
    std::map<std::string_view, int> seen;
    for (const auto& subject : browseSubjects())
        for (std::string_view key : subject.keys) ++seen[key];
    for (const auto& [key, rule] : first) {
        if (key.empty()) {
            EXPECT_EQ(seen.count(key), 0u) << "the empty key is listed";
            continue;
        }
        EXPECT_EQ(seen[key], 1) << key << " (rule " << rule << ")";
    }
    // Nothing that is not a key of the table.
    for (const auto& [key, times] : seen) EXPECT_TRUE(first.count(key)) << key;
}

TEST(Subjects, KeysStandInTableOrderWithinEachSubject)
{
    const auto first = firstRuleOfEachKey();
    for (const auto& subject : browseSubjects()) {
        int previous = -1;
        for (std::string_view key : subject.keys) {
            const auto it = first.find(key);
            ASSERT_NE(it, first.end()) << key;
            EXPECT_GT(it->second, previous) << subject.name << ": " << key;
            previous = it->second;
        }
    }
}

// About a dozen subjects, none so long that its menu is hard to scan: the
// menu shows its items (keys that do the same are one item).
TEST(Subjects, AreFewNamedAndShort)
{
    const auto& subjects = browseSubjects();
    EXPECT_GE(subjects.size(), 12u);
    EXPECT_LE(subjects.size(), 18u);
    std::set<std::string_view> names;
    for (const auto& subject : subjects) {
        EXPECT_FALSE(subject.name.empty());
        EXPECT_TRUE(names.insert(subject.name).second) << subject.name;
        EXPECT_GE(subject.items.size(), 5u) << subject.name;
        EXPECT_LE(subject.items.size(), 60u) << subject.name;
    }
}

// The statement-line keys (the formula rules) open the menu, in the
// two statement subjects.
TEST(Subjects, StatementLinesComeFirst)
{
    const auto& subjects = browseSubjects();
    ASSERT_GE(subjects.size(), 2u);
    EXPECT_EQ(subjects[0].name, "资产负债表项目");
    EXPECT_EQ(subjects[1].name, "利润表项目");
    std::set<std::string_view> statementSubjects(subjects[0].keys.begin(), subjects[0].keys.end());
    statementSubjects.insert(subjects[1].keys.begin(), subjects[1].keys.end());
    const auto& rules = LookupTable::instance().rules();
    for (const auto& block : bk::lookup::builtInBlocks()) {
        if (block.catalogue != bk::lookup::Catalogue::Formulas) continue;
        ASSERT_GT(block.count, 0);
        for (int n = block.first; n < block.first + block.count; ++n)
            EXPECT_TRUE(statementSubjects.count(rules[static_cast<size_t>(n)].key))
                << rules[static_cast<size_t>(n)].key;
    }
}

}  // namespace

namespace merged {

using bk::lookup::BrowseItem;

// What a key does, as the lookup would do it.
std::vector<const bk::lookup::RuleAction*> effect(std::string_view key)
{
    std::vector<const bk::lookup::RuleAction*> actions;
    for (const auto* rule : LookupTable::instance().match(key))
        for (const auto& a : rule->actions) actions.push_back(&a);
    return actions;
}

bool sameEffect(std::string_view a, std::string_view b)
{
    const auto x = effect(a), y = effect(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const auto* p, const auto* q) {
        return p->kind == q->kind && p->text == q->text && p->window == q->window;
    });
}

// Every key of a subject stands in exactly one of its menu items; the keys
// of one item do exactly the same, and no two items of a subject do.
TEST(BrowseItems, MergeExactlyTheKeysThatDoTheSame)
{
    size_t merged = 0;
    for (const auto& subject : browseSubjects()) {
        std::multiset<std::string_view> inItems;
        for (const BrowseItem& item : subject.items) {
            ASSERT_FALSE(item.keys.empty());
            inItems.insert(item.keys.begin(), item.keys.end());
            for (std::string_view key : item.keys) EXPECT_TRUE(sameEffect(item.keys.front(), key)) << item.label;
            merged += item.keys.size() > 1;
        }
        EXPECT_EQ(inItems, std::multiset<std::string_view>(subject.keys.begin(), subject.keys.end())) << subject.name;
        for (size_t i = 0; i < subject.items.size(); ++i)
            for (size_t j = i + 1; j < subject.items.size(); ++j)
                EXPECT_FALSE(sameEffect(subject.items[i].keys.front(), subject.items[j].keys.front()))
                    << subject.items[i].label << " / " << subject.items[j].label;
    }
    EXPECT_GT(merged, 10u);
}

TEST(BrowseItems, LabelNamesTheChosenKeyThenTheOthers)
{
    std::map<std::string, std::vector<std::string_view>> byLabel;
    for (const auto& subject : browseSubjects())
        for (const BrowseItem& item : subject.items) byLabel[item.label] = item.keys;
    const struct {
        std::string label;
        std::vector<std::string_view> keys;
    } cases[] = {
        {"产品毁损（产品毁坏、产品损坏）", {"产品毁损", "产品毁坏", "产品损坏"}},
        {"现金溢余（现金多余）", {"现金溢余", "现金多余"}},
        {"获得股利（收获股利）", {"获得股利", "收获股利"}},
        {"折价购买（折扣购买）", {"折价购买", "折扣购买"}},
        {"打折购买", {"打折购买"}},  // it also prints a line: not the same
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(byLabel.count(c.label)) << c.label;
        EXPECT_EQ(byLabel[c.label], c.keys) << c.label;
    }
}

}  // namespace merged
