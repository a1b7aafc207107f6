#include "calc/press.h"

namespace bk::calc {

std::string PressOutcome::faultText() const
{
    if (!fault) return {};
    std::string message = faultMessage(*fault);
    if (!zeroFields.empty()) message += "：" + zeroFields;
    return message;
}

PressOutcome press(const CalculatorDef& def, const Calc::Texts& texts, OutputSurface& out, Amounts amounts)
{
    PressOutcome outcome;
    out.beginPress();
    Calc calc(texts, out, amounts, &def);
    try {
        def.compute(calc);
    } catch (const ArithmeticFault& fault) {
        outcome.fault = fault.code;
        if (fault.byZero) outcome.zeroFields = calc.zeroFields();
    }
    outcome.printed = calc.printed();
    if (!outcome.fault) outcome.emptyNote = calc.emptyPressNote();
    return outcome;
}

}  // namespace bk::calc
