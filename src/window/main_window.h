// The main window's controls by name: where its layout, the application and
// the front ends speak of them, they use these names, never the numbers.
#pragma once

namespace bk {

// The main window's buttons, by their CommandN number. Its 退出 and 取消 are
// numbered the other way round from a calculator's (see calc::CalcButton).
enum class MainButton : int {
    LookUp = 1,  // 确定: prints what the typed key names, or opens its windows
    Exit = 2,    // 退出: ends the program
    Clear = 3,   // 取消: clears the printed lines
};

// The key box, the main window's one text box (its TextN).
constexpr int kKeyBox = 1;

}  // namespace bk
