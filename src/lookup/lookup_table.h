// The main window's rule table.
//
// 486 rules in a fixed order (numbered 0..485). Each rule has a key and an
// ordered list of actions; "确定" on the main window runs the actions of
// every rule whose key equals the typed text exactly, in table order.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ui/toolkit.h"

namespace bk::lookup {

struct RuleAction {
    enum class Kind { PrintLine, ClearOutput, OpenWindow };
    Kind kind = Kind::PrintLine;
    std::string_view text;  // PrintLine: the line, may be empty (a blank line)
    FormId window = 0;      // OpenWindow: the calculator to show
};

struct LookupRule {
    int number = 0;  // place in the table, 0..485
    std::string_view key;
    std::vector<RuleAction> actions;
};

// Row builders for the catalogue files.
LookupRule printRule(std::string_view key, std::initializer_list<std::string_view> lines);
LookupRule routeRule(std::string_view key, FormId window);

// The catalogues, each a consecutive block of the table.
struct RuleBlock {
    int first;  // number of the block's first rule
    std::span<const LookupRule> rules;
};
RuleBlock formulaRules();  // statement-line fill-in formulas
RuleBlock journalRules();  // journal entries of business events
RuleBlock routeRules();    // keys that open a calculator window

// What a lookup does; the main window carries it out.
class LookupEffects {
public:
    virtual ~LookupEffects() = default;
    virtual void printLine(std::string_view text) = 0;
    virtual void clearOutput() = 0;
    virtual void openWindow(FormId window) = 0;
};

class LookupTable {
public:
    // The whole built-in table.
    static const LookupTable& instance();

    explicit LookupTable(std::vector<LookupRule> rules);

    const std::vector<LookupRule>& rules() const { return rules_; }
    // The rules whose key equals `key` character for character, in table order.
    std::span<const LookupRule* const> match(std::string_view key) const;
    // Runs the actions of every matching rule, in table order.
    void lookup(std::string_view key, LookupEffects& effects) const;

private:
    std::vector<LookupRule> rules_;
    struct Entry {
        std::string_view key;
        std::vector<const LookupRule*> rules;
    };
    std::vector<Entry> index_;  // sorted by key
};

}  // namespace bk::lookup
