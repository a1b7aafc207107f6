// 金额大写: the capital form of worked amounts, and over random amounts that
// the form reads back as the amount and keeps the shape a cheque needs.
#include "num/capital_amount.h"

#include "num/rational.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace bk {
namespace {

struct Example {
    Num amount;
    const char* form;  // nullptr: out of range
};

class CapitalAmount : public ::testing::TestWithParam<Example> {};

TEST_P(CapitalAmount, WritesTheForm)
{
    const Example& e = GetParam();
    const std::optional<std::string> got = capitalAmount(e.amount);
    if (e.form == nullptr)
        EXPECT_FALSE(got.has_value()) << exact(e.amount).str() << " gave " << got.value_or("");
    else
        EXPECT_EQ(got.value_or("(out of range)"), e.form) << exact(e.amount).str();
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CapitalAmount,
    ::testing::Values(Example{0.05, "伍分"}, Example{0.5, "伍角整"}, Example{10, "壹拾元整"},
                      Example{1409.50, "壹仟肆佰零玖元伍角整"}, Example{6007.14, "陆仟零柒元壹角肆分"},
                      Example{1680.32, "壹仟陆佰捌拾元零叁角贰分"}, Example{107000.53, "壹拾万柒仟元零伍角叁分"},
                      Example{16409.02, "壹万陆仟肆佰零玖元零贰分"}, Example{100500, "壹拾万零伍佰元整"},
                      Example{120034000.06, "壹亿贰仟零叁万肆仟元零陆分"}, Example{100001000, "壹亿零壹仟元整"},
                      Example{-1234.5, "负壹仟贰佰叁拾肆元伍角整"}, Example{0, "零元整"},
                      Example{10.005, "壹拾元零壹分"},
                      Example{999999999999.99, "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
                      Example{1000000000000, nullptr}, Example{1480705.11, "壹佰肆拾捌万零柒佰零伍元壹角壹分"},
                      Example{1010.5, "壹仟零壹拾元零伍角整"}, Example{-0.004, "零元整"},
                      // The edges of the range and of the rounding.
                      Example{999999999999.994, "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
                      Example{999999999999.995, nullptr}, Example{-1000000000000, nullptr}, Example{-0.005, "负壹分"},
                      Example{1e300, nullptr}, Example{100000000, "壹亿元整"}, Example{100000001, "壹亿零壹元整"},
                      Example{10000000.1, "壹仟万元零壹角整"}));

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> characters(const std::string& text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

int digitOf(const std::string& c)
{
    static const std::vector<std::string> digits = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};
    for (int d = 0; d < 10; ++d)
        if (digits[d] == c) return d;
    return -1;
}

// The amount in fen a reader of capital figures takes from a form; nothing
// for a character that has no place in one.
std::optional<long long> readCapital(const std::string& form)
{
    long long sign = 1;
    long long total = 0;  // the sections written so far
    long long section = 0;
    long long digit = 0;
    long long fen = 0;
    for (const std::string& c : characters(form)) {
        if (const int d = digitOf(c); d >= 0) {
            digit = d;
        } else if (c == "负") {
            sign = -1;
        } else if (c == "拾" || c == "佰" || c == "仟") {
            section += digit * (c == "拾" ? 10 : c == "佰" ? 100 : 1000);
            digit = 0;
        } else if (c == "万" || c == "亿") {
            total += (section + digit) * (c == "万" ? 10000 : 100000000);
            section = digit = 0;
        } else if (c == "元") {
            fen += (total + section + digit) * 100;
            total = section = digit = 0;
        } else if (c == "角" || c == "分") {
            fen += digit * (c == "角" ? 10 : 1);
            digit = 0;
        } else if (c != "整") {
            return std::nullopt;
        }
    }
    return sign * fen;
}

// Amounts with many zeros among their digits, where the rules of 零 do their
// work, of every length up to 999999999999.99, both signs.
TEST(CapitalAmountProperty, ReadsBackAndKeepsTheShape)
{
    std::mt19937_64 rng(20261207);
    std::uniform_int_distribution<int> length(1, 14);
    std::uniform_int_distribution<int> nonZero(1, 9);
    std::bernoulli_distribution zero(0.5);
    std::bernoulli_distribution negative(0.2);
    for (int i = 0; i < 20000; ++i) {
        long long fen = 0;
        for (int k = length(rng); k > 0; --k) fen = fen * 10 + (zero(rng) ? 0 : nonZero(rng));
        if (negative(rng)) fen = -fen;
        const std::optional<std::string> form = capitalAmount(exactly(Rational(fen, 100)));
        ASSERT_TRUE(form.has_value()) << fen;
        EXPECT_EQ(readCapital(*form), fen) << *form;
        EXPECT_EQ(form->find("零零"), std::string::npos) << *form;
        const std::vector<std::string> chars = characters(*form);
        EXPECT_NE(chars.back(), "零") << *form;
        for (std::size_t k = 0; k < chars.size(); ++k) {
            if (chars[k] == "拾") {
                EXPECT_TRUE(k > 0 && digitOf(chars[k - 1]) > 0) << *form;
            }
        }
    }
}

}  // namespace
}  // namespace bk
