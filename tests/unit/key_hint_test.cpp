// The hint for a key that matches nothing: which keys it offers, in which
// order, and the spaces dropped from a key before the lookup.
#include <gtest/gtest.h>

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

TEST(KeyHintTest, NothingNearIsOffered)
{
    for (const char* typed : {"", "  ", "甲乙丙丁", "xyzxyzq", "!!!!"})
        EXPECT_TRUE(nearestKeys(typed).empty()) << typed;
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
