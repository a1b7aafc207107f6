// The program-wide look of the desktop program.
#pragma once

namespace bk {

// Sets the Chinese font and Qt's own texts in Chinese; after the QApplication
// is made, before any window.
void setUpChineseUi();

}  // namespace bk
