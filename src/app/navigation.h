// Moves between windows that are not the main window's lookup.
#pragma once

#include <string>

#include "window/toolkit.h"

namespace bk {

// The window a calculator's 退出 shows: the calculator whose caption opened
// it (the material cost variance rate returns to the variance window, the
// depreciation calculator to the depreciation entry), else the main window.
FormId returnWindow(FormId calculator);

// The title of a window, which also names it for a screen reader: the
// program's name on the main window; on a calculator what it is about (the
// first key that opens it) and its window name, "应收账款 — Form4".
std::string windowTitle(FormId form);

// The first key that opens a calculator ("应收账款"); empty for the main
// window and for a window that no key opens.
std::string windowKey(FormId form);

}  // namespace bk
