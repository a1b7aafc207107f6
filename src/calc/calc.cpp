#include "calc/calculator.h"

#include <algorithm>
#include <set>
#include <vector>

namespace bk::calc {

FieldForm Calc::formOf(int textNumber) const
{
    if (def_)
        for (const Item& item : def_->items)
            if (item.kind == Item::Kind::Field && item.text == textNumber) return item.form;
    return FieldForm::Amount;
}

Num Calc::read(int textNumber) const
{
    auto it = texts_.find(textNumber);
    const FieldNumber field = it == texts_.end() ? FieldNumber{} : readFieldAs(it->second, formOf(textNumber));
    reads_.emplace_back(textNumber, !field.found ? Reading::Empty : field.value == 0 ? Reading::Zero : Reading::Number);
    return field.value;
}

Num Calc::readOr(int textNumber, const Num& otherwise) const
{
    auto it = texts_.find(textNumber);
    if (it == texts_.end()) return otherwise;
    FieldNumber field = readFieldAs(it->second, formOf(textNumber));
    return field.found ? field.value : otherwise;
}

bool Calc::holdsNumber(int textNumber) const
{
    auto it = texts_.find(textNumber);
    return it != texts_.end() && readField(it->second).found;
}

namespace {

// The name a field goes by in a note: its caption, or the heading above a
// field that has none.
std::string fieldName(const std::vector<Item>& items, int textNumber)
{
    std::string_view heading;
    for (const Item& item : items) {
        if (item.kind == Item::Kind::Heading) heading = item.caption;
        if (item.kind == Item::Kind::Field && item.text == textNumber)
            return std::string(item.caption.empty() ? heading : item.caption);
    }
    return "Text" + std::to_string(textNumber);
}

// The group a field stands in: groups start at each heading and column.
int groupOf(const std::vector<Item>& items, int textNumber)
{
    int group = 0;
    for (const Item& item : items) {
        if (item.kind != Item::Kind::Field) ++group;
        if (item.kind == Item::Kind::Field && item.text == textNumber) return group;
    }
    return -1;
}

// "甲、乙": each name once, in the order given.
std::string joinNames(const std::vector<std::string>& names)
{
    std::string joined;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (name.empty() || !seen.insert(name).second) continue;
        if (!joined.empty()) joined += "、";
        joined += name;
    }
    return joined;
}

}  // namespace

std::string Calc::zeroFields() const
{
    if (!def_) return {};
    // A window divides by a count, a span of time or a rate (1 + r) far
    // more often than by an amount: where such a field was read as 0, the
    // amounts read as 0 are left out of the note.
    bool notAmount = false;
    for (const auto& [textNumber, reading] : reads_)
        notAmount |= reading != Reading::Number && formOf(textNumber) != FieldForm::Amount;
    std::vector<std::string> empty, zero;
    for (const auto& [textNumber, reading] : reads_) {
        if (reading == Reading::Number || (notAmount && formOf(textNumber) == FieldForm::Amount)) continue;
        (reading == Reading::Empty ? empty : zero).push_back(fieldName(def_->items, textNumber));
    }
    std::string note;
    if (!empty.empty()) note = joinNames(empty) + " 为空";
    if (!zero.empty()) note += (note.empty() ? "" : "；") + joinNames(zero) + " 为 0";
    return note;
}

std::string Calc::emptyPressNote() const
{
    if (!def_ || printed_ > 0) return {};
    std::set<int> begun;
    for (const auto& [textNumber, reading] : reads_)
        if (reading != Reading::Empty) begun.insert(groupOf(def_->items, textNumber));
    if (begun.empty()) return reads_.empty() ? std::string() : "没有算出结果：各栏均为空";
    std::vector<std::string> empty;
    for (const auto& [textNumber, reading] : reads_)
        if (reading == Reading::Empty && begun.count(groupOf(def_->items, textNumber)))
            empty.push_back(fieldName(def_->items, textNumber));
    return empty.empty() ? std::string() : "没有算出结果：" + joinNames(empty) + " 为空";
}

}  // namespace bk::calc
