// Every calculator window, registered in one place.
#include <array>

#include "calc/calculator.h"

namespace bk::calc {

// inventory/
extern const CalculatorDef form19;
// assets/
extern const CalculatorDef form79;

const CalculatorDef* calculatorDef(FormId form)
{
    static const auto table = [] {
        std::array<const CalculatorDef*, kLastForm + 1> t{};
        for (const CalculatorDef* def : {&form19, &form79})
            t.at(static_cast<size_t>(def->form)) = def;
        return t;
    }();
    if (form < kFirstCalculator || form > kLastForm) return nullptr;
    return table[static_cast<size_t>(form)];
}

}  // namespace bk::calc
