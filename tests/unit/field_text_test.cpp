// Whether a field's text is wholly a number, and the number that was read.
#include <gtest/gtest.h>

#include <string>

#include "ui/field_text.h"
#include "ui/number_text.h"

namespace bk {
namespace {

TEST(FieldTextTest, WhatWasRead)
{
    const struct {
        std::string text;
        bool whole;
        std::string read;
    } cases[] = {
        {"", true, ""},           {"   ", true, ""},          {"12", true, "12"},
        {" 3.5 ", true, "3.5"},   {"1 000", true, "1000"},    {"-.5", true, "-.5"},
        {"1e3", true, "1e3"},     {"1d2", true, "1d2"},       {"+2.5E-3", true, "+2.5E-3"},
        {"&HFF", true, "&HFF"},   {"&o17", true, "&O17"},     {"１２．５", true, "12.5"},
        {"\u3000１２\u3000", true, "12"},
        {"12abc", false, "12"},   {"1.2.3", false, "1.2"},    {"12E", false, "12"},
        {"1e+", false, "1"},      {"1,500", false, "1"},      {"abc", false, ""},
        {"-", false, ""},         {".", false, ""},           {"&H", false, ""},
        {"&HFG", false, "&HF"},   {"&O8", false, ""},         {"¥100", false, ""},
        {"12元", false, "12"},
    };
    for (const auto& c : cases) {
        const AmountText got = readAmountText(c.text);
        EXPECT_EQ(got.whole, c.whole) << c.text;
        EXPECT_EQ(got.read, c.read) << c.text;
        // The part read is what the amount is read from.
        if (!c.read.empty()) EXPECT_EQ(readNumber(got.read), readNumber(c.text)) << c.text;
    }
}

TEST(FieldTextTest, Notes)
{
    EXPECT_EQ(amountNote("12abc"), "只读取了 12");
    EXPECT_EQ(amountNote("1.2.3"), "只读取了 1.2");
    EXPECT_EQ(amountNote("abc"), "没有读到数字，按 0 计算");
    EXPECT_FALSE(amountNote("12"));
    EXPECT_FALSE(amountNote(""));
}

}  // namespace
}  // namespace bk
