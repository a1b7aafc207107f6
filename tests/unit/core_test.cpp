// The core pieces under the windows: print forms, the lookup engine's order
// of actions, the calculator API and the layout of calculator windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/navigation.h"
#include "calc/calculator.h"
#include "calc/general_standard.h"
#include "calc/layout.h"
#include "lookup/lookup_table.h"
#include "support/test_support.h"
#include "window/output_surface.h"
#include "window/windows.h"

namespace bk {
namespace {

TEST(OutputSurfaceTest, PrintFormsAndClear)
{
    test::Recording screen;
    OutputSurface out(screen.toolkit, 7);
    out.printText("结转收入");
    out.printNumber("货币资金", 1500);
    out.printNumber("差额", -0.5);
    out.printBlank();
    out.printVariant("未赋值", Var());
    out.printVariant("已赋值", Var(Num(2) / 3));
    EXPECT_EQ(out.printRow(), 6);
    out.clear();
    EXPECT_EQ(out.printRow(), 0);
    out.printText("再次");
    EXPECT_EQ(screen.log(),
              "print Form7 0 [结转收入]\n"
              "print Form7 1 [货币资金 1500 ]\n"
              "print Form7 2 [差额-.5 ]\n"
              "print Form7 3 []\n"
              "print Form7 4 [未赋值]\n"
              "print Form7 5 [已赋值 .666666666666667 ]\n"
              "clear Form7\n"
              "print Form7 0 [再次]\n");
}

TEST(LookupEngineTest, RunsEveryRuleOfTheKeyInTableOrder)
{
    using lookup::printRule;
    using lookup::routeRule;
    lookup::LookupTable table({
        printRule("甲", {"一", ""}),
        routeRule("乙", 5),
        routeRule("甲", 9),
        printRule("甲", {"二"}),
        {0, "", {{lookup::RuleAction::Kind::ClearOutput, {}, 0}}, {}, lookup::kNoSubject},
        routeRule("甲", 3),
    });
    struct Case {
        std::string key;
        std::string expected;
    };
    for (const Case& c : {Case{"甲", "print 一\nprint \nopen 9\nprint 二\nopen 3\n"}, Case{"乙", "open 5\n"},
                          Case{"", "clear\n"}, Case{"甲 ", ""}, Case{" 甲", ""}, Case{"丙", ""}}) {
        EXPECT_EQ(test::lookupLog(table, c.key), c.expected) << "key [" << c.key << "]";
    }
}

TEST(CalcTest, ReadsFieldsAndFaultsMidway)
{
    test::Recording screen;
    OutputSurface out(screen.toolkit, 9);
    const calc::Calc::Texts texts{{1, "12abc"}, {2, " 3.5 "}, {5, "abc"}};
    calc::Calc c(texts, out);
    EXPECT_TRUE(c.read(1) == 12);
    EXPECT_TRUE(c.read(2) == 3.5);
    EXPECT_TRUE(c.read(3) == 0);  // a field the window never had
    EXPECT_TRUE(c.read(5) == 0);
    c.result("甲", c.read(1) + c.read(2));
    EXPECT_THROW(c.result("乙", c.read(1) / c.read(5)), ArithmeticFault);
    EXPECT_EQ(screen.log(), "print Form9 0 [甲 15.5 ]\n");
}

// A field with a default stands for it while it holds no number; a number
// typed, 0 too, is used, and the field's note names the default.
TEST(CalcTest, AFieldWithADefault)
{
    const struct {
        const char* typed;
        double read;
        bool holdsNumber;
    } cases[] = {
        {"", 16, false}, {"   ", 16, false},  {"abc", 16, false},
        {"0", 0, true},  {"12abc", 12, true}, {" 7.5 ", 7.5, true},
    };
    test::Recording screen;
    OutputSurface out(screen.toolkit, 38);
    for (const auto& c : cases) {
        const calc::Calc::Texts texts{{12, c.typed}};
        calc::Calc calc(texts, out);
        EXPECT_TRUE(calc.readOr(12, 16) == c.read) << "[" << c.typed << "]";
        EXPECT_EQ(calc.holdsNumber(12), c.holdsNumber) << "[" << c.typed << "]";
    }
    const calc::Calc::Texts none;
    EXPECT_TRUE(calc::Calc(none, out).readOr(12, 16) == 16);  // a field the window never had
    EXPECT_FALSE(calc::Calc(none, out).holdsNumber(12));

    // Form38: 养老（单位%） stands for 16, 医疗（单位%） has no default.
    Application app(screen.toolkit);
    app.start();
    app.setText(kMainForm, kKeyBox, "社保");
    app.click(kMainForm, ControlKind::Button, static_cast<int>(MainButton::LookUp));
    app.setText(win::SocialInsurance, 12, "abc");
    app.setText(win::SocialInsurance, 16, "abc");
    EXPECT_EQ(app.fieldNote(win::SocialInsurance, 12), "没有读到数字，按默认值 16 计算");
    EXPECT_EQ(app.fieldNote(win::SocialInsurance, 16), "没有读到数字，按 0 计算");
}

// The Down arrow opens the keys by subject only in the empty key box with
// no list of completions open.
TEST(BrowseOnDownTest, OnlyInTheEmptyKeyBox)
{
    test::Recording screen;
    Application app(screen.toolkit);
    EXPECT_FALSE(app.downOpensBrowse(kMainForm, kKeyBox, false));  // not shown yet
    app.start();
    EXPECT_TRUE(app.downOpensBrowse(kMainForm, kKeyBox, false));
    EXPECT_FALSE(app.downOpensBrowse(kMainForm, kKeyBox, true));
    EXPECT_FALSE(app.downOpensBrowse(kMainForm, 2, false));
    EXPECT_FALSE(app.downOpensBrowse(Application::lastWindow() + 1, 1, false));
    for (const char* typed : {"应", " "}) {
        app.setText(kMainForm, kKeyBox, typed);
        EXPECT_FALSE(app.downOpensBrowse(kMainForm, kKeyBox, false)) << "[" << typed << "]";
    }
    app.setText(kMainForm, kKeyBox, "货币资金");
    app.click(kMainForm, ControlKind::Button,
              static_cast<int>(MainButton::LookUp));  // opens Form2, the main window hidden
    EXPECT_FALSE(app.downOpensBrowse(2, 1, false));
    app.setText(win::CashFunds, 1, "");
    EXPECT_FALSE(app.downOpensBrowse(2, 1, false));  // a calculator's box does not browse
    EXPECT_FALSE(app.downOpensBrowse(kMainForm, kKeyBox, false));
    app.click(win::CashFunds, ControlKind::Button, static_cast<int>(calc::CalcButton::Exit));
    app.setText(kMainForm, kKeyBox, "");
    EXPECT_TRUE(app.downOpensBrowse(kMainForm, kKeyBox, false));
    app.click(kMainForm, ControlKind::Button, static_cast<int>(MainButton::Exit));
    EXPECT_FALSE(app.downOpensBrowse(kMainForm, kKeyBox, false));
}

// A calculator is at least its smallest size, and beyond it no larger than
// its controls and its note need: a margin right of the rightmost and under
// the lowest.
TEST(CalculatorLayoutTest, WindowsAreAsLargeAsTheirControlsNeed)
{
    constexpr int kMostMargin = 720;
    for (FormId form = kFirstCalculator; form <= Application::lastWindow(); ++form) {
        const WindowSpec spec = Application::windowSpec(form);
        EXPECT_GE(spec.widthTwips, 7935) << formName(form);
        EXPECT_GE(spec.heightTwips, 6225) << formName(form);
        int right = 0, bottom = 0;
        for (const ControlSpec& c : spec.controls) {
            right = std::max(right, c.rect.right());
            bottom = std::max(bottom, c.rect.bottom());
        }
        bottom = std::max(bottom, spec.hintArea.bottom());  // the note under the buttons
        if (spec.widthTwips > 7935) {
            EXPECT_LE(spec.widthTwips - right, kMostMargin) << formName(form);
        }
        if (spec.heightTwips > 6225) {
            EXPECT_LE(spec.heightTwips - bottom, kMostMargin) << formName(form);
        }
        int buttons = 0;
        for (const ControlSpec& c : spec.controls) {
            if (c.kind != ControlKind::Button) continue;
            ++buttons;
            EXPECT_EQ(c.caption, c.number == 1 ? "确定" : c.number == 2 ? "取消" : "退出");
            EXPECT_EQ(c.rect.width, 1575);
            EXPECT_EQ(c.rect.height, 495);
            // The print area on the left stays clear of controls.
            EXPECT_GE(c.rect.left, 5000);
        }
        EXPECT_EQ(buttons, 3) << formName(form);
    }
}

TEST(CalculatorLayoutTest, LabelsNumberedInOrderBesideTheirFields)
{
    const WindowSpec spec = Application::windowSpec(win::DepreciationByCostCentre);
    const ControlSpec* label6 = nullptr;
    const ControlSpec* text6 = nullptr;
    for (const ControlSpec& c : spec.controls) {
        if (c.kind == ControlKind::Label && c.number == 6) label6 = &c;
        if (c.kind == ControlKind::TextBox && c.number == 6) text6 = &c;
    }
    ASSERT_TRUE(label6 && text6);
    EXPECT_EQ(label6->caption, "累计折旧");
    EXPECT_EQ(label6->opens, 25);
    EXPECT_LT(label6->rect.right(), text6->rect.left);
    EXPECT_GT(label6->rect.bottom(), text6->rect.top);
    EXPECT_LT(label6->rect.top, text6->rect.bottom());
}

}  // namespace
}  // namespace bk

namespace bk {
namespace {

// The groups a front end lays a window out by: worked examples, the fields
// of each group in reading order, and their headings' captions.
TEST(WindowGroupsTest, HeadingsAndFieldsByColumn)
{
    struct Expected {
        int column;
        std::string heading;  // "" for none
        std::vector<int> texts;
    };
    const std::vector<std::pair<FormId, std::vector<Expected>>> cases = {
        {kMainForm, {{0, "", {1}}}},
        {25,
         {{0, "年限平均法", {1, 2, 3}},
          {0, "双倍余额递减法", {4, 5, 6}},
          {1, "工作量法", {7, 8, 9, 14}},
          {1, "年数总和法", {10, 11, 12, 13}}}},
        {82, {{0, "", {1, 2, 3, 4, 18, 19, 10, 11, 13}}, {1, "", {5, 6, 7, 8, 9, 12, 14, 15, 16, 17, 20}}}},
        {86, {{0, "票据贴现", {1, 2, 3}}, {0, "逾期贷款", {4}}, {1, "票据存取贴现", {5, 6, 7, 8, 9}}}},
    };
    for (const auto& [form, expected] : cases) {
        const WindowSpec spec = Application::windowSpec(form);
        auto caption = [&spec](int label) {
            for (const ControlSpec& c : spec.controls)
                if (c.kind == ControlKind::Label && c.number == label) return c.caption;
            return std::string("?");
        };
        const auto groups = Application::windowGroups(form);
        ASSERT_EQ(groups.size(), expected.size()) << formName(form);
        for (size_t i = 0; i < groups.size(); ++i) {
            EXPECT_EQ(groups[i].column, expected[i].column) << formName(form) << " group " << i;
            EXPECT_EQ(groups[i].heading ? caption(groups[i].heading) : "", expected[i].heading) << formName(form);
            std::vector<int> texts;
            for (const calc::GroupRow& row : groups[i].rows) texts.push_back(row.text);
            EXPECT_EQ(texts, expected[i].texts) << formName(form) << " group " << i;
        }
    }
}

// In every window the groups hold each text box once, in the tab order of
// the text boxes, each caption the label that names its field.
TEST(WindowGroupsTest, EveryFieldOnceInTabOrderWithItsCaption)
{
    for (FormId form = kMainForm; form <= Application::lastWindow(); ++form) {
        const WindowSpec spec = Application::windowSpec(form);
        std::vector<int> tabOrder;
        for (const ControlSpec& c : spec.controls)
            if (c.kind == ControlKind::TextBox) tabOrder.push_back(c.number);
        std::vector<int> grouped;
        int column = 0;
        for (const calc::ControlGroup& g : Application::windowGroups(form)) {
            EXPECT_GE(g.column, column) << formName(form);
            column = g.column;
            for (const calc::GroupRow& row : g.rows) {
                grouped.push_back(row.text);
                if (!row.label) continue;
                const auto label = std::find_if(
                    spec.controls.begin(), spec.controls.end(),
                    [&row](const ControlSpec& c) { return c.kind == ControlKind::Label && c.number == row.label; });
                ASSERT_NE(label, spec.controls.end()) << formName(form) << " Label" << row.label;
                EXPECT_EQ(label->buddy, row.text) << formName(form) << " Label" << row.label;
            }
        }
        EXPECT_EQ(grouped, tabOrder) << formName(form);
    }
}

// A link belongs to its caption, not to a label number: laid out in another
// order, Form79 still opens Form25 from "累计折旧" and from no other label,
// and a click on that label, whatever its number, is what navigation follows.
TEST(CalculatorLayoutTest, LinkStaysOnItsCaptionWhenItemsMove)
{
    calc::CalculatorDef reordered = calc::calculatorDef(win::DepreciationByCostCentre);
    std::reverse(reordered.items.begin(), reordered.items.end());
    int linkLabel = 0;
    for (const ControlSpec& c : calc::calculatorSpec(reordered).controls) {
        if (c.kind != ControlKind::Label) continue;
        EXPECT_EQ(c.opens, c.caption == "累计折旧" ? 25 : 0) << c.caption;
        if (c.opens) linkLabel = c.number;
    }
    EXPECT_EQ(linkLabel, 1);
    EXPECT_EQ(returnWindow(win::Depreciation), win::DepreciationByCostCentre);
}

// The titles of the windows, as the replay tool's windows command lists them
// after the script: FormN -> its title.
std::map<FormId, std::string> titlesAfter(const std::string& script)
{
    const test::Outcome r = test::replay(script + "windows\n", {.check = true});
    EXPECT_EQ(r.status, 0) << r.errors;
    std::map<FormId, std::string> titles;
    for (const std::string& line : test::lines(r.log)) {
        if (!line.starts_with("form Form")) continue;
        const size_t open = line.find(" ["), close = line.rfind(']');
        titles[std::stoi(line.substr(9, open - 9))] = line.substr(open + 2, close - open - 2);
    }
    return titles;
}

// Each window's title says what it is about in the user's words, never its
// window name: the program on the main window; on a calculator the key that
// opened it (before that, the first key that opens it), or the caption of
// the link that did.
TEST(WindowTitleTest, NamesWhatTheWindowIsAbout)
{
    EXPECT_EQ(Application::windowSpec(kMainForm).title, "记账助手");
    const auto opening = test::keysOpening();
    const auto titles = titlesAfter("");
    ASSERT_EQ(titles.size(), static_cast<size_t>(Application::lastWindow()));
    for (const auto& [form, title] : titles) {
        EXPECT_EQ(title, Application::windowSpec(form).title);
        EXPECT_EQ(title.find("Form"), std::string::npos) << title;
        if (form == kMainForm) continue;
        const std::string suffix = " — 记账助手";
        ASSERT_TRUE(title.ends_with(suffix)) << title;
        ASSERT_TRUE(opening.contains(form)) << form;
        // A window of the general standard is marked after the key.
        const std::string mark = calc::generalStandardNote(form).empty() ? "" : "【企业会计准则】";
        EXPECT_EQ(title.substr(0, title.size() - suffix.size()), std::string(opening.at(form).front()) + mark) << title;
    }
}

TEST(WindowTitleTest, TheKeyTypedOrTheLinkClicked)
{
    const struct {
        std::string script;
        FormId form;
        std::string title;
    } cases[] = {
        {"set Form1.Text1 盘亏\nclick Form1.Command1\n", 63, "盘亏 — 记账助手"},
        {"set Form1.Text1 盘亏\nclick Form1.Command1\nclose Form63\nset Form1.Text1 盘盈\nclick Form1.Command1\n", 63,
         "盘盈 — 记账助手"},
        // Spaces around the key are not part of it; initials stand for theirs.
        {"set Form1.Text1  盘亏 \nclick Form1.Command1\n", 63, "盘亏 — 记账助手"},
        {"set Form1.Text1 yszk\nclick Form1.Command1\n", 4, "应收账款 — 记账助手"},
        // A key that opens two windows titles both.
        {"set Form1.Text1 利润总额\nclick Form1.Command1\n", 35, "利润总额 — 记账助手"},
        {"set Form1.Text1 利润总额\nclick Form1.Command1\n", 46, "利润总额 — 记账助手"},
        // A window on screen opened again by another key takes that key.
        {"set Form1.Text1 利润总额\nclick Form1.Command1\nclose Form35\nset Form1.Text1 本年利润\nclick "
         "Form1.Command1\n",
         46, "本年利润 — 记账助手"},
        {"set Form1.Text1 累计折旧\nclick Form1.Command1\nclick Form79.Label6\n", 25, "累计折旧 — 记账助手"},
        {"set Form1.Text1 累计折旧计算\nclick Form1.Command1\nclose Form25\nclick Form79.Label6\n", 25,
         "累计折旧 — 记账助手"},
        // A key that finds nothing titles nothing.
        {"set Form1.Text1 盘亏\nclick Form1.Command1\nclose Form63\nset Form1.Text1 盘\nclick Form1.Command1\n", 63,
         "盘亏 — 记账助手"},
    };
    for (const auto& c : cases) EXPECT_EQ(titlesAfter(c.script)[c.form], c.title) << c.script;
}

// The main window: Tab follows the screen, and the printed lines stand
// where no control covers them, wide enough for any line the lookup prints;
// the hint too stands clear of the controls.
TEST(MainWindowLayoutTest, TabOrderAndAClearPrintArea)
{
    const WindowSpec spec = Application::windowSpec(kMainForm);
    std::vector<std::string> order;
    for (const ControlSpec& c : spec.controls)
        if (c.kind != ControlKind::Label) order.push_back(controlName(c) + " " + c.caption);
    EXPECT_EQ(order, (std::vector<std::string>{"Text1 ", "Command1 确定", "Command3 取消", "Command2 退出"}));
    EXPECT_EQ(spec.printArea.left, 0);
    EXPECT_EQ(spec.printArea.top, 0);
    EXPECT_EQ(spec.printArea.height, spec.heightTwips);
    for (const ControlSpec& c : spec.controls) {
        EXPECT_FALSE(c.rect.overlaps(spec.printArea)) << controlName(c);
        EXPECT_FALSE(c.rect.overlaps(spec.hintArea)) << controlName(c);
        EXPECT_LE(c.rect.right(), spec.widthTwips) << controlName(c);
    }
    EXPECT_FALSE(spec.hintArea.overlaps(spec.printArea));
    for (const auto& rule : lookup::LookupTable::instance().rules()) {
        for (const auto& a : rule.actions) {
            if (a.kind == lookup::RuleAction::Kind::PrintLine) {
                EXPECT_LE(textWidth(a.text) + 2 * kPrintInset, spec.printArea.width) << a.text;
            }
        }
    }
    // No wider than that needs: the controls keep their distance from it.
    EXPECT_EQ(spec.controls[1].rect.left - spec.printArea.right(), 240);
}

}  // namespace
}  // namespace bk
