// Every calculator window, registered in one place: each number below is a
// window FormN whose definition `formN` one file under src/calc/windows/
// gives. The numbers run from 2 without a gap; the largest is the last window.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "calc/calculator.h"

// clang-format off
#define BK_CALCULATOR_WINDOWS(X)                                            \
    X(2) X(3) X(4) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13)         \
    X(14) X(15) X(16) X(17) X(18) X(19) X(20) X(21) X(22) X(23) X(24) X(25) \
    X(26) X(27) X(28) X(29) X(30) X(31) X(32) X(33) X(34) X(35) X(36) X(37) \
    X(38) X(39) X(40) X(41) X(42) X(43) X(44) X(45) X(46) X(47) X(48) X(49) \
    X(50) X(51) X(52) X(53) X(54) X(55) X(56) X(57) X(58) X(59) X(60) X(61) \
    X(62) X(63) X(64) X(65) X(66) X(67) X(68) X(69) X(70) X(71) X(72) X(73) \
    X(74) X(75) X(76) X(77) X(78) X(79) X(80) X(81) X(82) X(83) X(84) X(85) \
    X(86) X(87) X(88) X(89) X(90) X(91) X(92) X(93) X(94) X(95) X(96) X(97) \
    X(98) X(99) X(100) X(101) X(102) X(103)
// clang-format on

namespace bk::calc {

#define BK_DECLARE_CALCULATOR(n) extern const CalculatorDef form##n;
BK_CALCULATOR_WINDOWS(BK_DECLARE_CALCULATOR)
#undef BK_DECLARE_CALCULATOR

namespace {

// The catalogue by window number, checked once: a calculator left out of the
// list above, a definition under another window's name or a gap in the
// numbers is a build mistake that no user must meet as a dead 确定 button or
// the wrong window; a link needs a caption to click, and a window opened
// from two places would not know which one its 退出 returns to.
const std::vector<const CalculatorDef*>& catalogue()
{
    static const auto table = [] {
        const CalculatorDef* const listed[] = {
#define BK_LIST_CALCULATOR(n) &form##n,
            BK_CALCULATOR_WINDOWS(BK_LIST_CALCULATOR)
#undef BK_LIST_CALCULATOR
        };
        const auto fail = [](const char* what, FormId form) {
            std::fprintf(stderr, "calculator Form%d %s\n", form, what);
            std::abort();
        };
        FormId last = kFirstCalculator - 1;
        for (const CalculatorDef* def : listed) last = std::max(last, def->form);
        std::vector<const CalculatorDef*> t(static_cast<size_t>(last) + 1);
        for (const CalculatorDef* def : listed) {
            if (def->form < kFirstCalculator || !def->compute || t[static_cast<size_t>(def->form)])
                fail("is registered wrongly", def->form);
            t[static_cast<size_t>(def->form)] = def;
        }
        for (FormId f = kFirstCalculator; f <= last; ++f)
            if (!t[static_cast<size_t>(f)]) fail("is not registered", f);
        std::vector<bool> opened(t.size());
        for (FormId f = kFirstCalculator; f <= last; ++f) {
            for (const Item& item : t[static_cast<size_t>(f)]->items) {
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

FormId lastCalculator() { return static_cast<FormId>(catalogue().size()) - 1; }

const CalculatorDef& calculatorDef(FormId form)
{
    const auto& table = catalogue();
    if (form < kFirstCalculator || static_cast<size_t>(form) >= table.size())
        throw std::out_of_range("not a calculator window");
    return *table[static_cast<size_t>(form)];
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
