#include "lookup/lookup_table.h"

#include <algorithm>

namespace bk::lookup {

LookupRule printRule(std::string_view key, std::initializer_list<std::string_view> lines)
{
    LookupRule rule{0, key, {}};
    for (std::string_view line : lines) rule.actions.push_back({RuleAction::Kind::PrintLine, line, 0});
    return rule;
}

LookupRule routeRule(std::string_view key, FormId window)
{
    return {0, key, {{RuleAction::Kind::OpenWindow, {}, window}}};
}

namespace {

// The empty key clears the main window's output.
const LookupRule kClearRule{48, "", {{RuleAction::Kind::ClearOutput, {}, 0}}};

std::vector<LookupRule> builtInRules()
{
    std::vector<LookupRule> rules;
    auto append = [&rules](RuleBlock block) {
        int number = block.first;
        for (const LookupRule& r : block.rules) {
            rules.push_back(r);
            rules.back().number = number++;
        }
    };
    append(formulaRules());
    append({kClearRule.number, {&kClearRule, 1}});
    append(journalRules());
    append(routeRules());
    return rules;
}

}  // namespace

const LookupTable& LookupTable::instance()
{
    static const LookupTable table(builtInRules());
    return table;
}

LookupTable::LookupTable(std::vector<LookupRule> rules) : rules_(std::move(rules))
{
    std::vector<const LookupRule*> byKey;
    for (const LookupRule& r : rules_) byKey.push_back(&r);
    // Stable: rules of one key stay in table order.
    std::stable_sort(byKey.begin(), byKey.end(),
                     [](const LookupRule* a, const LookupRule* b) { return a->key < b->key; });
    for (const LookupRule* r : byKey) {
        if (index_.empty() || index_.back().key != r->key) index_.push_back({r->key, {}});
        index_.back().rules.push_back(r);
    }
}

std::span<const LookupRule* const> LookupTable::match(std::string_view key) const
{
    auto it = std::lower_bound(index_.begin(), index_.end(), key,
                               [](const Entry& e, std::string_view k) { return e.key < k; });
    if (it == index_.end() || it->key != key) return {};
    return it->rules;
}

void LookupTable::lookup(std::string_view key, LookupEffects& effects) const
{
    for (const LookupRule* rule : match(key)) {
        for (const RuleAction& a : rule->actions) {
            switch (a.kind) {
            case RuleAction::Kind::PrintLine: effects.printLine(a.text); break;
            case RuleAction::Kind::ClearOutput: effects.clearOutput(); break;
            case RuleAction::Kind::OpenWindow: effects.openWindow(a.window); break;
            }
        }
    }
}

}  // namespace bk::lookup
