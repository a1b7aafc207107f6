// The keys the main window's key box offers, and the pinyin initials they
// are found by.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "lookup/completion.h"
#include "lookup/lookup_table.h"

namespace bk::lookup {
namespace {

const std::vector<KeyEntry>& tableKeys() { return LookupTable::instance().keys(); }

std::vector<std::string> offered(std::string_view typed)
{
    std::vector<std::string> keys;
    for (std::string_view k : completions(typed)) keys.emplace_back(k);
    return keys;
}

int chineseCharacters(std::string_view key)
{
    int n = 0;
    for (size_t i = 0; i < key.size(); i += 3) {
        // Every key is Chinese characters and full-width parentheses, three bytes each.
        const std::string_view ch = key.substr(i, 3);
        if (ch != "（" && ch != "）") ++n;
    }
    return n;
}

TEST(KeyInitialsTest, OneLetterPerCharacterForEveryKey)
{
    ASSERT_FALSE(tableKeys().empty());
    for (const KeyEntry& k : tableKeys()) {
        EXPECT_EQ(static_cast<int>(k.initials.size()), chineseCharacters(k.key)) << k.key;
        for (char c : k.initials) EXPECT_TRUE(c >= 'a' && c <= 'z') << k.key;
    }
}

TEST(KeyInitialsTest, ReadingsThatAccountingUses)
{
    struct Case {
        std::string_view key, initials;
    };
    const Case cases[] = {
        {"应收账款", "yszk"},
        {"长期借款", "cqjk"},
        {"其他长期资产", "qtcqzc"},
        {"银行存款损失", "yhckss"},
        {"外埠存款转回银行", "wbckzhyh"},
        {"发行股票", "fxgp"},
        {"还本付息", "hbfx"},
        {"偿还债务", "chzw"},
        {"累计折旧", "ljzj"},
        {"材料成本差异率", "clcbcyl"},
        {"提取工会经费", "tqghjf"},
        {"会员费收入", "hyfsr"},
        {"所得税费用（总）", "sdsfyz"},
        {"计提工资", "jtgz"},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const KeyEntry& k : tableKeys())
            if (k.key == c.key) {
                found = true;
                EXPECT_EQ(k.initials, c.initials) << c.key;
            }
        EXPECT_TRUE(found) << c.key;
    }
}

TEST(CompletionTest, StartingKeysFirstThenContainingOnes)
{
    struct Case {
        std::string typed;
        std::vector<std::string> first;  // the first keys offered, in order
    };
    const Case cases[] = {
        {"jtgz", {"计提工资"}},
        {"JTGZ", {"计提工资"}},
        {"货币", {"货币资金"}},
        {"yszk", {"应收账款"}},
        {"累计折旧", {"累计折旧", "累计折旧计算", "累计折旧总额", "累计折旧余额", "计提累计折旧"}},
    };
    for (const Case& c : cases) {
        const auto keys = offered(c.typed);
        ASSERT_GE(keys.size(), c.first.size()) << c.typed;
        EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(c.first.size())),
                  c.first)
            << c.typed;
    }
}

// However many keys match, the list offers all of them: 计提 has more than a
// screenful, 计提社保 among the last.
TEST(CompletionTest, EveryOfferedKeyMatchesAndNothingMatchingIsSkipped)
{
    for (std::string typed : {"销售", "xs", "股票", "（", "yh", "计提", "jt", "款"}) {
        const auto keys = offered(typed);
        ASSERT_FALSE(keys.empty()) << typed;
        std::vector<std::string> all;
        for (const KeyEntry& k : tableKeys())
            if (k.key.find(typed) != std::string_view::npos || k.initials.find(typed) != std::string_view::npos)
                all.emplace_back(k.key);
        std::set<std::string> offeredSet(keys.begin(), keys.end());
        EXPECT_EQ(offeredSet.size(), keys.size()) << typed << ": a key offered twice";
        for (const std::string& k : keys) EXPECT_NE(std::find(all.begin(), all.end(), k), all.end()) << k;
        EXPECT_EQ(keys.size(), all.size()) << typed;
        // Starting keys come before containing ones.
        bool seenContaining = false;
        for (const std::string& k : keys) {
            const bool starts = k.starts_with(typed) || [&] {
                for (const KeyEntry& ki : tableKeys())
                    if (ki.key == k) return ki.initials.starts_with(typed);
                return false;
            }();
            if (!starts) seenContaining = true;
            EXPECT_FALSE(starts && seenContaining) << typed << ": " << k << " after a containing key";
        }
    }
}

TEST(CompletionTest, JtOffersMoreThanAScreenful)
{
    const auto keys = offered("计提");
    EXPECT_GT(keys.size(), kVisibleCompletions);
    for (const char* key : {"计提社保", "计提租金", "计提借款利息", "计提工资"})
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
}

TEST(CompletionTest, NothingForEmptyOrUnknownText)
{
    for (std::string typed : {"", "qqqqq", "不存在的", "jt gz", "1", " "}) EXPECT_TRUE(offered(typed).empty()) << typed;
}

// Initials typed as a mnemonic code stand for a key: the first of the keys
// they are the initials of, or the one key whose initials start with them.
TEST(KeyForInitialsTest, WorkedExamples)
{
    const struct {
        std::string typed;
        std::optional<std::string_view> key;
    } cases[] = {
        {"yszk", "应收账款"},  // also 预收账款's initials; 应收账款 comes first
        {"YSZK", "应收账款"},       {" yszk\u3000", "应收账款"}, {"jtgz", "计提工资"},
        {"jtgzz", std::nullopt},    {"ys", std::nullopt},  // the start of many keys' initials
        {"结转利润", std::nullopt}, {"应收账", std::nullopt},    {"ys zk", std::nullopt},
        {"", std::nullopt},         {"  ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(keyForInitials(c.typed), c.key) << c.typed;
}

TEST(KeyForInitialsTest, EveryKeysInitialsFindTheFirstKeyWithThem)
{
    for (const KeyEntry& k : tableKeys()) {
        const auto found = keyForInitials(k.initials);
        ASSERT_TRUE(found) << k.key;
        const KeyEntry* first = nullptr;
        for (const KeyEntry& e : tableKeys())
            if (e.initials == k.initials) {
                first = &e;
                break;
            }
        EXPECT_EQ(*found, first->key) << k.initials;
        // A start of its initials that no other key's initials share finds it too.
        for (size_t n = 1; n < k.initials.size(); ++n) {
            const std::string_view start = k.initials.substr(0, n);
            int sharing = 0;
            for (const KeyEntry& e : tableKeys()) sharing += e.initials.starts_with(start) ? 1 : 0;
            bool exact = false;
            for (const KeyEntry& e : tableKeys()) exact |= e.initials == start;
            if (exact) continue;
            if (sharing == 1) {
                EXPECT_EQ(keyForInitials(start), k.key) << start;
            } else {
                EXPECT_FALSE(keyForInitials(start)) << start;
            }
        }
    }
}

}  // namespace
}  // namespace bk::lookup
