#include "window/toolkit.h"

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
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += len >= 3 ? 200 : 105;
        i += len;
    }
    return width;
}

}  // namespace bk
