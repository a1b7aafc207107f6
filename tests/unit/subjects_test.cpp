// The browse tree of the main window's keys: every key of the rule table in
// exactly one subject, in table order within each subject.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

#include "lookup/lookup_table.h"
#include "lookup/subjects.h"

namespace {

using bk::lookup::browseSubjects;
using bk::lookup::LookupTable;

// Each key of the table with the number of the first rule that has it.
std::map<std::string_view, int> firstRuleOfEachKey()
{
    std::map<std::string_view, int> first;
    for (const auto& rule : LookupTable::instance().rules()) first.emplace(rule.key, rule.number);
    return first;
}

TEST(Subjects, CoverEveryKeyOnceButTheEmptyOne)
{
    const auto first = firstRuleOfEachKey();
    ASSERT_EQ(first.size(), 435u);
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
    EXPECT_EQ(seen.size(), 434u);  // nothing that is not a key of the table
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

// About a dozen subjects, none so long that its menu is hard to scan.
TEST(Subjects, AreFewNamedAndShort)
{
    const auto& subjects = browseSubjects();
    EXPECT_GE(subjects.size(), 12u);
    EXPECT_LE(subjects.size(), 18u);
    std::set<std::string_view> names;
    for (const auto& subject : subjects) {
        EXPECT_FALSE(subject.name.empty());
        EXPECT_TRUE(names.insert(subject.name).second) << subject.name;
        EXPECT_GE(subject.keys.size(), 5u) << subject.name;
        EXPECT_LE(subject.keys.size(), 60u) << subject.name;
    }
}

// The statement-line keys (the formula rules 0 to 47) open the menu, in the
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
    for (int n = 0; n <= 47; ++n) {
        const auto& key = rules[static_cast<size_t>(n)].key;
        if (!key.empty()) {
            EXPECT_TRUE(statementSubjects.count(key)) << key;
        }
    }
}

}  // namespace
