// The printed lines as spreadsheet rows: what 复制为表格 puts on the
// clipboard.
#include <gtest/gtest.h>

#include <sstream>

#include "ui/output_surface.h"
#include "ui/recording_toolkit.h"

namespace bk {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(OutputTable, EachKindOfLineBecomesItsRow)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, 46);
    out.printText("结转收入");
    out.printNumber("主营业务收入（借）", 1500);
    out.printNumber("本年利润（贷）", -2.5);
    out.printNumber("商品进销差价率", 0.25);
    out.printNumber("累计折旧", 1e308);
    out.printNumber("利润总额", 0);
    out.printVariant("材料成本差异率", Var());  // never assigned: the caption alone
    out.printBlank();
    out.printText("或");

    const Rows expected = {{"结转收入"},
                           {"主营业务收入（借）", "1500"},
                           {"本年利润（贷）", "-2.5"},
                           {"商品进销差价率", ".25"},
                           {"累计折旧", "1E+308"},
                           {"利润总额", "0"},
                           {"材料成本差异率", ""},
                           {},
                           {"或"}};
    EXPECT_EQ(out.tableRows(0, 100), expected);
    EXPECT_EQ(tabSeparated(out.tableRows(0, 100)),
              "结转收入\n主营业务收入（借）\t1500\n本年利润（贷）\t-2.5\n商品进销差价率\t.25\n累计折旧\t1E+308\n"
              "利润总额\t0\n材料成本差异率\t\n\n或\n");
    // The lines as printed are untouched.
    EXPECT_EQ(out.lines()[1], "主营业务收入（借） 1500 ");
    EXPECT_EQ(out.lines()[2], "本年利润（贷）-2.5 ");
}

TEST(OutputTable, RangesAreClippedToWhatIsPrinted)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, 2);
    out.printNumber("货币资金", 10);
    out.printNumber("货币资金", 20);
    out.printNumber("货币资金", 30);
    struct Case {
        size_t first, count;
        Rows rows;
    };
    for (const Case& c : {Case{1, 1, {{"货币资金", "20"}}}, Case{1, 9, {{"货币资金", "20"}, {"货币资金", "30"}}},
                          Case{3, 1, {}}, Case{7, 2, {}}, Case{0, 0, {}}}) {
        EXPECT_EQ(out.tableRows(c.first, c.count), c.rows) << c.first << "+" << c.count;
    }
    out.clear();
    EXPECT_EQ(out.tableRows(0, 10), Rows{});
    out.printText("x");
    EXPECT_EQ(out.tableRows(0, 10), Rows{{"x"}});
}

}  // namespace
}  // namespace bk
