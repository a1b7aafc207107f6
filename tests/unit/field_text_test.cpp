// What a field whose text is not wholly a number tells its user.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "num/arith.h"
#include "num/field_text.h"

namespace bk {
namespace {

TEST(FieldTextTest, NoteSaysWhichNumberWasUsed)
{
    const struct {
        std::string text;
        std::optional<std::string> note;
    } cases[] = {
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"12", std::nullopt},
        {" 3.5 ", std::nullopt},
        {"1 000", std::nullopt},
        {"1,000", std::nullopt},
        {"¥ 2,500.75", std::nullopt},
        {"１２．５", std::nullopt},
        {"&HFF", std::nullopt},
        {"1e999", std::nullopt},  // the press reports the overflow
        {"12abc", "只读取了 12"},
        {"1.2.3", "只读取了 1.2"},
        {"12E", "只读取了 12"},
        {"1e+", "只读取了 1"},
        {"12,34", "只读取了 12"},
        {"-0.5元", "只读取了 -.5"},
        {"2.5e3x", "只读取了 2500"},
        {"&HFG", "只读取了 15"},
        {"abc", "没有读到数字，按 0 计算"},
        {"-", "没有读到数字，按 0 计算"},
        {"&H", "没有读到数字，按 0 计算"},
        {"¥", "没有读到数字，按 0 计算"},
    };
    for (const auto& c : cases) EXPECT_EQ(amountNote(c.text), c.note) << c.text;
}

// A field with a default says which number it stands for; other notes are the same.
TEST(FieldTextTest, NoteOfAFieldWithADefault)
{
    EXPECT_EQ(amountNote("abc", Num(13)), "没有读到数字，按默认值 13 计算");
    EXPECT_EQ(amountNote("无", Num(0.5)), "没有读到数字，按默认值 0.5 计算");
    EXPECT_EQ(amountNote("12abc", Num(13)), "只读取了 12");
    EXPECT_EQ(amountNote("", Num(13)), std::nullopt);  // the empty box shows the default itself
    EXPECT_EQ(amountNote("0", Num(13)), std::nullopt);
}

}  // namespace
}  // namespace bk
