// Whether the text of an amount field is wholly a number, and which part of
// it an amount is read from. The amount itself is readNumber's; this says
// what the user should be told when part of the text was left unread
// ("12abc" is read as 12, "1.2.3" as 1.2).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bk {

struct AmountText {
    bool whole = true;  // every character but the blanks is part of the number
    // The number that was read, as plain text without blanks and with
    // full-width forms as ASCII ("12", "-1.5E3", "&HFF"); empty when the
    // text has no number at its start.
    std::string read;
};

// Follows readNumber's reading: blanks anywhere, a sign, then a decimal
// number with an optional exponent, or &H / &O digits. An empty or blank
// text is whole (it is the amount 0, left out on purpose); an exponent
// letter without digits, or a sign without a number, is not read.
AmountText readAmountText(std::string_view utf8);

// What to tell the user about a field's text, or nothing when it is wholly
// a number: "只读取了 12", or, with no number at its start, "没有读到数字，按 0 计算".
std::optional<std::string> amountNote(std::string_view utf8);

}  // namespace bk
