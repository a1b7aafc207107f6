#include "calc/calculator.h"

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "calc/groups.h"
#include "num/number_text.h"

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

namespace {

// Layout of a calculator window, in twips. The left part of the client area
// is kept free for the printed lines; the field columns (caption left of its
// field) and the buttons stand to the right of it.
constexpr int kPrintAreaWidth = 5000;
constexpr int kMargin = 360;
constexpr int kColumnGap = 360;
constexpr int kRowPitch = 720;
constexpr int kCaptionGap = 120;
constexpr int kTextWidth = 1815;
constexpr int kTextHeight = 495;
constexpr int kLabelHeight = 375;
constexpr int kButtonWidth = 1575;
constexpr int kButtonHeight = 495;
constexpr int kButtonGap = 240;
constexpr int kMinNoteWidth = 2400;  // beside the buttons, or it goes under 确定
constexpr int kMinWidth = 7935;
constexpr int kMinHeight = 6225;
// A column of more items than this is split in two when the window does not
// place its columns itself.
constexpr size_t kMaxRowsPerColumn = 7;

int captionWidth(std::string_view caption) { return textWidth(caption) + 60; }

std::vector<std::vector<Item>> columnsOf(const std::vector<Item>& items)
{
    std::vector<std::vector<Item>> columns(1);
    bool placed = false;
    for (const Item& item : items) {
        if (item.kind == Item::Kind::NextColumn) {
            columns.emplace_back();
            placed = true;
        } else {
            columns.back().push_back(item);
        }
    }
    if (!placed && columns[0].size() > kMaxRowsPerColumn) {
        std::vector<Item> all = std::move(columns[0]);
        const auto half = static_cast<std::ptrdiff_t>((all.size() + 1) / 2);
        columns = {{all.begin(), all.begin() + half}, {all.begin() + half, all.end()}};
    }
    return columns;
}

int rowTop(size_t row) { return kMargin + static_cast<int>(row) * kRowPitch; }

// Labels take the next number in order, skipping those that an item names.
class LabelNumbers {
public:
    explicit LabelNumbers(const std::vector<Item>& items)
    {
        for (const Item& item : items)
            if (item.label > 0) named_.insert(item.label);
    }
    int of(const Item& item)
    {
        if (item.label > 0) return item.label;
        do ++last_;
        while (named_.count(last_));
        return last_;
    }

private:
    std::set<int> named_;
    int last_ = 0;
};

}  // namespace

WindowSpec calculatorSpec(const CalculatorDef& def)
{
    WindowSpec spec;
    spec.form = def.form;
    const auto columns = columnsOf(def.items);

    LabelNumbers labelNumbers(def.items);
    auto labelNumberOf = [&labelNumbers](const Item& item) { return labelNumbers.of(item); };

    std::vector<ControlSpec> labels;
    std::vector<ControlSpec> texts;
    const int printWidth = std::max(kPrintAreaWidth, def.printWidth);
    int left = printWidth;
    size_t rows = 0;
    for (const auto& column : columns) {
        int captionsWidth = 0;
        int headingsWidth = 0;
        bool hasFields = false;
        for (const Item& item : column) {
            hasFields |= item.kind == Item::Kind::Field;
            if (item.caption.empty()) continue;
            int& widest = item.kind == Item::Kind::Field ? captionsWidth : headingsWidth;
            widest = std::max(widest, captionWidth(item.caption));
        }
        // Fields stand right of their captions; a column of fields without
        // captions (each under a heading) has the boxes at its left edge.
        const int fieldsLeft = captionsWidth > 0 ? captionsWidth + kCaptionGap : 0;
        const int fieldsWidth = hasFields ? fieldsLeft + kTextWidth : 0;
        const int width = std::max(fieldsWidth, headingsWidth);
        for (size_t row = 0; row < column.size(); ++row) {
            const Item& item = column[row];
            const int top = rowTop(row);
            const int labelTop = top + (kTextHeight - kLabelHeight) / 2;
            if (item.kind == Item::Kind::Heading) {
                labels.push_back({ControlKind::Label,
                                  labelNumberOf(item),
                                  std::string(item.caption),
                                  {left, labelTop, width, kLabelHeight}});
                labels.back().opens = item.opens;
            } else {
                if (!item.caption.empty()) {
                    labels.push_back({ControlKind::Label,
                                      labelNumberOf(item),
                                      std::string(item.caption),
                                      {left, labelTop, captionsWidth, kLabelHeight}});
                    labels.back().buddy = item.text;
                    labels.back().opens = item.opens;
                } else if (row > 0 && column[row - 1].kind == Item::Kind::Heading) {
                    labels.back().buddy = item.text;  // the heading above names the field
                }
                texts.push_back(
                    {ControlKind::TextBox, item.text, {}, {left + fieldsLeft, top, kTextWidth, kTextHeight}});
                texts.back().tip = item.tip;
                texts.back().placeholder =
                    item.hasDefault ? plainNumber(Num(item.byDefault)) : std::string(formPlaceholder(item.form));
            }
        }
        rows = std::max(rows, column.size());
        if (width > 0) left += width + kColumnGap;
    }

    // 确定 and 取消 side by side below the fields, 退出 under 取消.
    const int buttonsLeft = printWidth;
    const int secondLeft = buttonsLeft + kButtonWidth + kButtonGap;
    auto button = [](CalcButton b) { return static_cast<int>(b); };
    const std::vector<ControlSpec> buttons = {
        {.kind = ControlKind::Button,
         .number = button(CalcButton::Compute),
         .caption = "确定",
         .rect = {buttonsLeft, rowTop(rows), kButtonWidth, kButtonHeight}},
        {.kind = ControlKind::Button,
         .number = button(CalcButton::Clear),
         .caption = "取消",
         .rect = {secondLeft, rowTop(rows), kButtonWidth, kButtonHeight}},
        {.kind = ControlKind::Button,
         .number = button(CalcButton::Exit),
         .caption = "退出",
         .rect = {secondLeft, rowTop(rows + 1), kButtonWidth, kButtonHeight}},
    };

    // Text boxes first (tab order: fields in screen order, then the buttons).
    spec.controls = texts;
    spec.controls.insert(spec.controls.end(), buttons.begin(), buttons.end());
    spec.controls.insert(spec.controls.end(), labels.begin(), labels.end());
    spec.enterPresses = button(CalcButton::Compute);

    const int contentRight = std::max(left - kColumnGap, secondLeft + kButtonWidth);
    spec.widthTwips = std::max(kMinWidth, contentRight + kMargin);
    // The note of a press that printed nothing stands beside the buttons,
    // right of 取消 and 退出 where the fields leave room there, else under
    // 确定, left of 退出: the window grows for it in neither case.
    const int noteLeft = secondLeft + kButtonWidth + kButtonGap;
    if (contentRight - noteLeft >= kMinNoteWidth)
        spec.hintArea = {noteLeft, rowTop(rows), contentRight - noteLeft, kRowPitch + kButtonHeight};
    else
        spec.hintArea = {buttonsLeft, rowTop(rows + 1), kButtonWidth, kButtonHeight};
    spec.heightTwips = std::max(kMinHeight, rowTop(rows + 1) + kButtonHeight + kMargin);
    // The printed lines start at the top left and may run on under the fields.
    spec.printArea = {0, 0, spec.widthTwips, spec.heightTwips};
    return spec;
}

std::optional<Num> fieldDefault(FormId form, int textNumber)
{
    if (form < kFirstCalculator || form > lastCalculator()) return std::nullopt;
    for (const Item& item : calculatorDef(form).items)
        if (item.kind == Item::Kind::Field && item.text == textNumber && item.hasDefault) return Num(item.byDefault);
    return std::nullopt;
}

FieldForm fieldForm(FormId form, int textNumber)
{
    if (form < kFirstCalculator || form > lastCalculator()) return FieldForm::Amount;
    for (const Item& item : calculatorDef(form).items)
        if (item.kind == Item::Kind::Field && item.text == textNumber) return item.form;
    return FieldForm::Amount;
}

std::vector<ControlGroup> calculatorGroups(FormId form)
{
    const CalculatorDef& def = calculatorDef(form);
    LabelNumbers labelNumbers(def.items);
    std::vector<ControlGroup> groups;
    int columnNumber = 0;
    for (const auto& column : columnsOf(def.items)) {
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

FormId calculatorOpening(FormId form)
{
    // Looked up on every 退出: the links are gathered once.
    static const auto openers = [] {
        const FormId last = lastCalculator();
        std::vector<FormId> o(static_cast<size_t>(last) + 1);
        for (FormId from = kFirstCalculator; from <= last; ++from)
            for (const Item& item : calculatorDef(from).items)
                if (item.opens >= kFirstCalculator && item.opens <= last && !o[static_cast<size_t>(item.opens)])
                    o[static_cast<size_t>(item.opens)] = from;
        return o;
    }();
    if (form < kFirstCalculator || static_cast<size_t>(form) >= openers.size()) return 0;
    return openers[static_cast<size_t>(form)];
}

}  // namespace bk::calc
