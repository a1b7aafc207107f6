#include "ui/toolkit.h"

namespace bk {

std::string formName(FormId form) { return "Form" + std::to_string(form); }

std::string controlName(const ControlSpec& control)
{
    const char* prefix = control.kind == ControlKind::Label   ? "Label"
                         : control.kind == ControlKind::TextBox ? "Text"
                                                                : "Command";
    return prefix + std::to_string(control.number);
}

}  // namespace bk
