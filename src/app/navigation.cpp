#include "app/navigation.h"

#include "calc/calculator.h"
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

std::string windowTitle(FormId form)
{
    if (form == kMainForm) return std::string(ui_texts::kProgramName);
    const std::string key = windowKey(form);
    return key.empty() ? formName(form) : key + " — " + formName(form);
}

}  // namespace bk
