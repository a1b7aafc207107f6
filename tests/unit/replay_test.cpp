// The replay tool's script handling: malformed lines, comments, line ends,
// and arbitrary text typed into a field.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "lookup/lookup_table.h"
#include "support/test_support.h"

namespace bk {
namespace {

using test::Outcome;
using test::replay;

TEST(ReplayScriptTest, MalformedLinesStopWithTheLineNumber)
{
    const std::string pastTheLast = "click Form" + std::to_string(Application::lastWindow() + 1) + ".Command1";
    for (const std::string bad : {"clik Form1.Command1",
                                  "click Form1",
                                  "click Form0.Command1",
                                  pastTheLast.c_str(),
                                  "click Form01.Command1",
                                  "click Form1.Text1",
                                  "click Form1.Command",
                                  "click Form1.Command1 x",
                                  "set Form1.Command1 x",
                                  "set Form1 x",
                                  "close Form1.Command3",
                                  "state now",
                                  "screen",
                                  "screen Form1.Text1",
                                  "controls",
                                  "controls Form1.Label1",
                                  "controls Form0",
                                  "subjects Form1",
                                  "rules Form1",
                                  "click form1.Command1",
                                  "click Form1.Command-1",
                                  "expect Form1",
                                  "expect Form1 1000",
                                  "expect Form1 合计 x",
                                  "expect Form1 合计 1000x",
                                  "expect Form1 合计 ¥1000",
                                  "expect Form1.Text1 [x]",
                                  " state"}) {
        const Outcome r = replay("# header\n\nstate\n" + bad + "\nstate\n");
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.errors.find("line 4"), std::string::npos) << bad << ": " << r.errors;
        // What ran before the bad line is logged; nothing after it runs.
        EXPECT_EQ(r.log, "show Form1\n> state\nvisible: Form1\n") << bad;
    }
}

TEST(ReplayScriptTest, WindowsLineEndsAndTextsWithSpaces)
{
    const Outcome r = replay("set Form1.Text1  a  b \r\nstate\r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.log, "show Form1\n> set Form1.Text1  a  b \n> state\nvisible: Form1\n");
}

// The rules command lists the table, one line per rule in table order, with
// the windows each rule opens; it opens none itself.
TEST(ReplayScriptTest, RulesListTheTableInOrder)
{
    const Outcome r = replay("rules\nstate\n");
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> lines = test::lines(r.log);
    const auto& rules = lookup::LookupTable::instance().rules();
    ASSERT_EQ(lines.size(), 2u + rules.size() + 2u);
    EXPECT_EQ(lines[1], "> rules");
    for (const auto& rule : rules) {
        std::string expected = "rule " + std::to_string(rule.number) + " [" + std::string(rule.key) + "]";
        for (const auto& a : rule.actions)
            if (a.kind == lookup::RuleAction::Kind::OpenWindow) expected += " Form" + std::to_string(a.window);
        EXPECT_EQ(lines[2 + static_cast<size_t>(rule.number)], expected);
    }
    for (const std::string tail : {" [短期投资]", " []", " [货币资金] Form2", " [长期股权投资] Form100"})
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.ends_with(tail); }), 1)
            << tail;
    EXPECT_EQ(lines.back(), "visible: Form1");
}

// Every window's controls stand inside its client area and none overlaps
// another: the controls command reports no "outside" or "overlap" line.
TEST(ReplayScriptTest, ControlsOfEveryWindowFitWithoutOverlap)
{
    for (FormId form = kMainForm; form <= Application::lastWindow(); ++form) {
        const std::string name = "Form" + std::to_string(form);
        const Outcome r = replay("controls " + name + "\n");
        ASSERT_EQ(r.status, 0) << name;
        EXPECT_NE(r.log.find("\nwindow " + name + " "), std::string::npos) << name;
        EXPECT_NE(r.log.find("\ncontrol " + name + " Command1 button "), std::string::npos) << name;
        EXPECT_EQ(r.log.find("\noverlap "), std::string::npos) << r.log;
        EXPECT_EQ(r.log.find("\noutside "), std::string::npos) << r.log;
    }
    // The command opens nothing.
    EXPECT_EQ(replay("controls Form18\nstate\n").log.find("show Form18"), std::string::npos);
}

// An expect line checks the print area and logs nothing: a miss is reported
// with its line number and what was printed, the script runs on, and the
// tool exits 1.
TEST(ReplayScriptTest, ExpectChecksThePrintAreaWithoutLogging)
{
    // Two presses: 1000 a month, then 100000 / 3 / 12 below it, exactly.
    const std::string presses =
        "amounts exact\nset Form1.Text1 累计摊销\nclick Form1.Command1\n"
        "set Form28.Text1 120000\nset Form28.Text2 10\nclick Form28.Command1\n"
        "set Form28.Text1 100000\nset Form28.Text2 3\nclick Form28.Command1\n";
    const std::string after = "set Form28.Text2 4\nclick Form28.Command1\nstate\n";
    struct Case {
        std::string line;
        std::string error;  // empty: met
    };
    const Case cases[] = {
        {"expect Form28 累计摊销（年） 33333.3333333333", ""},
        {"expect Form28 累计摊销（月） 2777.77777777778", ""},
        {"expect Form28 累计摊销（月） 2777.777777777780", ""},
        {"expect Form28 累计摊销（月） 2.77777777777778E+3", ""},
        {"expect Form28 [累计摊销（月） 1000 ]", ""},
        // The last line with the caption counts, not an earlier one.
        {"expect Form28 累计摊销（月） 1000",
         "line 10: expected Form28 累计摊销（月） 1000, printed [累计摊销（月） "
         "2777.77777777778 ]\n"},
        {"expect Form28 累计摊销（月） 2777.7777777777", "printed [累计摊销（月） 2777.77777777778 ]"},
        {"expect Form28 累计摊销（月） -", "printed [累计摊销（月） 2777.77777777778 ]"},
        {"expect Form28 累计摊销 1000", "line 10: expected Form28 累计摊销 1000, printed no such line\n"},
        {"expect Form28 [累计摊销（月） 1000]", "expected Form28 [累计摊销（月） 1000], printed no such line"},
        {"expect Form29 累计摊销（月） 1000", "printed no such line"},
    };
    const Outcome plain = replay(presses + after);
    ASSERT_EQ(plain.status, 0);
    for (const Case& c : cases) {
        std::string script = presses;
        script.append(c.line).append("\n").append(after);
        const Outcome r = replay(script);
        EXPECT_EQ(r.log, plain.log) << c.line;
        if (c.error.empty()) {
            EXPECT_EQ(r.status, 0) << c.line;
            EXPECT_EQ(r.errors, "") << c.line;
        } else {
            EXPECT_EQ(r.status, 1) << c.line;
            EXPECT_NE(r.errors.find(c.error), std::string::npos) << c.line << ": " << r.errors;
        }
    }
}

// The largest double prints rounded up beyond itself; checking that line
// fails like any other miss.
TEST(ReplayScriptTest, ExpectOnTheLargestAmountFailsWithoutACrash)
{
    const Outcome r = replay(
        "set Form1.Text1 货币资金\nclick Form1.Command1\n"
        "set Form2.Text1 1.7976931348623157e308\nclick Form2.Command1\n"
        "expect Form2 货币资金 1.7976931348623157E+308\nstate\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.errors,
              "bookkeeper-replay: line 5: expected Form2 货币资金 1.7976931348623157E+308, printed [货币资金 "
              "1.79769313486232E+308 ]\n");
    EXPECT_TRUE(r.log.ends_with("> state\nvisible: Form2\n")) << r.log;
}

TEST(ReplayScriptTest, EndStopsTheScript)
{
    const Outcome r = replay("click Form1.Command2\nstate\nnonsense\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.log, "show Form1\n> click Form1.Command2\nend\n");
}

// Whatever is typed into a field is read without a crash: a megabyte of
// digits, of control characters and of broken UTF-8 (lone surrogates).
TEST(ReplayScriptTest, HugeAndBrokenFieldTexts)
{
    struct Case {
        std::string text;
        std::string line;  // the printed line for Text1, as Form79 prints it below its heading
    };
    std::string controls;
    // Every control character but the line ends, which end a script line.
    for (int i = 0; controls.size() < (1 << 20); ++i)
        if (const char ch = static_cast<char>(1 + i % 31); ch != '\n' && ch != '\r') controls += ch;
    std::string surrogates;
    while (surrogates.size() < (1 << 20)) surrogates += "\xED\xA0\x80\xED\xBF\xBF\xFF";
    const Case cases[] = {
        {"7" + std::string(1 << 20, ' ') + "5", "在建工程（借） 75 "},
        {"0." + std::string(1 << 20, '3'), "在建工程（借） .333333333333333 "},
        {"42" + controls, "在建工程（借） 42 "},
        {surrogates, "在建工程（借） 0 "},
        {std::string(1 << 20, '9'), ""},  // too large for a double: the overflow fault
    };
    for (const Case& c : cases) {
        const Outcome r = replay("set Form1.Text1 累计折旧\nclick Form1.Command1\nset Form79.Text1 " + c.text +
                                 "\nclick Form79.Command1\n");
        EXPECT_EQ(r.status, 0);
        if (c.line.empty())
            EXPECT_NE(r.log.find("\nfault Form79 6 运行时错误 6：溢出\n"), std::string::npos);
        else
            EXPECT_NE(r.log.find("\nprint Form79 1 [" + c.line + "]\n"), std::string::npos) << c.line;
    }
}

}  // namespace
}  // namespace bk
