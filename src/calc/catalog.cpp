// Every calculator window, registered in one place.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "calc/calculator.h"

namespace bk::calc {

// statements/
extern const CalculatorDef form2, form3, form4, form5, form6, form7, form8, form12, form13, form29, form30, form31,
    form32, form33;
extern const CalculatorDef form10, form11, form34, form35, form36, form37, form46, form47;
// inventory/
extern const CalculatorDef form16, form17, form18, form19, form20, form21, form22, form23, form24, form87, form88,
    form89, form90, form97, form98;
// assets/
extern const CalculatorDef form25, form26, form79, form27, form66, form67, form80, form81, form28, form56, form57,
    form68;
// payroll_tax/
extern const CalculatorDef form9, form38, form39, form82, form40, form58, form69, form70, form59, form60, form93,
    form94, form95, form96;
// equity/
extern const CalculatorDef form41, form42, form43, form44, form45, form73, form74, form75, form76, form78, form91,
    form15, form71, form100;
// sales/
extern const CalculatorDef form48, form49, form50, form51, form52, form62, form53, form54, form55, form77, form99;
// cash_bank/
extern const CalculatorDef form14, form63, form72, form83, form84, form61, form85, form86, form92, form64, form65;

const CalculatorDef& calculatorDef(FormId form)
{
    static const auto table = [] {
        std::array<const CalculatorDef*, kLastForm + 1> t{};
        for (const CalculatorDef* def : {
                 // statements/
                 &form2,
                 &form3,
                 &form4,
                 &form5,
                 &form6,
                 &form7,
                 &form8,
                 &form12,
                 &form13,
                 &form29,
                 &form30,
                 &form31,
                 &form32,
                 &form33,
                 &form10,
                 &form11,
                 &form34,
                 &form35,
                 &form36,
                 &form37,
                 &form46,
                 &form47,
                 // inventory/
                 &form16,
                 &form17,
                 &form18,
                 &form19,
                 &form20,
                 &form21,
                 &form22,
                 &form23,
                 &form24,
                 &form87,
                 &form88,
                 &form89,
                 &form90,
                 &form97,
                 &form98,
                 // assets/
                 &form25,
                 &form26,
                 &form79,
                 &form27,
                 &form66,
                 &form67,
                 &form80,
                 &form81,
                 &form28,
                 &form56,
                 &form57,
                 &form68,
                 // payroll_tax/
                 &form9,
                 &form38,
                 &form39,
                 &form82,
                 &form40,
                 &form58,
                 &form69,
                 &form70,
                 &form59,
                 &form60,
                 &form93,
                 &form94,
                 &form95,
                 &form96,
                 // equity/
                 &form41,
                 &form42,
                 &form43,
                 &form44,
                 &form45,
                 &form73,
                 &form74,
                 &form75,
                 &form76,
                 &form78,
                 &form91,
                 &form15,
                 &form71,
                 &form100,
                 // sales/
                 &form48,
                 &form49,
                 &form50,
                 &form51,
                 &form52,
                 &form62,
                 &form53,
                 &form54,
                 &form55,
                 &form77,
                 &form99,
                 // cash_bank/
                 &form14,
                 &form63,
                 &form72,
                 &form83,
                 &form84,
                 &form61,
                 &form85,
                 &form86,
                 &form92,
                 &form64,
                 &form65,
             })
            t.at(static_cast<size_t>(def->form)) = def;
        // A calculator left out of the list above is a build mistake that
        // no user must meet as a dead 确定 button.
        for (FormId f = kFirstCalculator; f <= kLastForm; ++f) {
            if (!t[static_cast<size_t>(f)] || !t[static_cast<size_t>(f)]->compute) {
                std::fprintf(stderr, "calculator Form%d is not registered\n", f);
                std::abort();
            }
        }
        return t;
    }();
    if (form < kFirstCalculator || form > kLastForm) throw std::out_of_range("not a calculator window");
    return *table[static_cast<size_t>(form)];
}

}  // namespace bk::calc
