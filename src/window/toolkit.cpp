#include "window/toolkit.h"

#include "num/text.h"

namespace bk {

std::string formName(FormId form) { return "Form" + std::to_string(form); }

std::string controlName(const ControlSpec& control)
{
    const char* prefix = control.kind == ControlKind::Label     ? "Label"
                         : control.kind == ControlKind::TextBox ? "Text"
                                                                : "Command";
    return prefix + std::to_string(control.number);
}

}  // namespace bk

namespace bk {

int textWidth(std::string_view utf8)
{
    int width = 0;
    text::forEachChar(utf8, [&width](text::Char c) { width += c.code >= 0x800 ? 200 : 105; });
    return width;
}

}  // namespace bk
