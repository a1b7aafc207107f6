#include "num/field_text.h"

#include "num/arith.h"
#include "num/number_text.h"

namespace bk {

namespace {

bool percentDivides(FieldForm form) { return form == FieldForm::Amount || form == FieldForm::Rate; }

}  // namespace

std::string_view formPlaceholder(FieldForm form)
{
    switch (form) {
    case FieldForm::Amount: return "金额";
    case FieldForm::Rate: return "比率，如 0.13 或 13%";
    case FieldForm::Count: return "数量";
    case FieldForm::Years: return "年数";
    case FieldForm::Months: return "月数";
    case FieldForm::Days: return "天数";
    case FieldForm::Percent: return "百分数，如 13";
    }
    return {};
}

FieldNumber readFieldAs(std::string_view utf8, FieldForm form)
{
    FieldNumber field = readField(utf8);
    if (!field.percent) return field;
    if (percentDivides(form)) {
        field.value = field.value / 100;
        field.whole = true;
    } else if (form == FieldForm::Percent) {
        field.whole = true;
    }
    return field;
}

std::optional<std::string> fieldNote(std::string_view utf8, FieldForm form, const std::optional<Num>& byDefault)
{
    FieldNumber field;
    try {
        field = readFieldAs(utf8, form);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    if (!field.found)
        return field.whole
                   ? std::nullopt
                   : std::optional<std::string>(byDefault
                                                    ? "没有读到数字，按默认值 " + plainNumber(*byDefault) + " 计算"
                                                    : "没有读到数字，按 0 计算");
    if (!field.whole) {
        std::string number = formatNumber(field.value);  // " 12 ", "-.5 "
        number.erase(number.find_last_not_of(' ') + 1);
        number.erase(0, number.find_first_not_of(' '));
        return "只读取了 " + number;
    }
    try {
        if (field.percent && percentDivides(form)) {
            const Num typed = field.value * 100;
            return "按 " + plainNumber(typed) + "% 即 " + plainNumber(field.value) + " 计算";
        }
        if (form == FieldForm::Rate && !field.percent && field.value > 1)
            return "按 " + plainNumber(field.value * 100) + "% 计算；13% 请输入 0.13 或 13%";
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> amountNote(std::string_view utf8) { return fieldNote(utf8, FieldForm::Amount); }

std::optional<std::string> amountNote(std::string_view utf8, const Num& byDefault)
{
    return fieldNote(utf8, FieldForm::Amount, byDefault);
}

}  // namespace bk
