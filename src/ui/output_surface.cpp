#include "ui/output_surface.h"

#include "ui/number_text.h"

namespace bk {

void OutputSurface::printText(std::string_view text)
{
    lines_.emplace_back(text);
    toolkit_.printLine(form_, printRow() - 1, lines_.back());
}

void OutputSurface::printNumber(std::string_view caption, double value)
{
    printText(std::string(caption) + formatNumber(value));
}

void OutputSurface::printVariant(std::string_view caption, const Var& value)
{
    if (value.assigned())
        printNumber(caption, static_cast<Num>(value).value());
    else
        printText(caption);
}

void OutputSurface::clear()
{
    lines_.clear();
    toolkit_.clearOutput(form_);
}

}  // namespace bk
