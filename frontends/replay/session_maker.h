// Random sessions over all windows: keys from the real table, clicks on
// visible and hidden windows and on controls a window lacks, huge, empty,
// full-width and non-numeric field texts, faults part-way. The same seed
// makes the same sessions. The random-session test runs them through the
// replay tool, and bookkeeper-sessions writes them for the web edition's
// browser test.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "app/application.h"
#include "lookup/lookup_table.h"

namespace bk {

class SessionMaker {
public:
    explicit SessionMaker(unsigned seed) : random_(seed)
    {
        for (const auto& rule : lookup::LookupTable::instance().rules()) {
            keys_.emplace_back(rule.key);
            for (const auto& action : rule.actions)
                if (action.kind == lookup::RuleAction::Kind::OpenWindow)
                    routes_.push_back({std::string(rule.key), action.window});
        }
        for (FormId form = kMainForm; form <= Application::lastWindow(); ++form)
            specs_.push_back(Application::windowSpec(form));
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
            s += "set Form1.Text1 " +
                 (chance(10) ? keys_[static_cast<size_t>(pick(0, static_cast<int>(keys_.size()) - 1))] : route.key) +
                 "\n";
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
        static const std::vector<std::string> texts = {"",
                                                       "0",
                                                       "1000",
                                                       "1234.5",
                                                       "-250",
                                                       "0.13",
                                                       "0.06",
                                                       "12",
                                                       "3",
                                                       "1e308",
                                                       "-1e308",
                                                       "1.7976931348623157e308",
                                                       "4.9e-324",
                                                       "1e400",
                                                       "abc",
                                                       "12abc",
                                                       "１２３４．５",
                                                       "－８",
                                                       "&HFFFF",
                                                       "&HFFFFFFFFF",
                                                       "&O777",
                                                       " 1 000 ",
                                                       "1,500",
                                                       "1.2.3",
                                                       "1E",
                                                       "1d2",
                                                       "\t\t",
                                                       "　",
                                                       "１e３",
                                                       "\xff\xfe",
                                                       "\xe3\x80",
                                                       "9999999999999999999999",
                                                       "0.0000001",
                                                       "-0",
                                                       "+7",
                                                       "..",
                                                       "e5",
                                                       std::string(2000, '9'),
                                                       std::string(500, '-')};
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
                return "set " + name + ".Text" +
                       std::to_string(boxes[static_cast<size_t>(pick(0, static_cast<int>(boxes.size()) - 1))]) + " " +
                       text() + "\n";
            [[fallthrough]];
        case 4:
        case 5: return "click " + name + ".Command1\n";
        case 6: return "click " + name + ".Command2\n";
        case 7: return "click " + name + ".Label" + std::to_string(pick(1, 12)) + "\n";
        default: return stray();
        }
    }

    // A command on any window, visible or not, with controls it may lack.
    std::string stray()
    {
        const std::string name = "Form" + std::to_string(pick(1, Application::lastWindow()));
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
}  // namespace bk
