// Moves between windows that are not the main window's lookup.
#pragma once

#include "ui/toolkit.h"

namespace bk {

// The window a calculator's 退出 shows: the main window, except that the
// material cost variance rate returns to the variance window and the
// depreciation calculator to the depreciation entry.
FormId returnWindow(FormId calculator);

// The window a click on that caption label opens, or 0 for an inert label.
FormId labelLink(FormId form, int labelNumber);

}  // namespace bk
