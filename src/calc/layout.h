// The layout engine: where each control of a window stands, in twips. A
// calculator is laid out from its items (columns of captioned fields and
// headings, the buttons under them, its printed lines to their left); the
// main window has its fixed places, moved right as far as its longest line
// needs. The web page lays calculators out itself, by the same columns and
// groups (groups.h).
#pragma once

#include <set>
#include <vector>
#include "calc/calculator.h"
#include "window/main_window.h"

#include "window/toolkit.h"

namespace bk::calc {

// The window a calculator is drawn as: its controls laid out in twips, each
// caption label that opens a window marked with it.
WindowSpec calculatorSpec(const CalculatorDef& def);
inline WindowSpec calculatorSpec(FormId form) { return calculatorSpec(calculatorDef(form)); }

// The main window (without its title), with a print area wide enough for a
// line of `widestLine` twips: the heading, the key box and three buttons in a
// column on the right, the printed lines to their left, and a hint about a
// key that matched nothing under the buttons. Tab goes from the key box to
// 确定 and 取消 (side by side), then 退出, then the printed lines.
WindowSpec mainWindowSpec(int widestLine);

namespace layout {

// A calculator's items by column: where the window places its columns
// (nextColumn), or a long single column split in two.
std::vector<std::vector<Item>> columnsOf(const std::vector<Item>& items);

// Labels take the next number in order, skipping those that an item names.
class LabelNumbers {
public:
    explicit LabelNumbers(const std::vector<Item>& items)
    {
        for (const Item& item : items)
            if (item.label > 0) named_.insert(item.label);
    }
    int of(const Item& item)
    {
        if (item.label > 0) return item.label;
        do ++last_;
        while (named_.count(last_));
        return last_;
    }

private:
    std::set<int> named_;
    int last_ = 0;
};

}  // namespace layout

}  // namespace bk::calc
