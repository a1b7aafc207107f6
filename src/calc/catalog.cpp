// Every calculator window, registered in one place: each number below is a
// window FormN whose definition `formN` one file under src/calc/ gives.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

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
    X(98) X(99) X(100)
// clang-format on

namespace bk::calc {

#define BK_DECLARE_CALCULATOR(n) extern const CalculatorDef form##n;
BK_CALCULATOR_WINDOWS(BK_DECLARE_CALCULATOR)
#undef BK_DECLARE_CALCULATOR

const CalculatorDef& calculatorDef(FormId form)
{
    static const auto table = [] {
        std::array<const CalculatorDef*, kLastForm + 1> t{};
#define BK_REGISTER_CALCULATOR(n) t.at(n) = &form##n;
        BK_CALCULATOR_WINDOWS(BK_REGISTER_CALCULATOR)
#undef BK_REGISTER_CALCULATOR
        // A calculator left out of the list above, or a definition under
        // another window's name, is a build mistake that no user must meet
        // as a dead 确定 button or the wrong window.
        for (FormId f = kFirstCalculator; f <= kLastForm; ++f) {
            const CalculatorDef* def = t[static_cast<size_t>(f)];
            if (!def || def->form != f || !def->compute) {
                std::fprintf(stderr, "calculator Form%d is not registered\n", f);
                std::abort();
            }
        }
        // A link needs a caption to click, and a window opened from two
        // places would not know which one its 退出 returns to.
        std::array<bool, kLastForm + 1> opened{};
        for (FormId f = kFirstCalculator; f <= kLastForm; ++f) {
            for (const Item& item : t[static_cast<size_t>(f)]->items) {
                if (!item.opens) continue;
                if (item.caption.empty() || item.opens < kFirstCalculator || item.opens > kLastForm ||
                    opened.at(static_cast<size_t>(item.opens))) {
                    std::fprintf(stderr, "calculator Form%d has a link that cannot work\n", f);
                    std::abort();
                }
                opened.at(static_cast<size_t>(item.opens)) = true;
            }
        }
        return t;
    }();
    if (form < kFirstCalculator || form > kLastForm) throw std::out_of_range("not a calculator window");
    return *table[static_cast<size_t>(form)];
}

}  // namespace bk::calc
