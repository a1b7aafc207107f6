// The program's icon and its desktop entry, for every window it opens.
#pragma once

namespace bk {

// The reverse-DNS name of the program's desktop entry, icon and AppStream
// component.
inline constexpr const char* kDesktopId = "io.github.bookkeeper.Bookkeeper";

// Gives every window of the program its icon (built in, one image for each
// size of the hicolor theme) and names the desktop entry the windows belong
// to, so that the desktop groups them under it.
void setUpProgramIcon();

}  // namespace bk
