// The small window-toolkit interface under the program.
//
// The core (windows, navigation, lookup, calculators) describes each window
// as a WindowSpec and asks the toolkit to create, show and hide it, to draw
// printed lines and to show a fault. The toolkit reports user actions back
// through the Application (clicks, text edits, the close box). Three adapters
// implement it: the Qt Widgets one of the desktop program, the web one that
// hands its events to the page of the web edition, and a recording one used
// by the replay tool and the tests.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

// Window number N names FormN: 1 is the main window, the calculators follow
// from 2 on. How many there are is the calculator catalogue's to say
// (Application::lastWindow()), not the toolkit's.
using FormId = int;
constexpr FormId kMainForm = 1;
constexpr FormId kFirstCalculator = 2;

std::string formName(FormId form);  // "Form7"

enum class ControlKind { Label, TextBox, Button };

// Positions and sizes in twips (15 twips to the pixel at 96 dpi), from the
// top left of the client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    // Whether the two share any point; rectangles that only touch do not.
    bool overlaps(const Rect& other) const
    {
        return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
    }
    bool operator==(const Rect&) const = default;
};

struct ControlSpec {
    ControlKind kind = ControlKind::Label;
    int number = 0;       // LabelN, TextN, CommandN
    std::string caption;  // label and button text; empty for text boxes
    Rect rect;
    FormId opens = 0;        // a label that opens another window: that window
    bool completes = false;  // a text box that offers keys as the user types
    bool browses = false;    // a text box that offers every key by subject
    int buddy = 0;           // a label that names a text box: its TextN
    std::string tip = {};    // a text box's explanation, shown as its tooltip
    // A text box's grey text while it is empty: the number it stands for
    // then (drawn by the toolkit, never typed into the box).
    std::string placeholder = {};
};

std::string controlName(const ControlSpec& control);  // "Text3", "Label6", "Command1"

// The width of a text in the windows' font, in twips: a Chinese character or
// a full-width form is 200 (10 points), any other character 105.
int textWidth(std::string_view utf8);
// Printed lines stand this far in from the edges of their print area.
constexpr int kPrintInset = 45;

struct WindowSpec {
    FormId form = 0;
    int widthTwips = 0;  // client area
    int heightTwips = 0;
    // In tab order for the focusable ones (text boxes, buttons, labels that
    // open a window); the print area comes after them, the last stop.
    std::vector<ControlSpec> controls;
    // The title bar, also the window's name for a screen reader: what the
    // user asked for, "盘亏 — 记账助手"; the program sets it each time a key
    // or a link opens the window.
    std::string title;
    Rect printArea;        // where the printed lines stand, clear of every control
    Rect hintArea;         // where a hint under the key box stands; none if empty
    int enterPresses = 1;  // the button that Enter in a text box presses (CommandN)
};

// A note under the main window's key box: what went wrong with the typed key
// and the keys the user may have meant. Choosing a key puts it into the box.
struct KeyHint {
    std::string message;             // empty: no hint shown
    std::vector<std::string> keys;   // nearest first
    std::vector<std::string> shown;  // each key as shown (lookup::shownKey), one to a key
};

// What a window holds that its drawing shows: the texts of its boxes and
// the lines printed since the last clear. It refers to what the program
// holds, valid during the createWindow call: an adapter copies what it keeps.
struct WindowContent {
    const std::map<int, std::string>& texts;  // TextN -> its text
    std::span<const std::string> lines;       // row 0 first
};

// A window is drawn only while it is on screen: the program creates its
// drawing (hidden) just before it is shown and destroys it once it is
// hidden, and gives it what the window holds each time it is created again,
// so that the desktop's memory stays with the windows on screen however many
// were opened. An adapter whose drawings cost little (the web page's) may
// keep them and take a later createWindow as the window it has. Printing on
// and clearing a window that has no drawing changes only what the program
// holds; the drawing made later shows it.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Makes the window's drawing, hidden, showing `content`.
    virtual void createWindow(const WindowSpec& spec, const WindowContent& content) = 0;
    // Lets the drawing of a hidden window go. It may come from inside one
    // of the window's own handlers (its 退出 button, its close box).
    virtual void destroyWindow(FormId form) = 0;
    // Make visible, bring to the front, activate.
    virtual void showWindow(FormId form) = 0;
    // Make invisible; the window may be hidden already.
    virtual void hideWindow(FormId form) = 0;
    // The window's title changed while it is drawn: it was opened again, by
    // another key or a link, and is shown next.
    virtual void setTitle(FormId form, const std::string& title) = 0;
    // The print area got a line at `row` (0 at the top).
    virtual void printLine(FormId form, int row, const std::string& text) = 0;
    // The print area was erased; printing starts at the top again.
    virtual void clearOutput(FormId form) = 0;
    // Shows the hint in the window's hint area, in place of any earlier one;
    // an empty hint takes it away.
    virtual void showHint(FormId /*form*/, const KeyHint& /*hint*/) {}
    // A modal message for an arithmetic fault; returns when the user closed it.
    virtual void showFault(FormId form, int code, const std::string& message) = 0;
    // The program ends; no window is used after this.
    virtual void quit() = 0;
};

}  // namespace bk
