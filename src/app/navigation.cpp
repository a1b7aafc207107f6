#include "app/navigation.h"

#include "calc/layout.h"
#include "lookup/lookup_table.h"
#include "window/ui_texts.h"

namespace bk {

FormId returnWindow(FormId calculator)
{
    const FormId opener = calc::calculatorOpening(calculator);
    return opener ? opener : kMainForm;
}

std::string windowKey(FormId form)
{
    if (form == kMainForm) return {};
    for (const lookup::LookupRule& rule : lookup::LookupTable::instance().rules())
        for (const lookup::RuleAction& a : rule.actions)
            if (a.kind == lookup::RuleAction::Kind::OpenWindow && a.window == form) return std::string(rule.key);
    return {};
}

std::string titleFor(std::string_view what)
{
    return lookup::shownKey(what) + " — " + std::string(ui_texts::kProgramName);
}

std::string windowTitle(FormId form)
{
    if (form == kMainForm) return std::string(ui_texts::kProgramName);
    for (const lookup::LookupRule& rule : lookup::LookupTable::instance().rules())
        for (const lookup::RuleAction& a : rule.actions)
            if (a.kind == lookup::RuleAction::Kind::OpenWindow && a.window == form) return titleFor(rule.key);
    if (const FormId opener = calc::calculatorOpening(form))
        for (const ControlSpec& c : calc::calculatorSpec(opener).controls)
            if (c.opens == form) return titleFor(c.caption);
    return std::string(ui_texts::kProgramName);
}

}  // namespace bk
