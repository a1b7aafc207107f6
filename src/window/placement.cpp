#include "window/placement.h"

#include <algorithm>

namespace bk {

namespace {

int keptWithin(int at, int length, int from, int roomLength)
{
    return std::max(from, std::min(at, from + roomLength - length));
}

bool within(const Rect& frame, const Rect& room)
{
    return frame.left >= room.left && frame.top >= room.top && frame.right() <= room.right() &&
           frame.bottom() <= room.bottom();
}

}  // namespace

Rect keptOnScreen(Rect frame, const Rect& room)
{
    frame.left = keptWithin(frame.left, frame.width, room.left, room.width);
    frame.top = keptWithin(frame.top, frame.height, room.top, room.height);
    return frame;
}

Rect placedBeside(const Rect& opener, const Rect& size, const Rect& room)
{
    const int top = keptWithin(opener.top, size.height, room.top, room.height);
    const Rect right{opener.right(), top, size.width, size.height};
    if (within(right, room)) return right;
    const Rect left{opener.left - size.width, top, size.width, size.height};
    if (within(left, room)) return left;
    return cascadedFrom(opener, size, room);
}

Rect cascadedFrom(const Rect& opener, const Rect& size, const Rect& room)
{
    return keptOnScreen({opener.left + kCascadeStep, opener.top + kCascadeStep, size.width, size.height}, room);
}

}  // namespace bk
