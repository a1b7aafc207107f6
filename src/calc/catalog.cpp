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
extern const CalculatorDef form79;
// payroll_tax/
// equity/
// sales/
extern const CalculatorDef form48, form49, form50, form51, form52, form62, form53, form54, form55, form77, form99;
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
                 &form79,
                 // payroll_tax/
                 // equity/
                 // sales/
                 &form48, &form49, &form50, &form51, &form52, &form62, &form53, &form54, &form55, &form77, &form99,
                 // cash_bank/
             })
            t.at(static_cast<size_t>(def->form)) = def;
        return t;
    }();
    if (form < kFirstCalculator || form > kLastForm) return nullptr;
    return table[static_cast<size_t>(form)];
}

}  // namespace bk::calc
