#include "calc/layout.h"

#include <algorithm>

#include "num/number_text.h"

namespace bk::calc {

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

int rowTop(size_t row) { return kMargin + static_cast<int>(row) * kRowPitch; }

}  // namespace

namespace layout {

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

}  // namespace layout

WindowSpec calculatorSpec(const CalculatorDef& def)
{
    WindowSpec spec;
    spec.form = def.form;
    const auto columns = layout::columnsOf(def.items);

    layout::LabelNumbers labelNumbers(def.items);
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

WindowSpec mainWindowSpec(int widestLine)
{
    constexpr int kControlsLeft = 6720;  // 确定, the leftmost control
    constexpr int kGap = 240;
    const int printWidth = std::max(kControlsLeft - kGap, widestLine + 2 * kPrintInset);
    const int shift = printWidth + kGap - kControlsLeft;
    auto at = [shift](int left, int top, int width, int height) { return Rect{left + shift, top, width, height}; };
    WindowSpec spec;
    spec.form = kMainForm;
    spec.widthTwips = 11415 + shift;
    spec.heightTwips = 7785;
    auto button = [](MainButton b) { return static_cast<int>(b); };
    spec.controls = {
        {.kind = ControlKind::TextBox,
         .number = kKeyBox,
         .caption = {},
         .rect = at(7680, 1680, 2535, 495),
         .completes = true,
         .browses = true},
        {.kind = ControlKind::Button,
         .number = button(MainButton::LookUp),
         .caption = "确定",
         .rect = at(6720, 2640, 1935, 495)},
        {.kind = ControlKind::Button,
         .number = button(MainButton::Clear),
         .caption = "取消",
         .rect = at(9240, 2640, 1935, 495)},
        {.kind = ControlKind::Button,
         .number = button(MainButton::Exit),
         .caption = "退出",
         .rect = at(7800, 3720, 1935, 495)},
        {.kind = ControlKind::Label,
         .number = 1,
         .caption = "财务报表填写事项",
         .rect = at(8160, 960, 1695, 495),
         .buddy = kKeyBox},
    };
    spec.enterPresses = button(MainButton::LookUp);
    spec.printArea = {0, 0, printWidth, spec.heightTwips};
    spec.hintArea = at(6720, 3720 + 495 + kGap, 11175 - 6720, 7785 - (3720 + 495 + 2 * kGap));
    return spec;
}

}  // namespace bk::calc
