// The main window's rule table: the one place that says what each key does,
// how it is found by its pinyin initials and under which subject it is
// browsed.
//
// Rules in a fixed order, numbered from 0 by their place. Each rule has a
// key and an ordered list of actions; "确定" on the main window runs the
// actions of every rule whose key equals the typed text exactly, in table
// order. A key's first row also carries its initials and its subject; later
// rows of the same key carry neither.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/subjects.h"
#include "window/toolkit.h"

namespace bk::lookup {

struct RuleAction {
    enum class Kind { PrintLine, ClearOutput, OpenWindow };
    Kind kind = Kind::PrintLine;
    std::string_view text;  // PrintLine: the line, may be empty (a blank line)
    FormId window = 0;      // OpenWindow: the calculator to show
};

struct LookupRule {
    int number = 0;  // place in the table, set by the table
    std::string_view key;
    std::vector<RuleAction> actions;
    // First row of a key: its pinyin initials, one lower-case letter per
    // Chinese character, in the readings accounting uses: 长期 chang, 银行
    // hang, 发行 xing, 偿还/还本 huan, 应收 ying, 差异 cha, 折旧 zhe, 会员 hui.
    std::string_view initials;
    SubjectId subject = kNoSubject;  // first row of a key: where browsing lists it
};

// Row builders for the catalogue files: a key's first row names its initials
// and subject, a later row of the same key only the key.
LookupRule printRule(std::string_view key, std::string_view initials, SubjectId subject,
                     std::initializer_list<std::string_view> lines);
LookupRule printRule(std::string_view key, std::initializer_list<std::string_view> lines);
LookupRule routeRule(std::string_view key, std::string_view initials, SubjectId subject, FormId window);
LookupRule routeRule(std::string_view key, FormId window);

// The catalogues that make up the built-in table, in table order.
enum class Catalogue {
    Formulas,     // statement-line fill-in formulas
    ClearOutput,  // the empty key, which clears the main window's output
    Journal,      // journal entries of business events
    Routes,       // keys that open a calculator window
};
std::span<const LookupRule> formulaRules();
std::span<const LookupRule> journalRules();
std::span<const LookupRule> routeRules();

// Where a catalogue stands in the built-in table; it follows from the sizes
// of the catalogues before it.
struct RuleBlock {
    Catalogue catalogue;
    int first;  // number of the block's first rule
    int count;
};
std::span<const RuleBlock> builtInBlocks();

// A key as the user finds it: by typing its initials or browsing its subject.
struct KeyEntry {
    std::string_view key;
    std::string_view initials;
    SubjectId subject = kNoSubject;
    int firstRule = 0;  // number of the key's first rule
};

// What contradicts the rule that a key's first row, and only that, names its
// initials and subject: a first row without them, a later row with them. One
// text per fault; nothing for a sound table.
std::vector<std::string> keyRowFaults(std::span<const LookupRule> rules);

// Whether all a key does is of the general standard (企业会计准则): its
// text begins with the note of what a small enterprise does instead, or it
// opens a window of that standard.
bool generalStandardKey(std::string_view key);

// A key as the completion list, the hint and a window's title show it: a
// key of the general standard followed by 【企业会计准则】, which is shown,
// never typed or looked up.
std::string shownKey(std::string_view key);

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

    // A table of these rules in this order; each rule's number becomes its place.
    explicit LookupTable(std::vector<LookupRule> rules);

    const std::vector<LookupRule>& rules() const { return rules_; }
    // Every key but the empty one, once, in the order of its first rule, with
    // the initials and subject that rule names.
    const std::vector<KeyEntry>& keys() const { return keys_; }
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
    std::vector<KeyEntry> keys_;
};

}  // namespace bk::lookup
