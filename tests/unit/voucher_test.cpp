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
