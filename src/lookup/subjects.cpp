// The browse menu of the main window's keys: the subjects' names, and each
// subject's keys as the rule table names them, merged where they do the same.
#include "lookup/subjects.h"

#include "calc/general_standard.h"

#include <algorithm>
#include <array>
#include <string>

#include "lookup/lookup_table.h"

namespace bk::lookup {

namespace {

// The subjects' names, in the order of SubjectId.
constexpr std::array<std::string_view, kSubjectCount> kNames = {
    "资产负债表项目", "利润表项目",           "货币资金",       "材料采购与领用",
    "存货计价与清查", "固定资产与在建工程",   "无形资产与研发", "职工薪酬",
    "税费",           "销售与收入",           "采购与往来",     "借款与票据",
    "投资",           "所有者权益与利润分配", "成本与费用",     "期末结转",
};

// Where several keys of a subject do the same, the menu names the item by
// the word the accounting rules use, else by the first key in table order.
constexpr std::string_view kPreferredKeys[] = {"产品毁损", "回购股份", "盈余公积转增资本"};

// What a key does: every action of every rule it matches, in table order.
std::string effectOf(std::string_view key)
{
    std::string effect;
    for (const LookupRule* rule : LookupTable::instance().match(key)) {
        for (const RuleAction& a : rule->actions) {
            effect += static_cast<char>('0' + static_cast<int>(a.kind));
            effect += a.kind == RuleAction::Kind::OpenWindow ? std::to_string(a.window) : std::string(a.text);
            effect += '\0';
        }
    }
    return effect;
}

std::vector<BrowseItem> mergedItems(const std::vector<std::string_view>& keys)
{
    std::vector<BrowseItem> items;
    std::vector<std::string> effects;
    for (std::string_view key : keys) {
        std::string effect = effectOf(key);
        auto same = std::find(effects.begin(), effects.end(), effect);
        if (same == effects.end()) {
            bool opens = false;
            for (const LookupRule* rule : LookupTable::instance().match(key))
                for (const RuleAction& a : rule->actions) opens |= a.kind == RuleAction::Kind::OpenWindow;
            items.push_back({{}, {key}, opens, generalStandardKey(key)});
            effects.push_back(std::move(effect));
        } else {
            items[static_cast<size_t>(same - effects.begin())].keys.push_back(key);
        }
    }
    for (BrowseItem& item : items) {
        auto preferred = std::find_if(item.keys.begin(), item.keys.end(), [](std::string_view k) {
            return std::find(std::begin(kPreferredKeys), std::end(kPreferredKeys), k) != std::end(kPreferredKeys);
        });
        if (preferred != item.keys.end()) std::rotate(item.keys.begin(), preferred, preferred + 1);
        item.label = item.keys.front();
        for (size_t i = 1; i < item.keys.size(); ++i) {
            item.label += i == 1 ? "（" : "、";
            item.label += item.keys[i];
        }
        if (item.keys.size() > 1) item.label += "）";
    }
    return items;
}

}  // namespace

std::string menuLabel(const BrowseItem& item)
{
    std::string label = item.opensWindow ? item.label + "…" : item.label;
    if (item.generalStandard) label += calc::kGeneralStandardMark;
    return label;
}

const std::vector<Subject>& browseSubjects()
{
    static const std::vector<Subject> tree = [] {
        std::vector<Subject> subjects;
        subjects.reserve(kNames.size());
        for (std::string_view name : kNames) subjects.push_back({name, {}, {}});
        for (const KeyEntry& k : LookupTable::instance().keys())
            if (k.subject >= 0 && k.subject < kSubjectCount)
                subjects[static_cast<size_t>(k.subject)].keys.push_back(k.key);
        for (Subject& subject : subjects) subject.items = mergedItems(subject.keys);
        return subjects;
    }();
    return tree;
}

}  // namespace bk::lookup
