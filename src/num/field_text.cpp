#include "num/field_text.h"

#include "num/arith.h"
#include "num/number_text.h"

namespace bk {

namespace {

std::optional<std::string> note(std::string_view utf8, const std::string& noNumber)
{
    FieldNumber field;
    try {
        field = readField(utf8);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    if (field.whole) return std::nullopt;
    if (!field.found) return noNumber;
    std::string number = formatNumber(field.value);  // " 12 ", "-.5 "
    number.erase(number.find_last_not_of(' ') + 1);
    number.erase(0, number.find_first_not_of(' '));
    return "只读取了 " + number;
}

}  // namespace

std::optional<std::string> amountNote(std::string_view utf8) { return note(utf8, "没有读到数字，按 0 计算"); }

std::optional<std::string> amountNote(std::string_view utf8, const Num& byDefault)
{
    return note(utf8, "没有读到数字，按默认值 " + plainNumber(byDefault) + " 计算");
}

}  // namespace bk
