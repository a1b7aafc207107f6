// Every calculator window, registered in one place.
#include <array>

#include "calc/calculator.h"

namespace bk::calc {

// statements/
extern const CalculatorDef form2, form3, form4, form5, form6, form7, form8, form12, form13, form29, form30, form31,
    form32, form33;
extern const CalculatorDef form10, form11, form34, form35, form36, form37, form46, form47;
// inventory/
extern const CalculatorDef form19;
// assets/
extern const CalculatorDef form25, form26, form79, form27, form66, form67, form80, form81, form28, form56, form57,
    form68;
// payroll_tax/
// equity/
// sales/
// cash_bank/

const CalculatorDef* calculatorDef(FormId form)
{
    static const auto table = [] {
        std::array<const CalculatorDef*, kLastForm + 1> t{};
        for (const CalculatorDef* def : {
                 // statements/
                 &form2, &form3, &form4, &form5, &form6, &form7, &form8, &form12, &form13, &form29, &form30, &form31,
                 &form32, &form33, &form10, &form11, &form34, &form35, &form36, &form37, &form46, &form47,
                 // inventory/
                 &form19,
                 // assets/
                 &form25, &form26, &form79, &form27, &form66, &form67, &form80, &form81, &form28, &form56, &form57,
                 &form68,
                 // payroll_tax/
                 // equity/
                 // sales/
                 // cash_bank/
             })
            t.at(static_cast<size_t>(def->form)) = def;
        return t;
    }();
    if (form < kFirstCalculator || form > kLastForm) return nullptr;
    return table[static_cast<size_t>(form)];
}

}  // namespace bk::calc
