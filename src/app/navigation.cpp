#include "app/navigation.h"

#include "lookup/lookup_table.h"
#include "ui/ui_texts.h"

namespace bk {

namespace {
struct Link {
    FormId from;
    int label;  // the caption label clicked on `from`
    FormId to;  // shown over `from`; its 退出 comes back to `from`
};
// Form19 "材料成本差异率" opens Form18; Form79 "累计折旧" opens Form25.
constexpr Link kLinks[] = {{19, 1, 18}, {79, 6, 25}};
}  // namespace

FormId returnWindow(FormId calculator)
{
    for (const Link& link : kLinks)
        if (link.to == calculator) return link.from;
    return kMainForm;
}

std::string windowTitle(FormId form)
{
    if (form == kMainForm) return std::string(ui_texts::kProgramName);
    for (const lookup::LookupRule& rule : lookup::LookupTable::instance().rules())
        for (const lookup::RuleAction& a : rule.actions)
            if (a.kind == lookup::RuleAction::Kind::OpenWindow && a.window == form)
                return std::string(rule.key) + " — " + formName(form);
    return formName(form);
}

FormId labelLink(FormId form, int labelNumber)
{
    for (const Link& link : kLinks)
        if (link.from == form && link.label == labelNumber) return link.to;
    return 0;
}

}  // namespace bk
