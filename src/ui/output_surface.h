// A window's print area: the lines printed on it and its print position.
//
// Lines are kept until Clear, so that the window can draw them again when it
// is exposed or shown after being hidden; the print position is the number of
// lines printed since the last Clear.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/arith.h"
#include "ui/toolkit.h"

namespace bk {

class OutputSurface {
public:
    OutputSurface(Toolkit& toolkit, FormId form) : toolkit_(toolkit), form_(form) {}

    // The three print forms. A text line draws the text; a number line the
    // caption followed directly by formatNumber of the value; a variant line
    // the same, or the caption alone when the value was never assigned.
    void printText(std::string_view text);
    void printNumber(std::string_view caption, double value);
    void printVariant(std::string_view caption, const Var& value);
    void printBlank() { printText({}); }

    // Erases every line and puts the print position back at the top.
    void clear();

    int printRow() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    Toolkit& toolkit_;
    FormId form_;
    std::vector<std::string> lines_;
};

}  // namespace bk
