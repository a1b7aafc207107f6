// Watches a session from the screen's side and checks, after each user
// action, what the program owes its user whatever was typed or clicked:
//   - until the program ends, some window is visible, and the windows the
//     screen shows are the ones the program thinks visible;
//   - each window's print area holds exactly the lines printed on it since
//     its last clear, each drawn at the next row;
//   - each text box still holds what was last typed into it;
//   - a hint offers only keys that the lookup finds;
//   - a window has a drawing just while it is shown, and a drawing made
//     again shows the lines and texts the window holds.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "window/toolkit.h"

namespace bk {

// A toolkit that passes everything on to another one and remembers what the
// screen was told.
class SessionCheck : public Toolkit {
public:
    explicit SessionCheck(Toolkit& screen) : screen_(screen), drawn_(slots()), shown_(slots()), printed_(slots()) {}

    void createWindow(const WindowSpec& spec, const WindowContent& content) override;
    void destroyWindow(FormId form) override;
    void showWindow(FormId form) override;
    void hideWindow(FormId form) override;
    void setTitle(FormId form, const std::string& title) override;
    void printLine(FormId form, int row, const std::string& text) override;
    void clearOutput(FormId form) override;
    void showHint(FormId form, const KeyHint& hint) override;
    void showFault(FormId form, int code, const std::string& message) override;
    void quit() override;

    // The user typed `text` into TextN of the window, and the program took it.
    void typed(FormId form, int textNumber, std::string text);

    // The program put back the work of an earlier run: the windows hold
    // those lines and texts from the start.
    void restored(const Application& app);

    // 新建（清除全部）: nothing typed is kept.
    void clearedAll() { typed_.clear(); }

    // What the program broke, if anything, as one line of text.
    std::optional<std::string> verify(const Application& app) const;

private:
    static size_t slot(FormId form) { return static_cast<size_t>(form); }
    static size_t slots() { return slot(Application::lastWindow()) + 1; }

    Toolkit& screen_;
    std::vector<bool> drawn_;  // by window number
    std::vector<bool> shown_;
    std::vector<std::vector<std::string>> printed_;
    std::map<std::pair<FormId, int>, std::string> typed_;
    bool quit_ = false;
    std::optional<std::string> broken_;  // a fault seen while it happened
};

}  // namespace bk
