// What the user is told about a field whose text is not wholly a number: the
// amount is read from the number at its start ("12abc" is read as 12, "1.2.3"
// as 1.2), and the field says so.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "num/arith.h"

namespace bk {

// Nothing when the text is wholly a number (or empty, an amount left out on
// purpose); otherwise "只读取了 12" with the number used as the window would
// print it, or "没有读到数字，按 0 计算" when no number stands at its start.
// A number too large to read says nothing here: pressing 确定 reports it.
std::optional<std::string> amountNote(std::string_view utf8);
// The same for a field that stands for `byDefault` while it holds no number:
// "没有读到数字，按默认值 13 计算" instead of "…按 0 计算".
std::optional<std::string> amountNote(std::string_view utf8, const Num& byDefault);

}  // namespace bk
