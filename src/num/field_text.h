// What a field holds and what the user is told about it. Each number field
// has a form (an amount, a rate, a count, …) that says how its text is read
// and what its empty box shows. The amount is read from the number at its
// start ("12abc" is read as 12, "1.2.3" as 1.2), and the field says so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "num/arith.h"
#include "num/number_text.h"

namespace bk {

// What a field's number stands for.
enum class FieldForm {
    Amount,   // money, a price, a quantity of value: "5%" is 0.05 of it
    Rate,     // a rate as a fraction of 1 (0.13): "13%" is 0.13
    Count,    // a number of things (shares, units, work), or 1 for yes
    Years,    // a number of years
    Months,   // a number of months
    Days,     // a number of days
    Percent,  // a rate in percent the window divides by 100 ("（%）"): "13%" is 13
};

// The grey text of an empty field of that form: "金额", "比率，如 0.13 或 13%", "年数", …
std::string_view formPlaceholder(FieldForm form);

// The reading of a field of the given form: readField, where a trailing
// percent sign divides by 100 in an amount or a rate ("5%" is 0.05) and
// means the number itself in a percentage ("13%" is 13); in a count or a
// span of time it ends the number as any other character does.
FieldNumber readFieldAs(std::string_view utf8, FieldForm form);

// Nothing when the text is wholly a number in the field's form (or empty,
// an amount left out on purpose); otherwise what the field was read as:
//   - "只读取了 12" with the number used as the window would print it, or
//     "没有读到数字，按 0 计算" ("…按默认值 13 计算" for a field with a
//     default) when no number stands at its start;
//   - "按 5% 即 0.05 计算" for a percent sign in an amount or a rate;
//   - "按 600% 计算；13% 请输入 0.13 或 13%" for a rate above 1 typed
//     without a percent sign.
// A number too large to read says nothing here: pressing 确定 reports it.
std::optional<std::string> fieldNote(std::string_view utf8, FieldForm form,
                                     const std::optional<Num>& byDefault = std::nullopt);

// An amount field's note (fieldNote of FieldForm::Amount).
std::optional<std::string> amountNote(std::string_view utf8);
std::optional<std::string> amountNote(std::string_view utf8, const Num& byDefault);

}  // namespace bk
