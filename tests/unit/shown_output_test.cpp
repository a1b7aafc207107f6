// How a print area shows what the program printed: amounts in a column,
// grouped, with a 0 before a leading point; each press set apart from the
// one before; the lines beside or below a calculator's fields; the browse
// menu's mark of keys that open a calculator.
#include <gtest/gtest.h>

#include <sstream>

#include "app/application.h"
#include "lookup/subjects.h"
#include "num/number_text.h"
#include "replay/recording_toolkit.h"
#include "window/output_surface.h"
#include "window/placement.h"
#include "window/print_layout.h"
#include "window/windows.h"

namespace bk {
namespace {

TEST(ShownAmount, GroupsThousandsAndWritesTheLeadingZero)
{
    const struct {
        Num value;
        std::string shown;
    } cases[] = {
        {Num(148070511) / 100, "1,480,705.11"},
        {Num(-221452380952381) / Num(10000000000000000.0), "-0.0221452380952381"},
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {-1234567, "-1,234,567"},
        {Num(1) / 2, "0.5"},
        {Num(-25) / 10, "-2.5"},
        {Num(99999999999999.0), "99,999,999,999,999"},
        {Num(1e15), "1E+15"},
        {Num(15) / Num(100000000), "1.5E-07"},
    };
    for (const auto& c : cases) EXPECT_EQ(shownAmount(formatNumber(c.value)), c.shown) << formatNumber(c.value);
    EXPECT_EQ(shownAmount(""), "");
}

// What is shown reads back as the amount printed: a copied amount pasted
// into a field is the same number.
TEST(ShownAmount, ReadsBackAsPrinted)
{
    for (double v : {0.0, 1.0, -1.0, 1234.5, -0.0221452380952381, 1e14 - 1, 123456789.125, 1e15, -3e-5, 0.5})
        EXPECT_EQ(readNumber(shownAmount(formatNumber(Num(v)))), readNumber(formatNumber(Num(v)))) << v;
}

TEST(ShownLine, SplitsAResultLineIntoCaptionAndAmount)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, 25);
    out.printText("结转收入");
    out.printNumber("累计折旧", 1480705.11);
    out.printNumber("比率", -0.0221);
    out.printVariant("材料成本差异率", Var());
    out.printBlank();
    EXPECT_EQ(out.shownLine(0), (ShownLine{"结转收入", std::nullopt}));
    EXPECT_EQ(out.shownLine(1), (ShownLine{"累计折旧", "1,480,705.11"}));
    EXPECT_EQ(out.shownLine(2), (ShownLine{"比率", "-0.0221"}));
    EXPECT_EQ(out.shownLine(3), (ShownLine{"材料成本差异率", ""}));
    EXPECT_EQ(out.shownLine(4), (ShownLine{"", std::nullopt}));
    EXPECT_EQ(out.shownLine(5), ShownLine{});
}

// Press by press: the first printed line of every press after the first is
// set apart; a press that prints nothing sets nothing apart, and after a
// clear the next lines start at the top again.
TEST(PressStarts, MarkTheFirstLineOfEachLaterPress)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, win::CashFunds);
    auto press = [&out](int lines) {
        out.beginPress();
        for (int i = 0; i < lines; ++i) out.printText("行");
    };
    press(2);  // rows 0, 1
    press(0);
    press(3);  // rows 2 to 4
    press(1);  // row 5
    std::vector<size_t> starts;
    for (size_t row = 0; row < 8; ++row)
        if (out.startsPress(row)) starts.push_back(row);
    EXPECT_EQ(starts, (std::vector<size_t>{2, 5}));
    out.clear();
    press(2);
    press(1);
    EXPECT_FALSE(out.startsPress(0));
    EXPECT_FALSE(out.startsPress(1));
    EXPECT_TRUE(out.startsPress(2));
}

// The program marks its presses: two presses of 确定 on a calculator, and
// two keys looked up on the main window.
TEST(PressStarts, EachPressOfOkIsOne)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    Application app(toolkit);
    app.start();
    for (int i = 0; i < 2; ++i) {
        app.setText(kMainForm, kKeyBox, "应收票据");
        app.click(kMainForm, ControlKind::Button, static_cast<int>(MainButton::LookUp));
    }
    const OutputSurface& main = app.windows().find(kMainForm)->output();
    ASSERT_EQ(main.lines().size(), 2u);
    EXPECT_FALSE(main.startsPress(0));
    EXPECT_TRUE(main.startsPress(1));
}

// Beside or below, no control stands over a printed line, every control
// stays in the window and keeps its place relative to the others; below,
// the window is narrower by the width the lines had.
TEST(PrintLayout, NoControlStandsOverTheLines)
{
    for (FormId form = kFirstCalculator; form <= Application::lastWindow(); ++form) {
        const WindowSpec spec = Application::windowSpec(form);
        ASSERT_TRUE(controlsInPrintArea(spec)) << form;
        const Rect beside = printAreaBeside(spec);
        EXPECT_GE(beside.width, 4000) << form;
        const WindowSpec below = printAreaBelow(spec, 3000);
        EXPECT_FALSE(controlsInPrintArea(below)) << form;
        EXPECT_LE(below.widthTwips, spec.widthTwips - 4000) << form;
        EXPECT_EQ(below.printArea.width, below.widthTwips);
        EXPECT_EQ(below.printArea.height, 3000);
        EXPECT_EQ(below.heightTwips, below.printArea.top + 3000);
        ASSERT_EQ(below.controls.size(), spec.controls.size());
        const int shift = spec.controls[0].rect.left - below.controls[0].rect.left;
        for (size_t i = 0; i < spec.controls.size(); ++i) {
            const Rect& was = spec.controls[i].rect;
            const Rect& now = below.controls[i].rect;
            EXPECT_FALSE(was.overlaps(beside)) << form << " " << controlName(spec.controls[i]);
            EXPECT_EQ(was.left - now.left, shift);
            EXPECT_EQ(was.top, now.top);
            EXPECT_GE(now.left, 0);
            EXPECT_LE(now.right(), below.widthTwips);
            EXPECT_LT(now.bottom(), below.printArea.top);
        }
    }
    // The main window's lines already stand clear of its controls.
    const WindowSpec main = Application::windowSpec(kMainForm);
    EXPECT_FALSE(controlsInPrintArea(main));
    const Rect area = printAreaBeside(main);
    EXPECT_EQ(area.width, main.printArea.width);
    EXPECT_EQ(printAreaBelow(main, 3000).widthTwips, main.widthTwips);
}

// Keys that open a calculator carry the mark, keys that only print do not.
TEST(BrowseItems, MarkKeysThatOpenACalculator)
{
    std::map<std::string_view, std::string> shown;
    for (const auto& subject : lookup::browseSubjects())
        for (const lookup::BrowseItem& item : subject.items) shown[item.keys.front()] = lookup::menuLabel(item);
    EXPECT_EQ(shown["货币资金"], "货币资金…");
    EXPECT_EQ(shown["利润总额"], "利润总额…");
    EXPECT_EQ(shown["累计折旧"], "累计折旧…");
    EXPECT_EQ(shown["应收票据"], "应收票据");
    EXPECT_EQ(shown["产品毁损"], "产品毁损（产品毁坏、产品损坏）…");
    EXPECT_EQ(shown["现金溢余"], "现金溢余（现金多余）");
}

// Two rectangles overlap where they share a point, whichever is asked;
// edges that only touch share none.
TEST(Placement, RectanglesOverlapWhereTheyShareAPoint)
{
    const Rect a{100, 50, 200, 100};  // right 300, bottom 150
    const struct {
        Rect b;
        bool overlaps;
    } cases[] = {
        {{100, 50, 200, 100}, true},   // the same
        {{150, 80, 10, 10}, true},     // inside it
        {{0, 0, 600, 400}, true},      // around it
        {{299, 149, 50, 50}, true},    // its last point
        {{300, 50, 100, 100}, false},  // touching on the right
        {{0, 50, 100, 100}, false},    // touching on the left
        {{100, 150, 200, 10}, false},  // touching below
        {{100, 0, 200, 50}, false},    // touching above
        {{400, 200, 10, 10}, false},   // apart
    };
    for (const auto& c : cases) {
        EXPECT_EQ(a.overlaps(c.b), c.overlaps) << c.b.left << "," << c.b.top;
        EXPECT_EQ(c.b.overlaps(a), c.overlaps) << c.b.left << "," << c.b.top;
    }
}

// On a 1366 x 728 room: right of the opener where it fits, else left of it,
// else cascaded; always wholly on the screen.
TEST(Placement, BesideTheOpenerAndWhollyOnTheScreen)
{
    const Rect room{0, 0, 1366, 728};
    const struct {
        Rect opener;
        Rect size;
        Rect placed;
    } cases[] = {
        {{100, 50, 500, 400}, {0, 0, 600, 450}, {600, 50, 600, 450}},    // right of it
        {{700, 50, 500, 400}, {0, 0, 600, 450}, {100, 50, 600, 450}},    // no room right: left of it
        {{300, 50, 700, 400}, {0, 0, 600, 450}, {332, 82, 600, 450}},    // neither: cascaded
        {{100, 500, 500, 200}, {0, 0, 600, 450}, {600, 278, 600, 450}},  // raised to fit the height
        {{300, 500, 400, 200}, {0, 0, 900, 450}, {332, 278, 900, 450}},  // cascaded, then kept on screen
        {{0, 0, 1366, 728}, {0, 0, 1500, 900}, {0, 0, 1500, 900}},       // larger than the screen: its top left
    };
    for (const auto& c : cases) {
        const Rect placed = placedBeside(c.opener, c.size, room);
        EXPECT_TRUE(placed == c.placed) << placed.left << "," << placed.top;
    }
    EXPECT_TRUE(cascadedFrom({100, 50, 500, 400}, {0, 0, 300, 200}, room) == (Rect{132, 82, 300, 200}));
    EXPECT_TRUE(keptOnScreen({-40, 700, 300, 200}, room) == (Rect{0, 528, 300, 200}));
    EXPECT_TRUE(keptOnScreen({1200, -5, 300, 200}, {1366, 0, 1920, 1040}) == (Rect{1366, 0, 300, 200}));
}

}  // namespace
}  // namespace bk
