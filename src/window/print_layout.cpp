#include "window/print_layout.h"

#include <algorithm>
#include <climits>

namespace bk {

namespace {

bool overlap(const Rect& a, const Rect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

Rect areaOf(const WindowSpec& spec)
{
    return spec.printArea.width > 0 ? spec.printArea : Rect{0, 0, spec.widthTwips, spec.heightTwips};
}

}  // namespace

bool controlsInPrintArea(const WindowSpec& spec)
{
    const Rect area = areaOf(spec);
    return std::any_of(spec.controls.begin(), spec.controls.end(),
                       [&area](const ControlSpec& c) { return overlap(c.rect, area); });
}

Rect printAreaBeside(const WindowSpec& spec)
{
    Rect area = areaOf(spec);
    int leftmost = area.left + area.width;
    for (const ControlSpec& c : spec.controls)
        if (overlap(c.rect, area)) leftmost = std::min(leftmost, c.rect.left);
    if (leftmost < area.left + area.width) area.width = std::max(0, leftmost - kPrintGap - area.left);
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
        bottom = std::max(bottom, c.rect.top + c.rect.height);
    }
    const int shift = std::max(0, left - top);
    for (ControlSpec& c : below.controls) c.rect.left -= shift;
    if (below.hintArea.width > 0) below.hintArea.left -= shift;
    below.widthTwips = spec.widthTwips - shift;
    const int controlsEnd = std::max(bottom, spec.hintArea.top + spec.hintArea.height);
    below.printArea = {0, controlsEnd + kPrintGap, below.widthTwips, printHeight};
    below.heightTwips = below.printArea.top + printHeight;
    return below;
}

}  // namespace bk
