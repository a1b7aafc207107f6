// A calculator window's fields by group, for a front end that lays the
// window out itself (the web page, at any width): the columns left to right,
// in each the groups top to bottom, in each group its heading and its rows.
// The same order is the reading order and the order of the text boxes in
// the window's tab order.
#pragma once

#include <vector>

#include "window/toolkit.h"

namespace bk::calc {

// One row of a group: a field and its caption.
struct GroupRow {
    int label = 0;  // the caption's LabelN; 0 for a field without a caption
    int text = 0;   // the field's TextN
};

struct ControlGroup {
    int column = 0;   // 0 for the first column
    int heading = 0;  // the heading's LabelN; 0 for the fields at the top of a column
    std::vector<GroupRow> rows;
};

// The groups of calculator window `form` (kFirstCalculator to
// lastCalculator()): a heading starts a group, and so does each column.
std::vector<ControlGroup> calculatorGroups(FormId form);

}  // namespace bk::calc
