// The toolkit of the web edition: it keeps every window operation, printed
// line, hint and fault as an event in a queue that the page takes after each user
// action and draws. It holds no behaviour of its own; the binding
// (wasm/binding.cpp) hands the events to the page's script.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "window/toolkit.h"

namespace bk {

struct WebEvent {
    enum class Kind { Create, Show, Hide, Print, Clear, Hint, Fault, Quit };
    Kind kind = Kind::Show;
    FormId form = 0;
    int row = 0;                     // Print: the print position's line; Fault: the fault code
    std::string text;                // Print: the line as drawn; Hint, Fault: the message; Show: the title
    std::vector<std::string> keys;   // Hint: the keys offered, nearest first
    std::vector<std::string> shown;  // Hint: each key as shown
};

class WebToolkit : public Toolkit {
public:
    // The page keeps every window it made, hidden ones too (its elements
    // cost little), and draws a window's lines and texts again from the
    // core when it is shown: a window is made on the page once.
    void createWindow(const WindowSpec& spec, const WindowContent& content) override;
    void destroyWindow(FormId) override {}
    void showWindow(FormId form) override;
    void hideWindow(FormId form) override;
    // The page takes a window's title with the event that shows it.
    void setTitle(FormId form, const std::string& title) override;
    void printLine(FormId form, int row, const std::string& text) override;
    void clearOutput(FormId form) override;
    void showHint(FormId form, const KeyHint& hint) override;
    // The page shows the message in a modal dialog of its own; the program
    // does not wait for it and carries on, as after the desktop's box.
    void showFault(FormId form, int code, const std::string& message) override;
    void quit() override;

    // The events since the last call, oldest first.
    std::vector<WebEvent> take();

private:
    void add(WebEvent::Kind kind, FormId form, int row = 0, std::string text = {}, std::vector<std::string> keys = {});
    std::vector<WebEvent> events_;
    std::set<FormId> made_;                 // the windows the page has made
    std::map<FormId, std::string> titles_;  // and the title each has now
};

}  // namespace bk
