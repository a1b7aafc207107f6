// Moves between windows that are not the main window's lookup, and the
// titles the windows carry.
#pragma once

#include <string>
#include <string_view>

#include "window/toolkit.h"

namespace bk {

// The window a calculator's 退出 shows: the calculator whose caption opened
// it (the material cost variance rate returns to the variance window, the
// depreciation calculator to the depreciation entry), else the main window.
FormId returnWindow(FormId calculator);

// The title of a window opened for what the user asked: the key typed, or
// the caption of the link clicked, and the program's name:
// "盘亏 — 记账助手", a key of the general standard marked as the key box
// shows it ("股价变动【企业会计准则】 — 记账助手"). The title also names the
// window for a screen reader.
std::string titleFor(std::string_view what);

// The title a window has until a key or a link opens it: the program's name
// on the main window; on a calculator the title for the first key that
// opens it, or else for the caption that links to it.
std::string windowTitle(FormId form);

// The first key that opens a calculator ("应收账款"); empty for the main
// window and for a window that no key opens.
std::string windowKey(FormId form);

}  // namespace bk
