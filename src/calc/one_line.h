// Windows that print one line: a statement line, or one figure a single
// formula works out. Each is a row of its topic's table (formulas.cpp): its
// fields, the caption of the line and the formula, which reads the fields
// in the window's order and gives the amount, or no amount (an unassigned
// Var prints the caption alone).
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "calc/calculator.h"

namespace bk::calc {

using Formula = Var (*)(const Calc&);

inline CalculatorDef oneLine(std::vector<Item> items, std::string_view caption, Formula formula)
{
    return {.items = std::move(items), .compute = [caption, formula](Calc& c) { c.result(caption, formula(c)); }};
}

}  // namespace bk::calc
