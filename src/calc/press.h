// One press of a calculator's 确定: the window's compute function run over
// the typed texts, its lines printed as it goes. A fault stops it at the
// faulting step and the lines printed before stay; the outcome says what
// the window shows besides its lines.
#pragma once

#include <optional>
#include <string>

#include "calc/calculator.h"
#include "num/arith.h"
#include "window/output_surface.h"

namespace bk::calc {

struct PressOutcome {
    int printed = 0;                 // the lines the press printed
    std::optional<FaultCode> fault;  // the fault that stopped the press
    std::string zeroFields;          // a division by 0: the fields read as 0 ("合同年限 为空")
    std::string emptyNote;           // nothing printed: the fields it needs ("没有算出结果：…")

    // The message box of a fault: its description, with the fields a
    // division by 0 names ("除数为零：合同年限 为空"); empty without a fault.
    std::string faultText() const;
};

// Runs window `def`'s compute over `texts`, printing to `out` after a new
// press begins there.
PressOutcome press(const CalculatorDef& def, const Calc::Texts& texts, OutputSurface& out, Amounts amounts);

}  // namespace bk::calc
