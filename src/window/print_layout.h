// Where a calculator's printed lines stand on the screen it is shown on.
//
// A calculator's own layout keeps the left part of its client area for the
// printed lines and places its fields and buttons right of it; long lines
// would run on under the fields. A front end shows the lines beside the
// controls where the whole window fits across its screen, and below them
// where it does not, so that the fields need no sideways scrolling. Either
// way no control stands over a printed line.
#pragma once

#include "window/toolkit.h"

namespace bk {

// Whether some control of the window stands in its print area.
bool controlsInPrintArea(const WindowSpec& spec);

// The print area left of the leftmost control that stands in it, a gap
// short of that control; the print area itself where no control stands in
// it.
Rect printAreaBeside(const WindowSpec& spec);

// The window with its controls (and its hint area) moved left, as far as
// the margin above the topmost of them, and the print area below them across
// the whole width, `printHeight` twips high. A window with no control in its
// print area is returned as it is.
WindowSpec printAreaBelow(const WindowSpec& spec, int printHeight);

// The gap between the printed lines and the controls beside or above them.
constexpr int kPrintGap = 120;
// How high the lines below a calculator's fields stand: some fifteen lines,
// the window scrolling down to them.
constexpr int kPrintHeightBelow = 3300;

}  // namespace bk
