// A window's print area: the lines printed on it and its print position.
//
// Lines are kept until Clear, so that the window can draw them again when it
// is exposed or shown after being hidden; the print position is the number of
// lines printed since the last Clear.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "num/arith.h"
#include "window/toolkit.h"

namespace bk {

// A place in the printed lines: a line, and a character of it (0: before
// its first character).
struct LinePosition {
    size_t line = 0;
    size_t column = 0;
    auto operator<=>(const LinePosition&) const = default;
};

// Text selected in a print area, from where the selection was begun to where
// it was taken, either way round.
struct LineSelection {
    LinePosition anchor;
    LinePosition end;
};

struct LineRange {
    size_t first = 0;
    size_t count = 0;
    bool operator==(const LineRange&) const = default;
};

// The lines that 复制为表格 copies: every line the selection touches, also
// where it starts or ends in the middle of a line, but not a line it only
// reaches at its very start; every line when nothing is selected. Within
// the `lineCount` lines printed.
LineRange copiedLines(size_t lineCount, const std::optional<LineSelection>& selection);

// A printed line as a print area shows it: a result line as its caption and
// its amount in a column (shownAmount: grouped, a 0 before a leading point;
// empty for a value never assigned), a text or blank line as its text.
struct ShownLine {
    std::string caption;                // the whole line for a text line
    std::optional<std::string> amount;  // a result line's amount
    bool operator==(const ShownLine&) const = default;
};

class OutputSurface {
public:
    OutputSurface(Toolkit& toolkit, FormId form) : toolkit_(toolkit), form_(form) {}

    // The three print forms. A text line draws the text; a number line the
    // caption followed directly by formatNumber of the value; a variant line
    // the same, or the caption alone when the value was never assigned.
    void printText(std::string_view text);
    void printNumber(std::string_view caption, const Num& value);
    void printVariant(std::string_view caption, const Var& value);
    void printBlank() { printText({}); }

    // Erases every line and puts the print position back at the top. The
    // lines are kept aside until the next press or print, for undoClear.
    void clear();
    // Prints again the lines the last clear erased, when nothing was printed
    // or pressed since; false when there is nothing to bring back.
    bool undoClear();
    bool canUndoClear() const { return !undone_.lines.empty() && lines_.empty(); }

    // A press of 确定 starts here: its lines are the ones printed from now
    // on, set apart from those of the press before (not from the top, nor
    // after a clear). A press ends what a clear put aside.
    void beginPress();
    // The first line of the last press (0 when none was marked since the
    // last clear).
    size_t pressStart() const { return pressStart_; }

    // Whether line `row` is the first line of a press set apart from the
    // lines above it.
    bool startsPress(size_t row) const;
    ShownLine shownLine(size_t row) const;

    int printRow() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& lines() const { return lines_; }

    // Lines first .. first + count - 1 (clipped to what is printed) as rows
    // for a spreadsheet: a result line is its caption and its amount as a
    // plain number ("1500", "-2.5", ".5", "1E+308": no sign space, no
    // trailing space, the point as printed), or its caption and an empty
    // cell when the amount was never assigned; a text line is its text
    // alone; a blank line an empty row.
    std::vector<std::vector<std::string>> tableRows(size_t first, size_t count) const;
    // The rows 复制为表格 puts on the clipboard for that selection.
    std::vector<std::vector<std::string>> copiedRows(const std::optional<LineSelection>& selection) const;

    // What the print area holds, to keep across runs: each line with where
    // its amount starts, and where the last press started.
    struct Held {
        std::vector<std::string> lines;
        std::vector<std::optional<size_t>> amountAt;  // as many as lines
        size_t pressStart = 0;
    };
    Held held() const { return {lines_, amountAt_, pressStart_}; }
    // Puts back what a window held, in place of its lines, without drawing
    // them: for a window that has no drawing yet. A place past the end of
    // its line is taken as a text line, a press start past the lines as 0.
    void restore(Held held);

private:
    void print(std::string line, std::optional<size_t> amountAt);

    Toolkit& toolkit_;
    FormId form_;
    std::vector<std::string> lines_;
    // Where each line's amount starts; none for a text line.
    std::vector<std::optional<size_t>> amountAt_;
    size_t pressStart_ = 0;            // the first row of the last press
    std::vector<size_t> pressStarts_;  // rows that begin a later press, in order
    Held undone_;  // what the last clear erased, until the next press or print
};

// Rows as tab-separated text, one row a line, each ending in "\n".
std::string tabSeparated(const std::vector<std::vector<std::string>>& rows);
// The same rows as the HTML fragment a spreadsheet pastes as cells:
// "<table><tr><td>cell</td>…</tr>…</table>" with & < > " of each cell written
// as entities; an empty row is "<tr></tr>".
std::string tableHtml(const std::vector<std::vector<std::string>>& rows);

// The same rows as a CSV file that a spreadsheet opens in Chinese: UTF-8
// with a byte order mark, cells separated by commas, a cell with a comma, a
// quote or a line end in quotes (its quotes doubled), each row ending in
// CR LF.
std::string csvText(const std::vector<std::vector<std::string>>& rows);

}  // namespace bk
