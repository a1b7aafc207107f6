// Every calculator window, registered in one place: each window that the
// list of windows names (window/windows.h) has its definition, the object of
// the same name that one file under src/calc/windows/ gives; a name left
// without one does not link.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "calc/calculator.h"
#include "calc/general_standard.h"
#include "window/windows.h"

namespace bk::calc {

#define BK_DECLARE_CALCULATOR(n, name) extern const CalculatorDef name;
BK_CALCULATOR_WINDOWS(BK_DECLARE_CALCULATOR)
#undef BK_DECLARE_CALCULATOR

namespace {

// The catalogue by window number, each definition numbered by its name, and
// checked once: a window without a compute function would be a dead 确定
// button; a link needs a caption to click, and a window opened from two
// places would not know which one its 退出 returns to.
const std::vector<CalculatorDef>& catalogue()
{
    static const auto table = [] {
        std::vector<CalculatorDef> t(kFirstCalculator);
#define BK_LIST_CALCULATOR(n, name) \
    t.push_back(name);              \
    t.back().form = win::name;
        BK_CALCULATOR_WINDOWS(BK_LIST_CALCULATOR)
#undef BK_LIST_CALCULATOR
        // A window of the general standard says on every press, before its
        // entries, what a small enterprise does instead.
        for (CalculatorDef& def : t) {
            const std::string_view note = generalStandardNote(def.form);
            if (note.empty() || !def.compute) continue;
            def.compute = [note, compute = def.compute](Calc& c) {
                c.preface(note);
                c.preface(kGeneralStandardLabel);
                compute(c);
            };
        }
        const auto fail = [](const char* what, FormId form) {
            std::fprintf(stderr, "calculator Form%d %s\n", form, what);
            std::abort();
        };
        const FormId last = win::kLastCalculator;
        std::vector<bool> opened(t.size());
        for (FormId f = kFirstCalculator; f <= last; ++f) {
            if (!t[static_cast<size_t>(f)].compute) fail("has no compute function", f);
            for (const Item& item : t[static_cast<size_t>(f)].items) {
                if (!item.opens) continue;
                if (item.caption.empty() || item.opens < kFirstCalculator || item.opens > last ||
                    opened[static_cast<size_t>(item.opens)])
                    fail("has a link that cannot work", f);
                opened[static_cast<size_t>(item.opens)] = true;
            }
        }
        return t;
    }();
    return table;
}

}  // namespace

FormId lastCalculator() { return win::kLastCalculator; }

const CalculatorDef& calculatorDef(FormId form)
{
    const auto& table = catalogue();
    if (form < kFirstCalculator || static_cast<size_t>(form) >= table.size())
        throw std::out_of_range("not a calculator window");
    return table[static_cast<size_t>(form)];
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
