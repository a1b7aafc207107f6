// The texts of a front end's own furniture, around what the windows show:
// the fault box, the print area's name and menu, the key box's browse menu.
// Every front end shows these same words.
#pragma once

#include <string_view>

namespace bk::ui_texts {

inline constexpr std::string_view kProgramName = "记账助手";
inline constexpr std::string_view kFaultTitle = "运算错误";
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kPrintArea = "计算结果";
inline constexpr std::string_view kCopy = "复制";
inline constexpr std::string_view kSelectAll = "全选";
inline constexpr std::string_view kCopyAsTable = "复制为表格";
inline constexpr std::string_view kBrowse = "按科目浏览";
// What choosing a key that the hint under the key box offers does.
inline constexpr std::string_view kHintKeyAction = "填入关键字框";
inline constexpr std::string_view kClose = "关闭";
// Where the program cannot close its own window (a browser tab).
inline constexpr std::string_view kEnded = "记账助手已退出。";
inline constexpr std::string_view kRestart = "重新开始";
// The list of keys offered as the user types in the key box.
inline constexpr std::string_view kCompletions = "匹配的关键字";
// The web page's bar of the windows on screen, one tab each.
inline constexpr std::string_view kOpenWindows = "打开的窗口";

// The main window's menu of the user's choices, and the one choice in it:
// money a window derives is rounded to the fen (on by default). Its
// shortcut, written as both front ends read it.
inline constexpr std::string_view kOptionsMenu = "选项";
inline constexpr std::string_view kAmountsToFen = "金额四舍五入到分";
inline constexpr std::string_view kAmountsToFenShortcut = "Ctrl+Shift+F";
// Said once at start-up when the file of the user's choices could not be
// read: it was renamed to the name that follows, and the program started
// with the defaults.
inline constexpr std::string_view kSettingsSetAside = "设置文件无法读取，已改名保存为：";
inline constexpr std::string_view kSettingsDefaults = "本次按默认设置启动。";

}  // namespace bk::ui_texts
