#include "lookup/lookup_table.h"

#include "calc/general_standard.h"

#include <algorithm>
#include <set>

namespace bk::lookup {

LookupRule printRule(std::string_view key, std::string_view initials, SubjectId subject,
                     std::initializer_list<std::string_view> lines)
{
    LookupRule rule{0, key, {}, initials, subject};
    for (std::string_view line : lines) rule.actions.push_back({RuleAction::Kind::PrintLine, line, 0});
    return rule;
}

LookupRule printRule(std::string_view key, std::initializer_list<std::string_view> lines)
{
    return printRule(key, {}, kNoSubject, lines);
}

LookupRule routeRule(std::string_view key, std::string_view initials, SubjectId subject, FormId window)
{
    return {0, key, {{RuleAction::Kind::OpenWindow, {}, window}}, initials, subject};
}

LookupRule routeRule(std::string_view key, FormId window) { return routeRule(key, {}, kNoSubject, window); }

namespace {

const LookupRule kClearRule{0, "", {{RuleAction::Kind::ClearOutput, {}, 0}}, {}, kNoSubject};

struct Part {
    Catalogue catalogue;
    std::span<const LookupRule> rules;
};

// The catalogues in table order.
std::vector<Part> parts()
{
    return {{Catalogue::Formulas, formulaRules()},
            {Catalogue::ClearOutput, {&kClearRule, 1}},
            {Catalogue::Journal, journalRules()},
            {Catalogue::Routes, routeRules()}};
}

std::vector<LookupRule> builtInRules()
{
    std::vector<LookupRule> rules;
    for (const Part& part : parts()) rules.insert(rules.end(), part.rules.begin(), part.rules.end());
    return rules;
}

}  // namespace

std::span<const RuleBlock> builtInBlocks()
{
    static const std::vector<RuleBlock> blocks = [] {
        std::vector<RuleBlock> out;
        int first = 0;
        for (const Part& part : parts()) {
            const int count = static_cast<int>(part.rules.size());
            out.push_back({part.catalogue, first, count});
            first += count;
        }
        return out;
    }();
    return blocks;
}

std::vector<std::string> keyRowFaults(std::span<const LookupRule> rules)
{
    std::vector<std::string> faults;
    std::set<std::string_view> seen;
    for (size_t n = 0; n < rules.size(); ++n) {
        const LookupRule& r = rules[n];
        const std::string where = "rule " + std::to_string(n) + " (" + std::string(r.key) + ")";
        const bool names = !r.initials.empty() || r.subject != kNoSubject;
        const bool first = seen.insert(r.key).second;
        if (r.key.empty()) {
            if (names) faults.push_back(where + ": the empty key names initials or a subject");
        } else if (!first) {
            if (names) faults.push_back(where + ": a later row of the key names initials or a subject again");
        } else {
            if (r.initials.empty()) faults.push_back(where + ": the key's first row names no initials");
            if (r.subject < 0 || r.subject >= kSubjectCount)
                faults.push_back(where + ": the key's first row names no subject");
        }
    }
    return faults;
}

const LookupTable& LookupTable::instance()
{
    static const LookupTable table(builtInRules());
    return table;
}

LookupTable::LookupTable(std::vector<LookupRule> rules) : rules_(std::move(rules))
{
    std::vector<const LookupRule*> byKey;
    for (size_t n = 0; n < rules_.size(); ++n) {
        rules_[n].number = static_cast<int>(n);
        byKey.push_back(&rules_[n]);
    }
    // Stable: rules of one key stay in table order.
    std::stable_sort(byKey.begin(), byKey.end(),
                     [](const LookupRule* a, const LookupRule* b) { return a->key < b->key; });
    for (const LookupRule* r : byKey) {
        if (index_.empty() || index_.back().key != r->key) index_.push_back({r->key, {}});
        index_.back().rules.push_back(r);
    }
    for (const Entry& e : index_)
        if (!e.key.empty()) {
            const LookupRule& first = *e.rules.front();
            keys_.push_back({first.key, first.initials, first.subject, first.number});
        }
    std::sort(keys_.begin(), keys_.end(),
              [](const KeyEntry& a, const KeyEntry& b) { return a.firstRule < b.firstRule; });
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

bool generalStandardKey(std::string_view key)
{
    const std::span<const LookupRule* const> rules = LookupTable::instance().match(key);
    for (const LookupRule* rule : rules)
        for (const RuleAction& a : rule->actions) {
            if (a.kind == RuleAction::Kind::OpenWindow && !calc::generalStandardNote(a.window).empty()) return true;
        }
    if (rules.empty() || rules.front()->actions.empty()) return false;
    const RuleAction& first = rules.front()->actions.front();
    return first.kind == RuleAction::Kind::PrintLine && first.text != calc::kGeneralStandardLabel &&
           calc::generalStandardText(first.text);
}

std::string shownKey(std::string_view key)
{
    std::string shown(key);
    if (generalStandardKey(key)) shown += calc::kGeneralStandardMark;
    return shown;
}

}  // namespace bk::lookup
