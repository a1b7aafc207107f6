// The printed lines as spreadsheet rows: what 复制为表格 puts on the
// clipboard.
#include <gtest/gtest.h>

#include <sstream>

#include "replay/recording_toolkit.h"
#include "window/output_surface.h"

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

// The HTML table 复制为表格 puts beside the tab-separated text: each cell's
// & < > " written as entities (nothing else), a blank line an empty row, an
// amount never assigned an empty cell.
TEST(OutputTable, HtmlTableEscapesEachCell)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, 46);
    out.printText("R&D <研发> \"支出\" 'a'&amp;");
    out.printBlank();
    out.printNumber("应交税费（贷）", -2.5);
    out.printVariant("差异率", Var());
    EXPECT_EQ(tableHtml(out.tableRows(0, 4)),
              "<table><tr><td>R&amp;D &lt;研发&gt; &quot;支出&quot; 'a'&amp;amp;</td></tr>"
              "<tr></tr>"
              "<tr><td>应交税费（贷）</td><td>-2.5</td></tr>"
              "<tr><td>差异率</td><td></td></tr></table>");
    EXPECT_EQ(tableHtml({}), "<table></table>");
    EXPECT_EQ(tableHtml({{}, {""}}), "<table><tr></tr><tr><td></td></tr></table>");
}

// Which printed lines 复制为表格 takes for a selection of them.
TEST(OutputTable, CopiesTheLinesASelectionTouches)
{
    struct Case {
        const char* what;
        std::optional<LineSelection> selection;
        LineRange copied;
    };
    const auto select = [](size_t fromLine, size_t fromColumn, size_t toLine, size_t toColumn) {
        return std::optional<LineSelection>{{{fromLine, fromColumn}, {toLine, toColumn}}};
    };
    const Case cases[] = {
        {"nothing selected", std::nullopt, {0, 5}},
        {"an empty selection", select(2, 3, 2, 3), {0, 5}},
        {"within one line", select(1, 2, 1, 4), {1, 1}},
        {"from mid-line to mid-line", select(1, 2, 3, 1), {1, 3}},
        {"taken backwards", select(3, 1, 1, 2), {1, 3}},
        {"whole lines, ending at the next line's start", select(1, 0, 3, 0), {1, 2}},
        {"the same, taken backwards", select(3, 0, 1, 0), {1, 2}},
        {"a line's end to the next line's start", select(2, 7, 3, 0), {2, 1}},
        {"every line and past the end", select(0, 0, 9, 0), {0, 5}},
        {"ending inside the last line", select(0, 0, 4, 2), {0, 5}},
        {"wholly past the printed lines", select(6, 0, 8, 3), {5, 0}},
    };
    for (const Case& c : cases) {
        const LineRange copied = copiedLines(5, c.selection);
        EXPECT_EQ(copied, c.copied) << c.what << ": " << copied.first << "+" << copied.count;
    }
    EXPECT_EQ(copiedLines(0, std::nullopt), (LineRange{0, 0}));
    EXPECT_EQ(copiedLines(0, select(0, 0, 1, 0)), (LineRange{0, 0}));

    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, 2);
    out.printNumber("货币资金", 10);
    out.printBlank();
    out.printText("或");
    EXPECT_EQ(out.copiedRows(select(0, 3, 2, 0)), (Rows{{"货币资金", "10"}, {}}));
    EXPECT_EQ(out.copiedRows(std::nullopt), out.tableRows(0, 3));
}

}  // namespace
}  // namespace bk
