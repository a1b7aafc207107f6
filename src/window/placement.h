// Where a window appears on the screen: wholly on it, beside the window
// that opened it or cascaded from it, never wholly over it. Rectangles are a
// window's frame (title bar and border included) in the screen's pixels;
// `room` is the part of the screen windows may take.
#pragma once

#include "window/toolkit.h"

namespace bk {

// How far a cascaded window stands right of and below its opener: enough
// to show the opener's title bar and left edge.
constexpr int kCascadeStep = 32;

// `frame` moved as little as needed to lie wholly within `room`; a frame
// larger than the room stands at its top or left edge.
Rect keptOnScreen(Rect frame, const Rect& room);

// A window of the frame size `size` (its width and height) opened from the
// window whose frame is `opener`: right of it, top edges level, where it
// fits there; else left of it; else cascaded from it. Wholly within `room`.
Rect placedBeside(const Rect& opener, const Rect& size, const Rect& room);

// A window opened in place of one that was just left (`opener`), cascaded
// from where it stood, wholly within `room`.
Rect cascadedFrom(const Rect& opener, const Rect& size, const Rect& room);

}  // namespace bk
