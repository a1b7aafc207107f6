#include "window/print_layout.h"

#include <algorithm>
#include <climits>

namespace bk {

bool controlsInPrintArea(const WindowSpec& spec)
{
    const Rect& area = spec.printArea;
    return std::any_of(spec.controls.begin(), spec.controls.end(),
                       [&area](const ControlSpec& c) { return c.rect.overlaps(area); });
}

Rect printAreaBeside(const WindowSpec& spec)
{
    Rect area = spec.printArea;
    int leftmost = area.right();
    for (const ControlSpec& c : spec.controls)
        if (c.rect.overlaps(area)) leftmost = std::min(leftmost, c.rect.left);
    if (leftmost < area.right()) area.width = std::max(0, leftmost - kPrintGap - area.left);
    return area;
}

WindowSpec printAreaBelow(const WindowSpec& spec, int printHeight)
{
    if (!controlsInPrintArea(spec)) return spec;
    WindowSpec below = spec;
    int left = INT_MAX;
    int top = INT_MAX;
    int bottom = 0;
    for (const ControlSpec& c : spec.controls) {
        left = std::min(left, c.rect.left);
        top = std::min(top, c.rect.top);
        bottom = std::max(bottom, c.rect.bottom());
    }
    const int shift = std::max(0, left - top);
    for (ControlSpec& c : below.controls) c.rect.left -= shift;
    if (below.hintArea.width > 0) below.hintArea.left -= shift;
    below.widthTwips = spec.widthTwips - shift;
    const int controlsEnd = std::max(bottom, spec.hintArea.bottom());
    below.printArea = {0, controlsEnd + kPrintGap, below.widthTwips, printHeight};
    below.heightTwips = below.printArea.top + printHeight;
    return below;
}

}  // namespace bk
