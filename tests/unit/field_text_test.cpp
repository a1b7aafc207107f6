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

// A percent sign divides by 100 where the field takes an amount or a rate,
// means the number itself where the field is a percentage, and ends the
// number elsewhere.
TEST(FieldTextTest, PercentSignReadsByTheFieldsForm)
{
    const struct {
        std::string text;
        FieldForm form;
        Num value;
        bool whole;
    } cases[] = {
        {"5%", FieldForm::Rate, Num(5) / 100, true},    {"6 %", FieldForm::Amount, Num(6) / 100, true},
        {"５％", FieldForm::Rate, Num(5) / 100, true},  {"-1.5%", FieldForm::Rate, Num(-15) / 1000, true},
        {"13%", FieldForm::Percent, Num(13), true},     {"13", FieldForm::Percent, Num(13), true},
        {"5%", FieldForm::Years, Num(5), false},        {"5%%", FieldForm::Rate, Num(5), false},
        {"5%x", FieldForm::Amount, Num(5), false},      {"%", FieldForm::Rate, Num(0), false},
        {"0.13", FieldForm::Rate, Num(13) / 100, true},
    };
    for (const auto& c : cases) {
        const FieldNumber field = readFieldAs(c.text, c.form);
        EXPECT_TRUE(field.value == c.value) << c.text;
        EXPECT_EQ(field.whole, c.whole) << c.text;
    }
}

TEST(FieldTextTest, NoteSaysHowAPercentOrARateWasRead)
{
    const struct {
        std::string text;
        FieldForm form;
        std::optional<std::string> note;
    } cases[] = {
        {"5%", FieldForm::Rate, "按 5% 即 0.05 计算"},
        {"6 %", FieldForm::Amount, "按 6% 即 0.06 计算"},
        {"12.5％", FieldForm::Rate, "按 12.5% 即 0.125 计算"},
        {"6", FieldForm::Rate, "按 600% 计算；13% 请输入 0.13 或 13%"},
        {"1.5", FieldForm::Rate, "按 150% 计算；13% 请输入 0.13 或 13%"},
        {"1", FieldForm::Rate, std::nullopt},
        {"0.13", FieldForm::Rate, std::nullopt},
        {"13%", FieldForm::Percent, std::nullopt},
        {"13", FieldForm::Percent, std::nullopt},
        {"6", FieldForm::Amount, std::nullopt},
        {"5%", FieldForm::Years, "只读取了 5"},
        {"6abc", FieldForm::Rate, "只读取了 6"},
        {"", FieldForm::Rate, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(fieldNote(c.text, c.form), c.note) << c.text;
    EXPECT_EQ(fieldNote("abc", FieldForm::Percent, Num(13)), "没有读到数字，按默认值 13 计算");
}

}  // namespace
}  // namespace bk
