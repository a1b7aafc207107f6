// A toolkit without a screen: it writes every window operation, printed
// line and fault as one line of an event log. The replay tool and the tests
// run the program on it; the program itself never links it. Making and
// letting go of a window's drawing leave no line: the log tells what the
// user sees.
#pragma once

#include <ostream>

#include "window/toolkit.h"

namespace bk {

class RecordingToolkit : public Toolkit {
public:
    explicit RecordingToolkit(std::ostream& log) : log_(log) {}

    void createWindow(const WindowSpec&, const WindowContent&) override {}
    void destroyWindow(FormId) override {}
    void showWindow(FormId form) override;
    void hideWindow(FormId form) override;
    // Titles are not logged; the replay tool's windows command lists them.
    void setTitle(FormId, const std::string&) override {}
    void printLine(FormId form, int row, const std::string& text) override;
    void clearOutput(FormId form) override;
    void showHint(FormId form, const KeyHint& hint) override;
    void showFault(FormId form, int code, const std::string& message) override;
    void quit() override;

private:
    std::ostream& log_;
};

}  // namespace bk
