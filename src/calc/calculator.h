// The calculator window framework.
//
// A calculator window is data: its fields with their captions, its other
// labels (group headings, connecting words, explanations), and one compute
// function. The framework owns the rest: reading fields and the notes about
// them (calc.cpp), the press and its faults (press.h), the layout
// (layout.h), the catalogue of windows (catalog.cpp); 取消 and 退出 are the
// application's.
//
// A compute function reads like the formula it implements:
//
//     [](Calc& c) {
//         Num a = c.read(1), b = c.read(2), k = c.read(3);
//         c.result("货币资金", a + b + k);
//     }
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "num/arith.h"
#include "num/field_text.h"
#include "window/output_surface.h"
#include "window/toolkit.h"

namespace bk::calc {

// A calculator window's buttons, by their CommandN number.
enum class CalcButton : int {
    Compute = 1,  // 确定: works the figures out and prints them; Enter in a field presses it
    Clear = 2,    // 取消: clears the printed lines
    Exit = 3,     // 退出: back to the window it was opened from
};

// How the money a window derives is kept: rounded to the fen where it is
// derived (the program's default, what a voucher, an invoice and a return
// show), or exact, as the formulas give it (the user's choice, for checking
// the arithmetic).
enum class Amounts { Fen, Exact };

// A total paid or booked in n equal periods: each period's amount, and the
// last period's, which takes the difference (尾差) so that the periods add up
// to the total.
struct Instalments {
    Num each;
    Num last;
};

struct CalculatorDef;

// What a compute function sees of its window during one press of 确定.
class Calc {
public:
    using Texts = std::map<int, std::string>;  // TextN -> what the user typed
    // With the window's definition, fields are read in their forms ("5%" in
    // a rate is 0.05) and a fault or an empty press can name its fields.
    Calc(const Texts& texts, OutputSurface& out, Amounts amounts = Amounts::Fen, const CalculatorDef* def = nullptr)
        : texts_(texts), out_(out), amounts_(amounts), def_(def)
    {
    }

    // The number in field TextN, read in the field's form (readFieldAs: a
    // field without a number is 0).
    Num read(int textNumber) const;
    // The number in field TextN, or `otherwise` when the field holds no number
    // (empty, blank, or no number at its start). A typed 0 is 0.
    Num readOr(int textNumber, const Num& otherwise) const;
    // Whether field TextN holds a number (one stands at the start of its text).
    bool holdsNumber(int textNumber) const;

    // Money derived by a rate, a percentage, a division or an exchange rate
    // (a tax, a discount, a month's interest, a share of a cost): rounded to
    // the fen once, here, when amounts are kept to the fen; every figure
    // that depends on it is then worked out from the rounded value, so an
    // entry balances to the fen. Typed amounts, rates and sums of amounts
    // are not passed through it.
    Num money(const Num& derived) const { return amounts_ == Amounts::Fen ? roundToFen(derived) : derived; }
    // Money that the window's own rule puts in fen whatever the user chose
    // (a tax as the return works it out, an amount on an invoice).
    static Num fen(const Num& derived) { return roundToFen(derived); }
    // A total in n equal periods: each = money(total / n), the last period
    // the rest, total - (n - 1) × each. n = 0 faults as the division does.
    Instalments instalments(const Num& total, const Num& n) const
    {
        Num each = money(total / n);
        return {each, total - (n - 1) * each};
    }
    Amounts amounts() const { return amounts_; }
    // How many lines the press has printed so far.
    int printed() const { return printed_; }

    // A text line printed before the press's own, saying what kind of
    // window this is; a press that prints nothing else printed nothing.
    void preface(std::string_view line) { out_.printText(line); }
    void text(std::string_view line)  // a text line
    {
        ++printed_;
        out_.printText(line);
    }
    void result(std::string_view caption, const Num& value)  // caption, then the amount
    {
        ++printed_;
        out_.printNumber(caption, value);
    }
    void result(std::string_view caption, const Var& value)
    {
        ++printed_;
        out_.printVariant(caption, value);
    }
    void blank()  // an empty line
    {
        ++printed_;
        out_.printBlank();
    }

    // A journal entry of one amount: the debit line, then the credit line,
    // both with the amount; the second form puts its heading line first.
    void entry(std::string_view debit, std::string_view credit, const Num& amount)
    {
        result(debit, amount);
        result(credit, amount);
    }
    void entry(std::string_view heading, std::string_view debit, std::string_view credit, const Num& amount)
    {
        text(heading);
        entry(debit, credit, amount);
    }

    // For a division by 0: the fields read so far as 0, by caption:
    // "合同年限 为空", "折扣条件 为 0", several joined ("合同年限、年利率 为空；
    // 期限 为 0"); only those that are no amount where there are such (a
    // count, a span of time, a rate: what a window divides by); empty when
    // none was read as 0.
    std::string zeroFields() const;
    // For a press that printed nothing: "没有算出结果：预计净残值率、预计使用寿命
    // 为空", the empty fields the press read in the groups (under a heading,
    // or a column) the user began to fill, or "没有算出结果：各栏均为空" when
    // every field it read was empty; empty when it printed something or no
    // field it read was empty.
    std::string emptyPressNote() const;

private:
    enum class Reading { Empty, Zero, Number };
    FieldForm formOf(int textNumber) const;
    const Texts& texts_;
    OutputSurface& out_;
    Amounts amounts_;
    const CalculatorDef* def_;
    int printed_ = 0;
    mutable std::vector<std::pair<int, Reading>> reads_;  // in reading order
};

using Compute = std::function<void(Calc&)>;

// One entry of a window's layout, in screen order down each column.
struct Item {
    enum class Kind { Field, Heading, NextColumn };
    Kind kind = Kind::Field;
    int text = 0;                        // Field: the TextN it names
    std::string_view caption;            // Field: its caption; Heading: the label text
    std::string_view tip;                // Field: what to type, where the caption alone may mislead
    int label = 0;                       // its label's LabelN when not the next in order
    FormId opens = 0;                    // the window a click on its label opens; 0 for none
    bool hasDefault = false;             // Field: a field left without a number stands for `byDefault`
    double byDefault = 0;                // (a rate the user may change), shown in the empty box
    FieldForm form = FieldForm::Amount;  // Field: what its number stands for
};

// A field TextN with its caption label to its left; with an empty caption
// the field has no label (it stands under a heading that names it).
constexpr Item field(int text, std::string_view caption) { return {Item::Kind::Field, text, caption, {}, 0, 0}; }
// A field whose caption needs a word of explanation, shown as its tooltip.
constexpr Item field(int text, std::string_view caption, std::string_view tip)
{
    return {Item::Kind::Field, text, caption, tip, 0, 0};
}
// A label whose name is fixed: a field's caption or a heading is LabelN with
// the number given wherever it stands, and the other labels number on without
// it. A field added among others keeps their names this way, and a heading
// moved above the fields keeps its own.
constexpr Item withLabel(Item item, int label)
{
    item.label = label;
    return item;
}
// A caption that opens another calculator when clicked; that window's 退出
// comes back here.
constexpr Item withLink(Item item, FormId opens)
{
    item.opens = opens;
    return item;
}
// A field that stands for a given number while it holds none, e.g. a rate
// with today's statutory value: the empty box shows it, and the compute
// function reads the field with Calc::readOr and the same named value.
constexpr Item withDefault(Item item, double byDefault)
{
    item.hasDefault = true;
    item.byDefault = byDefault;
    return item;
}
// A field's form where it is not an amount: a rate as a fraction of 1
// ("预计净残值率": 0.05 or 5%), a percentage the window divides by 100
// ("税率（%）": 13), a count, or a span of years, months or days.
constexpr Item withForm(Item item, FieldForm form)
{
    item.form = form;
    return item;
}
constexpr Item asRate(Item item) { return withForm(item, FieldForm::Rate); }
constexpr Item asPercent(Item item) { return withForm(item, FieldForm::Percent); }
constexpr Item asCount(Item item) { return withForm(item, FieldForm::Count); }
constexpr Item asYears(Item item) { return withForm(item, FieldForm::Years); }
constexpr Item asMonths(Item item) { return withForm(item, FieldForm::Months); }
constexpr Item asDays(Item item) { return withForm(item, FieldForm::Days); }
// A label that names no field (a group heading, a connecting word such as
// "或", an explanation); it takes a row of its own in its column.
constexpr Item heading(std::string_view caption) { return {Item::Kind::Heading, 0, caption, {}, 0, 0}; }
// The items after this one start a new column to the right.
constexpr Item nextColumn() { return {Item::Kind::NextColumn, 0, {}, {}, 0, 0}; }

struct CalculatorDef {
    FormId form = 0;  // set by the catalogue, from the window's name
    // Labels are numbered Label1, Label2, … in the order of the items that
    // have a caption, passing over any number an item takes for its own
    // label (withLabel).
    std::vector<Item> items;
    Compute compute = nullptr;
    // The room for the printed lines left of the fields, in twips, for a
    // window whose longest line needs more than the usual; 0: the usual.
    int printWidth = 0;
};

// The largest calculator window number: the catalogue numbers its windows
// from kFirstCalculator to this one without a gap.
FormId lastCalculator();

// The definition of calculator window `form`, kFirstCalculator to
// lastCalculator(): every calculator has one, with its compute function.
const CalculatorDef& calculatorDef(FormId form);

// The calculator with a caption that opens `form`, or 0 when none does.
FormId calculatorOpening(FormId form);

// The number field TextN of calculator `form` stands for while it holds none,
// or nothing when it has no default.
std::optional<Num> fieldDefault(FormId form, int textNumber);
// The form of field TextN of calculator `form` (an amount where it has none).
FieldForm fieldForm(FormId form, int textNumber);

}  // namespace bk::calc
