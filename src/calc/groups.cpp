#include "calc/groups.h"

#include "calc/layout.h"

namespace bk::calc {

std::vector<ControlGroup> calculatorGroups(FormId form)
{
    const CalculatorDef& def = calculatorDef(form);
    layout::LabelNumbers labelNumbers(def.items);
    std::vector<ControlGroup> groups;
    int columnNumber = 0;
    for (const auto& column : layout::columnsOf(def.items)) {
        bool started = false;
        for (const Item& item : column) {
            if (item.kind == Item::Kind::Heading) {
                groups.push_back({columnNumber, labelNumbers.of(item), {}});
            } else {
                if (!started) groups.push_back({columnNumber, 0, {}});
                groups.back().rows.push_back({item.caption.empty() ? 0 : labelNumbers.of(item), item.text});
            }
            started = true;
        }
        ++columnNumber;
    }
    return groups;
}

}  // namespace bk::calc
