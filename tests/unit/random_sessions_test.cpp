// Random sessions over all windows: keys from the real table, clicks on
// visible and hidden windows and on controls a window lacks, huge, empty,
// full-width and non-numeric field texts, faults part-way. Every session
// runs with the session check, so no sequence may lose a window, a printed
// line or a typed text, and none may crash. The sessions are the same on
// every run (a fixed seed).
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/application.h"
#include "lookup/lookup_table.h"
#include "replay.h"
#include "session_check.h"
#include "ui/recording_toolkit.h"

namespace bk {
namespace {

class SessionMaker {
public:
    explicit SessionMaker(unsigned seed) : random_(seed)
    {
        for (const auto& rule : lookup::LookupTable::instance().rules()) {
            keys_.emplace_back(rule.key);
            for (const auto& action : rule.actions)
                if (action.kind == lookup::RuleAction::Kind::OpenWindow) routes_.push_back({std::string(rule.key), action.window});
        }
        for (FormId form = kMainForm; form <= kLastForm; ++form) specs_.push_back(Application::windowSpec(form));
    }

    // One session: a few calculators opened by their keys and worked, with
    // stray commands in between.
    std::string session()
    {
        std::string s;
        const int rounds = pick(1, 6);
        for (int round = 0; round < rounds; ++round) {
            if (chance(8)) s += "click Form1.Command2\n";  // 退出 on the main window ends the program
            const Route& route = routes_[static_cast<size_t>(pick(0, static_cast<int>(routes_.size()) - 1))];
            s += "set Form1.Text1 " + (chance(10) ? keys_[static_cast<size_t>(pick(0, static_cast<int>(keys_.size()) - 1))] : route.key) + "\n";
            s += "click Form1.Command1\n";
            const int steps = pick(1, 12);
            for (int step = 0; step < steps; ++step) s += command(route.window);
            s += chance(2) ? "click Form" + std::to_string(route.window) + ".Command3\n" : stray();
        }
        return s;
    }

private:
    struct Route {
        std::string key;
        FormId window;
    };

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }

    std::string text()
    {
        static const std::vector<std::string> texts = {
            "", "0", "1000", "1234.5", "-250", "0.13", "0.06", "12", "3", "1e308", "-1e308", "1.7976931348623157e308",
            "4.9e-324", "1e400", "abc", "12abc", "１２３４．５", "－８", "&HFFFF", "&HFFFFFFFFF", "&O777", " 1 000 ",
            "1,500", "1.2.3", "1E", "1d2", "\t\t", "　", "１e３", "\xff\xfe", "\xe3\x80", "9999999999999999999999",
            "0.0000001", "-0", "+7", "..", "e5", std::string(2000, '9'), std::string(500, '-')};
        return texts[static_cast<size_t>(pick(0, static_cast<int>(texts.size()) - 1))];
    }

    // An action on the calculator in front, mostly typing and 确定.
    std::string command(FormId form)
    {
        const std::string name = "Form" + std::to_string(form);
        const WindowSpec& spec = specs_[static_cast<size_t>(form - 1)];
        std::vector<int> boxes;
        for (const ControlSpec& c : spec.controls)
            if (c.kind == ControlKind::TextBox) boxes.push_back(c.number);
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            if (!boxes.empty())
                return "set " + name + ".Text" + std::to_string(boxes[static_cast<size_t>(pick(0, static_cast<int>(boxes.size()) - 1))]) +
                       " " + text() + "\n";
            [[fallthrough]];
        case 4:
        case 5:
            return "click " + name + ".Command1\n";
        case 6:
            return "click " + name + ".Command2\n";
        case 7:
            return "click " + name + ".Label" + std::to_string(pick(1, 12)) + "\n";
        default:
            return stray();
        }
    }

    // A command on any window, visible or not, with controls it may lack.
    std::string stray()
    {
        const std::string name = "Form" + std::to_string(pick(1, 100));
        switch (pick(0, 6)) {
        case 0: return "set " + name + ".Text" + std::to_string(pick(1, 20)) + " " + text() + "\n";
        case 1: return "click " + name + ".Command" + std::to_string(pick(1, 4)) + "\n";
        case 2: return "click " + name + ".Label" + std::to_string(pick(1, 20)) + "\n";
        case 3: return "close " + name + "\n";
        case 4: return "screen " + name + "\n";
        case 5: return "state\n";
        default: return "set Form1.Text1 " + text() + "\nclick Form1.Command1\n";
        }
    }

    std::mt19937 random_;
    std::vector<std::string> keys_;
    std::vector<Route> routes_;
    std::vector<WindowSpec> specs_;
};

TEST(RandomSessions, KeepEveryWindowLineAndText)
{
    SessionMaker maker(20261207);
    std::set<FormId> pressed;  // calculators that printed or faulted
    for (int n = 0; n < 5000; ++n) {
        const std::string script = maker.session();
        std::istringstream in(script);
        std::ostringstream log, errors;
        const int status = runReplay(in, log, errors, {.check = true});
        ASSERT_EQ(status, 0) << errors.str() << "session " << n << ":\n" << script;
        std::istringstream events(log.str());
        for (std::string line; std::getline(events, line);) {
            for (const char* kind : {"print Form", "fault Form"})
                if (line.starts_with(kind)) pressed.insert(std::stoi(line.substr(std::string_view(kind).size())));
        }
    }
    // Every calculator was driven to print or to fault.
    for (FormId form = kFirstCalculator; form <= kLastForm; ++form) EXPECT_TRUE(pressed.count(form)) << "Form" << form;
}

// The check itself finds what it is there to find.
TEST(SessionCheckTest, FindsLostWindowsLinesAndTexts)
{
    std::ostringstream log;
    RecordingToolkit screen(log);
    SessionCheck check(screen);
    Application app(check);
    EXPECT_EQ(check.verify(app), "no window is visible");
    app.start();
    EXPECT_EQ(check.verify(app), std::nullopt);

    check.typed(1, 1, "利润总额");
    EXPECT_EQ(check.verify(app), "Form1.Text1 lost what was typed");
    app.setText(1, 1, "利润总额");
    EXPECT_EQ(check.verify(app), std::nullopt);

    check.printLine(1, 0, "a line the program never printed");
    EXPECT_EQ(check.verify(app), "Form1's print area does not hold the lines printed on it");
    check.clearOutput(1);
    EXPECT_EQ(check.verify(app), std::nullopt);

    check.printLine(1, 5, "x");
    EXPECT_EQ(check.verify(app), "Form1 printed at row 5 after 0 lines");
}

}  // namespace
}  // namespace bk
