// Tests of the number text: formatNumber (amount -> printed text) and
// readNumber (input-field text -> amount).
#include "num/number_text.h"

#include "num/rational.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>

namespace {

using bk::ArithmeticFault;
using bk::exact;
using bk::exactly;
using bk::FaultCode;
using bk::formatNumber;
using bk::Integer;
using bk::Num;
using bk::Rational;
using bk::readField;
using bk::readNumber;

// digits × 10^exponent, exactly.
Num decimal(const char* digits, int exponent)
{
    const Integer scale = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(std::abs(exponent)));
    return exactly(exponent >= 0 ? Rational(Integer(digits) * scale) : Rational(Integer(digits), scale));
}

// The smallest positive double, exactly: 2^-1074.
const Num kSmallestDouble = exactly(Rational(Integer(1), Integer(1) << 1074));

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

// Field texts may hold any bytes; show them escaped in failure messages.
std::string shown(const std::string& bytes)
{
    std::string out = "[";
    for (const char ch : bytes.substr(0, 80)) {
        const auto c = static_cast<unsigned char>(ch);
        char hex[8];
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out + (bytes.size() > 80 ? "...]" : "]");
}

std::string shown(const Num& v) { return exact(v).str(); }

// ---------------------------------------------------------------------------
// formatNumber

struct FormatCase {
    Num value;
    const char* text;
};

std::ostream& operator<<(std::ostream& os, const FormatCase& c)
{
    return os << shown(c.value) << " -> [" << c.text << "]";
}

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WritesText) { EXPECT_EQ(formatNumber(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(DocumentedExamples, FormatNumber,
                         testing::Values(FormatCase{1500, " 1500 "}, FormatCase{-1500, "-1500 "}, FormatCase{0, " 0 "},
                                         FormatCase{0.5, " .5 "}, FormatCase{-0.25, "-.25 "},
                                         FormatCase{1.0 / 3, " .333333333333333 "},
                                         FormatCase{2.0 / 3, " .666666666666667 "},
                                         FormatCase{1234.5678, " 1234.5678 "}, FormatCase{0.0001, " .0001 "},
                                         FormatCase{0.00001, " 1E-05 "}, FormatCase{0.00000015, " 1.5E-07 "},
                                         FormatCase{999999999999999, " 999999999999999 "}, FormatCase{1E15, " 1E+15 "},
                                         FormatCase{1234567890123456, " 1.23456789012346E+15 "},
                                         FormatCase{0.1 + 0.2, " .3 "}, FormatCase{-0.5, "-.5 "}));

INSTANTIATE_TEST_SUITE_P(SignAndZero, FormatNumber,
                         testing::Values(FormatCase{-0.0, " 0 "}, FormatCase{-(0.0), " 0 "}, FormatCase{1, " 1 "},
                                         FormatCase{-1, "-1 "}, FormatCase{100, " 100 "},
                                         FormatCase{-1234567.25, "-1234567.25 "}, FormatCase{0.1, " .1 "},
                                         FormatCase{-0.001, "-.001 "}));

INSTANTIATE_TEST_SUITE_P(PlainRangeBoundaries, FormatNumber,
                         testing::Values(
                             // decimal exponent -4 is plain, -5 is exponent form
                             FormatCase{0.00012345, " .00012345 "}, FormatCase{-0.0001, "-.0001 "},
                             FormatCase{0.000012345, " 1.2345E-05 "}, FormatCase{0.000099999, " 9.9999E-05 "},
                             FormatCase{-0.00001, "-1E-05 "},
                             // rounding lifts 9.999999999999999E-05 to 1E-04, which is plain
                             FormatCase{0.00009999999999999999, " .0001 "},
                             // decimal exponent 14 is plain, 15 is exponent form
                             FormatCase{1E14, " 100000000000000 "}, FormatCase{123456789012345, " 123456789012345 "},
                             FormatCase{12345678901234.5, " 12345678901234.5 "},
                             FormatCase{99999999999999.99, " 100000000000000 "}, FormatCase{1.5E15, " 1.5E+15 "},
                             FormatCase{-1E15, "-1E+15 "}, FormatCase{1E16, " 1E+16 "}));

INSTANTIATE_TEST_SUITE_P(FifteenDigitRounding, FormatNumber,
                         testing::Values(FormatCase{123456789012345.6, " 123456789012346 "},
                                         FormatCase{999999999999999.4, " 999999999999999 "},
                                         FormatCase{999999999999999.5, " 1E+15 "},
                                         FormatCase{-999999999999999.5, "-1E+15 "},
                                         FormatCase{1234567.1234567891, " 1234567.12345679 "},
                                         FormatCase{0.1 + 0.7, " .8 "}, FormatCase{1.0 / 7, " .142857142857143 "}));

INSTANTIATE_TEST_SUITE_P(ExponentForm, FormatNumber,
                         testing::Values(FormatCase{1E100, " 1E+100 "}, FormatCase{1.25E-100, " 1.25E-100 "},
                                         FormatCase{-6.02214076E23, "-6.02214076E+23 "},
                                         FormatCase{DBL_MAX, " 1.79769313486232E+308 "},
                                         FormatCase{-DBL_MAX, "-1.79769313486232E+308 "},
                                         FormatCase{DBL_MIN, " 2.2250738585072E-308 "},
                                         FormatCase{kSmallestDouble, " 4.94065645841247E-324 "},
                                         FormatCase{-kSmallestDouble, "-4.94065645841247E-324 "}));

// The exact value is rounded once, half away from zero, at the 16th digit.
INSTANTIATE_TEST_SUITE_P(TiesAtTheSixteenthDigit, FormatNumber,
                         testing::Values(FormatCase{decimal("1000000000000005", -15), " 1.00000000000001 "},
                                         FormatCase{decimal("-1000000000000005", -15), "-1.00000000000001 "},
                                         FormatCase{decimal("10000000000000049999", -19), " 1 "},
                                         FormatCase{decimal("1234567890123455", 0), " 1.23456789012346E+15 "},
                                         FormatCase{decimal("-1234567890123455", 0), "-1.23456789012346E+15 "},
                                         FormatCase{decimal("1234567890123445", -20), " 1.23456789012345E-05 "},
                                         FormatCase{decimal("9999999999999995", -20), " .0001 "},
                                         FormatCase{decimal("-9999999999999995", -2), "-100000000000000 "},
                                         FormatCase{Num(1) / 3, " .333333333333333 "},
                                         FormatCase{Num(-2) / 3, "-.666666666666667 "}));

// A value of at most 15 significant digits reads back from its printed text
// unchanged.
class PrintedTextReadsBack : public testing::TestWithParam<Num> {};

TEST_P(PrintedTextReadsBack, SameValue)
{
    const std::string text = formatNumber(GetParam());
    EXPECT_EQ(readNumber(text), GetParam()) << text;
}

INSTANTIATE_TEST_SUITE_P(Values, PrintedTextReadsBack,
                         testing::Values(1500.0, -1500.0, 0.5, -0.25, 1234.5678, 0.0001, 0.00001, -0.00000015,
                                         999999999999999.0, 1E15, -1.5E15, 1E100, 1.25E-100, 5E-324,
                                         decimal("123456789012345", -300)));

// ---------------------------------------------------------------------------
// readNumber: texts that read as a value

struct ReadCase {
    std::string text;
    Num value;
};

std::ostream& operator<<(std::ostream& os, const ReadCase& c)
{
    return os << shown(c.text) << " -> " << shown(c.value);
}

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsValue)
{
    Num got;
    ASSERT_NO_THROW(got = readNumber(GetParam().text));
    EXPECT_TRUE(got == GetParam().value) << "got " << shown(got);
}

INSTANTIATE_TEST_SUITE_P(DocumentedExamples, ReadNumber,
                         testing::Values(ReadCase{"12abc", 12}, ReadCase{" 3.5 ", 3.5}, ReadCase{"1e3", 1000},
                                         ReadCase{"1d2", 100}, ReadCase{"-.5", -0.5}, ReadCase{"", 0},
                                         ReadCase{"abc", 0}, ReadCase{"1.2.3", 1.2}, ReadCase{"1 000", 1000},
                                         ReadCase{"12E", 12}, ReadCase{"&HFFFF", -1}, ReadCase{"&H10000", 65536},
                                         ReadCase{"1,500", 1500}, ReadCase{"¥100", 100}, ReadCase{"￥100", 100},
                                         ReadCase{"Ａ1", 0}));

INSTANTIATE_TEST_SUITE_P(Blanks, ReadNumber,
                         testing::Values(ReadCase{"\t1\n2 3", 123}, ReadCase{"  - 5", -5}, ReadCase{"1 . 2 5", 1.25},
                                         ReadCase{"1 e 3", 1000}, ReadCase{"2E - 2", 0.02}, ReadCase{" \t\n ", 0},
                                         // the blanks of a key too: a pasted line end, the no-break space
                                         ReadCase{"1\r\n", 1}, ReadCase{"1\r2", 12},
                                         ReadCase{"1\xC2\xA0"
                                                  "500",
                                                  1500},
                                         ReadCase{"1\v2", 1}, ReadCase{"1\f2", 1}));

INSTANTIATE_TEST_SUITE_P(
    SignsAndDecimals, ReadNumber,
    testing::Values(ReadCase{"+5", 5}, ReadCase{"-5", -5}, ReadCase{"+-5", 0}, ReadCase{"--5", 0}, ReadCase{"5-3", 5},
                    ReadCase{"-", 0}, ReadCase{".", 0}, ReadCase{"-.", 0}, ReadCase{"-0", 0}, ReadCase{"-0.000", 0},
                    ReadCase{"007", 7}, ReadCase{"5.", 5}, ReadCase{".25", 0.25}, ReadCase{"0.1", 0.1},
                    ReadCase{"1234.5678", 1234.5678},
                    ReadCase{"123456789012345678901234567890", decimal("123456789012345678901234567890", 0)},
                    ReadCase{"0.000000000000000000000000000123", decimal("123", -30)},
                    ReadCase{"100.10", decimal("1001", -1)}, ReadCase{"0.1", decimal("1", -1)},
                    ReadCase{"-1500元", -1500}));

INSTANTIATE_TEST_SUITE_P(Exponents, ReadNumber,
                         testing::Values(ReadCase{"1E3", 1000}, ReadCase{"1D3", 1000}, ReadCase{"1e+3", 1000},
                                         ReadCase{"1e-3", 0.001}, ReadCase{"1D-3", 0.001}, ReadCase{"2.5e2", 250},
                                         ReadCase{".5E1", 5}, ReadCase{"12E+", 12}, ReadCase{"12e-", 12},
                                         ReadCase{"12Ex", 12}, ReadCase{"12E+x5", 12}, ReadCase{"1e2e3", 100},
                                         ReadCase{"1e2.5", 100}, ReadCase{"e5", 0}, ReadCase{".e5", 0},
                                         ReadCase{"0e400", 0}, ReadCase{"1e007", 1E7}, ReadCase{"-1.5D-7", -1.5E-7},
                                         ReadCase{"1f3", 1}));

// Bookkeepers' ways of writing an amount: thousands separators, a yuan sign.
INSTANTIATE_TEST_SUITE_P(
    AmountsAsTyped, ReadNumber,
    testing::Values(ReadCase{"1,000", 1000}, ReadCase{"1，000", 1000}, ReadCase{"2,500.75", 2500.75},
                    ReadCase{"12,345,678.9", 12345678.9}, ReadCase{"-1,000,000", -1000000}, ReadCase{"1, 000", 1000},
                    ReadCase{"¥ 2,500.75", 2500.75}, ReadCase{" ￥ 1,000 ", 1000}, ReadCase{"-¥5", -5},
                    ReadCase{"¥-5", -5}, ReadCase{"¥+5", 5}, ReadCase{"¥¥5", 0}, ReadCase{"-¥-5", 0}, ReadCase{"5¥", 5},
                    ReadCase{"12,34", 12}, ReadCase{",000", 0}, ReadCase{"1,0000", 1}, ReadCase{"1,00", 1},
                    ReadCase{"1,000,0000", 1000}, ReadCase{"1,000,", 1000}, ReadCase{"1,,000", 1},
                    ReadCase{"1.000,000", 1}, ReadCase{".5,000", 0.5}, ReadCase{"1,000e3", 1000000},
                    ReadCase{"&H1,000", 1}, ReadCase{std::string("1\x02") + "000", 1}));

// Amounts are exact as typed up to 40 significant digits; past that they are
// rounded half away from zero at the 40th.
INSTANTIATE_TEST_SUITE_P(
    KeptDigits, ReadNumber,
    testing::Values(ReadCase{"0." + std::string(40, '1'), decimal(std::string(40, '1').c_str(), -40)},
                    ReadCase{"0." + std::string(40, '1') + "5", decimal((std::string(39, '1') + "2").c_str(), -40)},
                    ReadCase{"-0." + std::string(40, '1') + "5",
                             decimal(("-" + std::string(39, '1') + "2").c_str(), -40)},
                    ReadCase{"0." + std::string(40, '1') + "4" + std::string(1000, '9'),
                             decimal(std::string(40, '1').c_str(), -40)},
                    ReadCase{std::string(40, '9') + "5", decimal("1", 41)},
                    ReadCase{"1.0000000000000000001", decimal("10000000000000000001", -19)}));

INSTANTIATE_TEST_SUITE_P(DoubleLimits, ReadNumber,
                         testing::Values(ReadCase{"1.7976931348623157e308", DBL_MAX},
                                         ReadCase{"-1.7976931348623157E+308", -DBL_MAX}, ReadCase{"0.0001e312", 1E308},
                                         ReadCase{"2.2250738585072014e-308", decimal("22250738585072014", -324)},
                                         ReadCase{"4.94065645841247E-324", decimal("494065645841247", -338)},
                                         ReadCase{"4.9406564584124654e-324", decimal("49406564584124654", -340)},
                                         ReadCase{"4.94065645841246e-324", 0},  // below the smallest positive double
                                         ReadCase{"2.4703282292062328e-324", 0}, ReadCase{"1e-400", 0},
                                         ReadCase{"-1e-400", 0}, ReadCase{"1e-99999999999999999999", 0}));

INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, ReadNumber,
    testing::Values(
        ReadCase{"&H10", 16}, ReadCase{"&h1f", 31}, ReadCase{"&HaB", 171}, ReadCase{"&H7FFF", 32767},
        ReadCase{"&H8000", -32768}, ReadCase{"&HFFFF", -1}, ReadCase{"&h0000ffff", -1},  // leading zeros do not widen
        ReadCase{"&H0000000000000000FFFF", -1}, ReadCase{"&H10000", 65536}, ReadCase{"&H7FFFFFFF", 2147483647},
        ReadCase{"&H80000000", -2147483648.0}, ReadCase{"&HFFFFFFFF", -1}, ReadCase{"&HFFFFFFFE", -2},
        ReadCase{"&H000000001", 1}, ReadCase{"&H", 0}, ReadCase{"&HG", 0}, ReadCase{"&H1G", 1}, ReadCase{"&HA.5", 10},
        ReadCase{"&H1E2", 482},  // E is a hex digit here, not an exponent
        ReadCase{"& H 1 0", 16}, ReadCase{"&O17", 15}, ReadCase{"&o777", 511}, ReadCase{"&O77777", 32767},
        ReadCase{"&O100000", -32768}, ReadCase{"&O177777", -1}, ReadCase{"&O200000", 65536},
        ReadCase{"&O17777777777", 2147483647}, ReadCase{"&O20000000000", -2147483648.0}, ReadCase{"&O37777777777", -1},
        ReadCase{"&O78", 7}, ReadCase{"&O8", 0}, ReadCase{"&O", 0}, ReadCase{"&OA", 0}, ReadCase{"-&H10", -16},
        ReadCase{"+&H10", 16}, ReadCase{"-&HFFFF", 1}, ReadCase{"-&H8000", 32768},
        ReadCase{"-&H80000000", 2147483648.0}, ReadCase{"-&O17", -15}, ReadCase{"-&H0", 0}, ReadCase{"&10", 0},
        ReadCase{"&X10", 0}, ReadCase{"&", 0}, ReadCase{"1&H10", 1}));

INSTANTIATE_TEST_SUITE_P(FullWidth, ReadNumber,
                         testing::Values(ReadCase{"１２３", 123},                       // U+FF11..U+FF13
                                         ReadCase{"０９", 9}, ReadCase{"１．５", 1.5},  // U+FF0E
                                         ReadCase{"－５", -5},                          // U+FF0D
                                         ReadCase{"＋５", 5},                           // U+FF0B
                                         ReadCase{"1２.５", 12.5},                      // mixed with ASCII
                                         ReadCase{"１　０００", 1000},                  // U+3000 is a blank
                                         ReadCase{"　　7", 7}, ReadCase{"１e３", 1000},
                                         ReadCase{"１ｅ３", 1},  // full-width letters are not folded
                                         ReadCase{"１Ｅ３", 1},
                                         ReadCase{"１，５００", 1500},  // the full-width comma groups thousands
                                         ReadCase{"＆Ｈ１０", 0}, ReadCase{"&H１Ｆ", 1}, ReadCase{"&O１７", 15},
                                         ReadCase{"１。５", 1},  // the ideographic full stop ends the number
                                         ReadCase{"—5", 0}));

INSTANTIATE_TEST_SUITE_P(Bytes, ReadNumber,
                         testing::Values(ReadCase{std::string("7\0"
                                                              "8",
                                                              3),
                                                  7},
                                         ReadCase{std::string("\0"
                                                              "8",
                                                              2),
                                                  0},
                                         ReadCase{"12\xFF"
                                                  "3",
                                                  12},
                                         ReadCase{"\xFF"
                                                  "3",
                                                  0},
                                         ReadCase{"1\xED\xA0\x80"
                                                  "2",
                                                  1},  // a lone surrogate encoded as bytes
                                         ReadCase{"\xED\xA0\x80", 0},
                                         ReadCase{"5\xEF\xBC", 5},  // a cut-off full-width character
                                         ReadCase{"5\xEF", 5}, ReadCase{"\xE3\x80", 0},
                                         ReadCase{"\xC0\xB1", 0},  // an over-long "1"
                                         ReadCase{"\xEF\xBC\x9A"
                                                  "1",
                                                  0},  // U+FF1A, not a digit
                                         ReadCase{"\x90"
                                                  "1",
                                                  0},  // a stray continuation byte
                                         ReadCase{"1\x01"
                                                  "2",
                                                  1},
                                         ReadCase{"\x1B[1m5", 0}));

// Texts of a megabyte: read in one pass, with the value still exact.
// The reading of 1 + 2^-53 is exactly halfway between 1 and the next double.

INSTANTIATE_TEST_SUITE_P(
    LongTexts, ReadNumber,
    testing::Values(
        ReadCase{"1" + std::string(kMegabyte, '0') + "e-1048576", 1},
        ReadCase{"." + std::string(kMegabyte, '0') + "5e1048577", 5},
        ReadCase{"0." + std::string(kMegabyte, '3'), decimal(std::string(40, '3').c_str(), -40)},
        ReadCase{"0." + std::string(kMegabyte, '6'), decimal((std::string(39, '6') + "7").c_str(), -40)},
        ReadCase{"-" + std::string(kMegabyte, '0') + "25", -25}, ReadCase{std::string(kMegabyte, ' ') + "7", 7},
        ReadCase{std::string(kMegabyte, '\t') + "-7" + std::string(kMegabyte, '\n') + "5", -75},
        ReadCase{"1" + std::string(kMegabyte, ' ') + "2", 12}, ReadCase{"1e" + std::string(kMegabyte, '0') + "2", 100},
        ReadCase{"1e-" + std::string(kMegabyte, '9'), 0}, ReadCase{"&H" + std::string(kMegabyte, '0') + "FFFF", -1},
        ReadCase{"&O" + std::string(kMegabyte, '0') + "17", 15}, ReadCase{"3" + std::string(kMegabyte, ','), 3},
        ReadCase{"1" +
                     [] {
                         std::string groups;
                         while (groups.size() < kMegabyte) groups += ",000";
                         return groups;
                     }() +
                     "e-" + std::to_string(kMegabyte / 4 * 3),
                 1}));

// A field is wholly a number when nothing but blanks follows what was read.
TEST(ReadField, TellsWhetherTheTextIsWhollyANumber)
{
    const struct {
        const char* text;
        bool whole;
    } cases[] = {
        {"", true},     {"  ", true},  {"12", true},     {" 3.5 ", true},    {"1,000", true},  {"¥ 2,500.75 ", true},
        {"&HFF", true}, {"1e3", true}, {"12abc", false}, {"1.2.3", false},   {"12,34", false}, {"abc", false},
        {"-", false},   {"¥", false},  {"&H", false},    {"1,500元", false}, {"12E", false},   {"1e+", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readField(c.text).whole, c.whole) << c.text;
        EXPECT_TRUE(readField(c.text).value == readNumber(c.text)) << c.text;
    }
}

// ---------------------------------------------------------------------------
// readNumber: texts that raise the overflow fault

std::optional<FaultCode> faultOf(const std::string& text)
{
    try {
        readNumber(text);
    } catch (const ArithmeticFault& fault) {
        return fault.code;
    }
    return std::nullopt;
}

class ReadNumberOverflow : public testing::TestWithParam<std::string> {};

TEST_P(ReadNumberOverflow, RaisesFault6) { EXPECT_EQ(faultOf(GetParam()), FaultCode::Overflow) << shown(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadNumberOverflow,
    testing::Values(std::string("1e400"), std::string("2e308"), std::string("-1e400"),
                    std::string("1.7976931348623159e308"),
                    std::string("1.7976931348623158e308"),  // just past the largest double
                    std::string("1.79769313486232E+308"),   // the printed text of the largest double
                    std::string("1D309"), std::string("1e99999999999999999999"), std::string("0.0001e313"),
                    std::string(400, '9'), std::string("-") + std::string(400, '9'), std::string(kMegabyte, '1'),
                    std::string("1e") + std::string(kMegabyte, '9')));

INSTANTIATE_TEST_SUITE_P(HexAndOctal, ReadNumberOverflow,
                         testing::Values(std::string("&H100000000"), std::string("&H1FFFFFFFF"),
                                         std::string("-&H100000000"), std::string("&HFFFFFFFFFFFFFFFF"),
                                         std::string("&H10000000000000000"),  // would wrap to 0 in 64 bits
                                         std::string("&O40000000000"),
                                         std::string("&H") + std::string(kMegabyte, 'F')));

// Megabytes of characters that cannot be part of a number: bytes that are not
// UTF-8, control characters, lone surrogates, letters, full-width signs.
std::string junk(std::mt19937& random, std::size_t size)
{
    static const std::string pieces[] = {
        "\x01",
        "\x07",
        "\x0C",
        "\x1B",
        "\x7F",
        std::string(1, '\0'),
        "\xED\xA0\x80",
        "\xED\xBF\xBF",
        "\xEF\xBC\xA1",
        "\xEF\xBC\x8C",
        "\xE3\x80\x81",
        "x",
        "Q",
        "%",
        "#",
        "!",
        ";",
        "@",
        "¥",
    };
    std::uniform_int_distribution<int> pick(0, 2 * static_cast<int>(std::size(pieces)));
    std::uniform_int_distribution<int> high(0x80, 0xFF);
    std::string out;
    while (out.size() < size) {
        const int k = pick(random);
        if (k < static_cast<int>(std::size(pieces))) {
            out += pieces[k];
        } else {
            // A single high byte; E3 and EF could start a folded character.
            const int b = high(random);
            if (b != 0xE3 && b != 0xEF) out += static_cast<char>(b);
        }
    }
    return out;
}

TEST(ReadNumberJunk, NumberBeforeJunkIsRead)
{
    std::mt19937 random(20240601);
    for (const char* number : {"42", "-3.5", "1e2", "&H10", ""}) {
        const std::string text = number + junk(random, kMegabyte);
        EXPECT_EQ(readNumber(text), readNumber(number)) << number;
    }
    EXPECT_EQ(readNumber("42" + junk(random, kMegabyte) + "7"), 42);
    EXPECT_EQ(readNumber(junk(random, kMegabyte) + "7"), 0);
}

TEST(ReadNumberJunk, AnyBytesGiveAFiniteValueOrOverflow)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 4; ++round) {
        std::string text(kMegabyte, '\0');
        for (char& c : text) c = static_cast<char>(byte(random));
        const std::optional<FaultCode> fault = faultOf(text);
        if (fault) {
            EXPECT_EQ(*fault, FaultCode::Overflow);
        } else {
            EXPECT_LE(abs(exact(readNumber(text))), exact(Num(DBL_MAX)));
        }
    }
}

}  // namespace
