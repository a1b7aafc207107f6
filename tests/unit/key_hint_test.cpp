// The hint for a key that matches nothing: which keys it offers, in which
// order, and the spaces dropped from a key before the lookup.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "lookup/completion.h"
#include "lookup/key_hint.h"
#include "lookup/lookup_table.h"

namespace bk::lookup {
namespace {

TEST(KeyHintTest, TrimDropsSpacesAroundAKeyOnly)
{
    const struct {
        std::string typed, key;
    } cases[] = {
        {" 应收账款 ", "应收账款"},
        {"\u3000应收账款\u3000", "应收账款"},
        {"\t应收账款\r\n", "应收账款"},
        {"应收 账款", "应收 账款"},
        {"   ", ""},
        {"", ""},
        {"\xC2\xA0短期投资", "短期投资"},
        {"短期投资\xE3\x80", "短期投资\xE3\x80"},  // a cut-off character stays
    };
    for (const auto& c : cases) EXPECT_EQ(trimKey(c.typed), c.key) << c.typed;
}

// The variant that is a key comes first; the rest by how much differs.
TEST(KeyHintTest, NearestKeysFirst)
{
    const struct {
        std::string typed;
        std::vector<std::string> first;  // the first keys offered, in order
    } cases[] = {
        {"应收帐款", {"应收账款"}},
        {" 应收帐款 ", {"应收账款"}},
        {"应收賬款", {"应收账款"}},
        {"其它应收款", {"其他应收款"}},
        {"应缴税金", {"应交税金"}},
        // Today's name before the old one it replaced.
        {"应缴税费", {"应交税费", "应交税金"}},
        {"应交税", {"应交税费", "应交税金"}},
        {"yjs", {"应交税费", "应交税金"}},
        {"长期债卷投资", {"长期债券投资", "长期债权投资"}},
        {"cqzqtz", {"长期债券投资", "长期债权投资"}},
        {"投资收", {"投资收益"}},
        {"本年利润(贷)", {"本年利润（贷）", "本年利润（借）"}},
        {"所得税费用 (总)", {"所得税费用（总）"}},
        {"计提 工资", {"计提工资"}},
        {"JTGZ", {"计提工资"}},
        {"开立备用", {"开立备用金"}},
        {"应收账", {"应收账款"}},
    };
    for (const auto& c : cases) {
        const auto keys = nearestKeys(c.typed);
        ASSERT_GE(keys.size(), c.first.size()) << c.typed;
        for (size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(keys[i], c.first[i]) << c.typed << " #" << i;
    }
}

// The hint offers every key that holds the typed text before any other; then
// keys that hold its characters in order, then the near misses.
TEST(KeyHintTest, KeysHoldingTheTextComeFirstAllOfThem)
{
    const struct {
        std::string typed;
        std::string holding;             // what a key holds to come first
        std::vector<std::string> among;  // keys the hint offers
    } cases[] = {
        {"所得", "所得", {"所得税费用", "所得税费用（总）", "应交所得税"}},
        {"工资", "工资", {"计提工资", "发放工资", "应付工资"}},
        {"计提", "计提", {"计提社保", "计提租金", "计提借款利息"}},
        {"结转利润", "结转利润", {"结转利润分配", "结转本年利润"}},
        {"应收帐款", "应收账款", {"应收账款", "应收账款损失"}},
        {" 应收帐款 ", "应收账款", {"应收账款"}},
    };
    for (const auto& c : cases) {
        const auto keys = hintKeys(c.typed);
        size_t holding = 0;
        for (const KeyEntry& k : LookupTable::instance().keys())
            holding += k.key.find(c.holding) != std::string_view::npos ? 1 : 0;
        ASSERT_GE(keys.size(), holding) << c.typed;
        for (size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(keys[i].find(c.holding) != std::string_view::npos, i < holding) << c.typed << ": " << keys[i];
        for (const std::string& key : c.among)
            EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << c.typed << ": " << key;
    }
    // 工程物资 holds 工 and 资 apart: offered, if at all, after the keys that hold 工资.
    const auto wages = hintKeys("工资");
    EXPECT_EQ(std::find(wages.begin(), wages.end(), "工程物资"), wages.end());
    // Characters in order, the tightest first, before the near misses.
    const auto closing = hintKeys("结转利润");
    ASSERT_GE(closing.size(), 3u);
    EXPECT_EQ(std::vector<std::string_view>(closing.begin(), closing.begin() + 3),
              (std::vector<std::string_view>{"结转利润分配", "结转本年利润", "结转本年净利润"}));
    // Initials work alike.
    const auto initials = hintKeys("jt");
    EXPECT_NE(std::find(initials.begin(), initials.end(), "计提社保"), initials.end());
    EXPECT_EQ(initials.front(), "计提固定资产减值准备");
}

TEST(KeyHintTest, NothingNearIsOffered)
{
    for (const char* typed : {"", "  ", "甲乙丙丁", "xyzxyzq", "!!!!"}) {
        EXPECT_TRUE(nearestKeys(typed).empty()) << typed;
        EXPECT_TRUE(hintKeys(typed).empty()) << typed;
    }
}

// Whatever is typed, at most five keys, all different, each one the lookup
// finds; a key that is looked up exactly is itself the nearest.
TEST(KeyHintTest, OffersOnlyKeysAtMostFiveEachOnce)
{
    const auto& table = LookupTable::instance();
    for (const KeyEntry& k : table.keys()) {
        const auto keys = nearestKeys(k.key);
        ASSERT_FALSE(keys.empty()) << k.key;
        EXPECT_EQ(keys.front(), k.key);
        EXPECT_LE(keys.size(), kMaxHintKeys);
        EXPECT_EQ(std::set<std::string_view>(keys.begin(), keys.end()).size(), keys.size()) << k.key;
        for (std::string_view key : keys) EXPECT_FALSE(table.match(key).empty()) << key;
    }
}

TEST(KeyHintTest, MessageSaysWhatWasNotFound)
{
    const KeyHint hint = unknownKeyHint(" 应收帐款 ");
    EXPECT_EQ(hint.message, "没有找到“应收帐款”。您要找的是不是：");
    ASSERT_EQ(hint.keys.size(), kMaxHintKeys);
    EXPECT_EQ(hint.keys.front(), "应收账款");
    EXPECT_EQ(unknownKeyHint("甲乙丙丁").message, "没有找到“甲乙丙丁”。");
    EXPECT_TRUE(unknownKeyHint("甲乙丙丁").keys.empty());
    EXPECT_EQ(unknownKeyHint("  ").message, "请输入要查找的关键字。");
    // A text pasted by mistake is repeated only in part, and is near no key.
    std::string pasted;
    for (int i = 0; i < 100000; ++i) pasted += "应收账款";
    const KeyHint long_ = unknownKeyHint(pasted);
    EXPECT_EQ(long_.message, "没有找到“应收账款应收账款应收账款应收账款应收账款…”。");
    EXPECT_TRUE(long_.keys.empty());
}

}  // namespace
}  // namespace bk::lookup
