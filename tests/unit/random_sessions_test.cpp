// Random sessions over all windows: keys from the real table, clicks on
// visible and hidden windows and on controls a window lacks, huge, empty,
// full-width and non-numeric field texts, faults part-way. Every session
// runs with the session check, so no sequence may lose a window, a printed
// line or a typed text, and none may crash. The sessions are the same on
// every run (a fixed seed).
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/application.h"
#include "lookup/lookup_table.h"
#include "replay.h"
#include "session_check.h"
#include "session_maker.h"
#include "ui/recording_toolkit.h"

namespace bk {
namespace {

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
