// The vouchers read off a print area, worked by hand: which lines are
// entries and on which side, their 摘要, totals and difference; the amounts
// as a voucher and its CSV show them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/vouchers.h"
#include "num/number_text.h"
#include "window/output_surface.h"

namespace bk::calc {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(Vouchers, ReadAsABookkeeperReads)
{
    const Rows printed = {
        {"销售商品"},                            // a heading
        {"应收账款（借）", "1130"},              //
        {"主营业务收入（贷）", "1000"},          //
        {"应交税费-应交增值税（销）", "130"},    // output VAT: a credit
        {},                                      // a blank line ends the entry
        {"利润总额", "500"},                     // a figure: no entry
        {"管理费用(借)", "100"},                 // no heading: the window's name
        {"应交税费-应交增值税（进）", "13"},     // input VAT: a debit
        {"养老保险（公司贷）", "100"},           // the side closes a longer bracket
        {"银行存款（贷）", ""},                  // a caption alone: no line
        {"已计提"},                              // a heading starts a new entry
        {"累计折旧（贷）", "1E+3"},              //
        {"固定资产（借）", ".333333333333333"},  // amounts print to 15 digits
        {"在建工程（借）", "999.666666666667"},  //
    };
    const std::vector<Voucher> v = readVouchers(printed, "购进");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].summary, "销售商品");
    EXPECT_EQ(v[1].summary, "购进");
    EXPECT_EQ(v[1].heading, "");
    EXPECT_EQ(v[2].summary, "已计提");

    ASSERT_EQ(v[0].lines.size(), 3u);
    EXPECT_EQ(v[0].lines[2].account, "应交税费-应交增值税（销）");
    EXPECT_FALSE(v[0].lines[2].debit);
    EXPECT_TRUE(v[0].balanced());
    EXPECT_EQ(v[0].debits, Num(1130));

    ASSERT_EQ(v[1].lines.size(), 3u);
    EXPECT_EQ(v[1].lines[0].account, "管理费用");
    EXPECT_TRUE(v[1].lines[1].debit);
    EXPECT_EQ(v[1].lines[2].account, "养老保险（公司）");
    EXPECT_FALSE(v[1].lines[2].debit);
    EXPECT_FALSE(v[1].balanced());
    EXPECT_EQ(v[1].difference(), Num(13));

    // 1/3 + 2999/3 printed to 15 digits is 1000 to within the printing.
    EXPECT_EQ(v[2].lines[0].amountText, "1E+3");
    EXPECT_TRUE(v[2].balanced());
    EXPECT_NE(v[2].difference(), Num(0));
}

TEST(Vouchers, AmountsToTheFen)
{
    const struct {
        const char* amount;
        const char* grouped;
        const char* plain;
    } cases[] = {
        {"1480705.11", "1,480,705.11", "1480705.11"},
        {"0", "0.00", "0.00"},
        {"-0.5", "-0.50", "-0.50"},
        {"0.005", "0.01", "0.01"},
        {"-0.004", "0.00", "0.00"},
        {"999.995", "1,000.00", "1000.00"},
        {"123456", "123,456.00", "123456.00"},
        {"-1234567.891", "-1,234,567.89", "-1234567.89"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fenAmount(readNumber(c.amount)), c.grouped) << c.amount;
        EXPECT_EQ(fenAmount(readNumber(c.amount), false), c.plain) << c.amount;
    }
}

// A line whose amount shows as 0.00 is no line to post; an entry left with
// no line is no voucher, and the vouchers are numbered over those left.
TEST(Vouchers, ZeroLinesAreLeftOut)
{
    const struct {
        const char* about;
        Rows printed;
        std::vector<size_t> lines;  // lines of each voucher kept
        std::vector<const char*> debits;
    } cases[] = {
        {"all zero: no voucher",
         {{"销售"}, {"应收账款（借）", "0"}, {"主营业务收入（贷）", "0"}, {}, {"采购"}, {"库存商品（借）", "-0.004"}},
         {},
         {}},
        {"a zero line of an entry goes, the totals are of the lines kept",
         {{"计提"}, {"管理费用（借）", "600"}, {"销售费用（借）", "0.001"}, {"累计折旧（贷）", "600"}},
         {2},
         {"600"}},
        {"an entry of zeros between two: the next one is voucher 2",
         {{"甲"},
          {"管理费用（借）", "5"},
          {"银行存款（贷）", "5"},
          {},
          {"乙"},
          {"管理费用（借）", "0"},
          {"银行存款（贷）", "0"},
          {},
          {"丙"},
          {"管理费用（借）", "0.005"},
          {"银行存款（贷）", "0.005"}},
         {2, 2},
         {"5", "0.005"}},
        {"a line under half a fen is left out: the sides differ by it and balance",
         {{"管理费用（借）", "5.004"}, {"银行存款（贷）", "5"}, {"财务费用（贷）", "0.004"}},
         {2},
         {"5.004"}},
        {"a first line of 0 leaves the heading to the next",
         {{"交纳"}, {"应交税费-应交房产税（借）", "0"}, {"应交税费-应交印花税（借）", "10"}, {"银行存款（贷）", "10"}},
         {2},
         {"10"}},
    };
    for (const auto& c : cases) {
        const std::vector<Voucher> v = readVouchers(c.printed, "窗口");
        ASSERT_EQ(v.size(), c.lines.size()) << c.about;
        for (size_t k = 0; k < v.size(); ++k) {
            EXPECT_EQ(v[k].lines.size(), c.lines[k]) << c.about;
            EXPECT_EQ(v[k].debits, readNumber(c.debits[k])) << c.about;
            EXPECT_TRUE(v[k].balanced()) << c.about;
        }
    }
    const std::vector<Voucher> v = readVouchers({{"应交税费-应交房产税（借）", "0"}, {"银行存款（贷）", "10"}}, "交纳");
    EXPECT_EQ(v[0].summary, "交纳");
    EXPECT_EQ(v[0].opening, "应交税费-应交房产税（借）");  // names the entry: the line left out included
}

// A line naming alternatives posts to the first until another is chosen;
// the CSV's 会计科目 is the one chosen, with its code.
TEST(Vouchers, AlternativesShowTheFirstUntilChosen)
{
    const struct {
        const char* caption;
        std::vector<std::string> accounts;
        std::vector<size_t> choice;  // none: the first
        const char* shown;
    } cases[] = {
        {"应收账款/银行存款（借）", {"应收账款", "银行存款"}, {}, "1122 应收账款"},
        {"应收账款/银行存款（借）", {"应收账款", "银行存款"}, {1}, "1002 银行存款"},
        {"应收账款/银行存款（借）", {"应收账款", "银行存款"}, {2}, "1122 应收账款"},  // no third: kept
        {"库存商品/原材料（借）", {"库存商品", "原材料"}, {1}, "1403 原材料"},
        {"管理费用（借）", {"管理费用"}, {1}, "5602 管理费用"},
        {"养老保险（公司贷）", {"养老保险（公司）"}, {}, "养老保险（公司）"},
    };
    for (const auto& c : cases) {
        std::vector<Voucher> v = readVouchers({{c.caption, "100"}}, "销售");
        ASSERT_EQ(v.size(), 1u) << c.caption;
        EXPECT_EQ(v[0].lines[0].accounts, c.accounts) << c.caption;
        EXPECT_EQ(v[0].lines[0].account, c.accounts[0]) << c.caption;
        chooseAccounts(v, {c.choice});
        EXPECT_EQ(shownAccount(v[0].lines[0]), c.shown) << c.caption;
        EXPECT_EQ(voucherRows(v, {})[1][4], c.shown) << c.caption;
        EXPECT_EQ(shownAccount(v[0].lines[0].account), c.shown) << c.caption;
    }
}

TEST(Vouchers, RowsForASpreadsheet)
{
    const std::vector<Voucher> v = readVouchers(
        {{"应收账款（借）", "1130"}, {"主营业务收入（贷）", "1000"}, {"应交税费-应交增值税（销项税额）（贷）", "100"}},
        "销售");
    const Rows rows = voucherRows(v, {"2026-12-07", "2"});
    const Rows expected = {
        {"凭证号", "日期", "附件张数", "摘要", "会计科目", "借方金额", "贷方金额"},
        {"1", "2026-12-07", "2", "销售", "1122 应收账款", "1130.00", ""},
        {"1", "2026-12-07", "2", "销售", "5001 主营业务收入", "", "1000.00"},
        {"1", "2026-12-07", "2", "销售", "2221 应交税费-应交增值税（销项税额）", "", "100.00"},
        {"1", "2026-12-07", "2", "合计", "金额大写：壹仟壹佰叁拾元整", "1130.00", "1100.00"},
        {"1", "2026-12-07", "2", "借贷不平，差额", "", "30.00", ""},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(csvText({{"a,b", "say \"hi\"", ""}, {}, {"合计"}}),
              "\xEF\xBB\xBF\"a,b\",\"say \"\"hi\"\"\",\r\n\r\n合计\r\n");
}

}  // namespace
}  // namespace bk::calc
