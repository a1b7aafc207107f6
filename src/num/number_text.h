// Number text: how an amount is written on a result line, and how the text of
// an input field is turned into an amount.
#pragma once

#include <string>
#include <string_view>

#include "num/arith.h"

namespace bk {

// The text a number line prints after its caption (UTF-8):
//   - a sign position: "-" below zero, otherwise one space (every zero
//     prints as " 0 ");
//   - the magnitude rounded to 15 significant digits, half away from zero
//     (四舍五入), in plain decimal when the rounded value's decimal exponent
//     is -4..14 (no "0" before the point, no trailing zeros: " .5 ",
//     " 1500 "), otherwise in exponent form (" 1E+15 ", " 1.5E-07 ",
//     " 1.79769313486232E+308 ");
//   - one trailing space.
std::string formatNumber(const Num& v);

// A number as a sentence or a grey hint writes it: the digits of
// formatNumber without the sign position and trailing space, and a 0 before
// a leading point ("13", "0.5", "-0.25").
std::string plainNumber(const Num& v);

// An amount as the desktop shows it in the column of a print area, from the
// text formatNumber printed: no sign position and no trailing space, a "-"
// below zero, a 0 before a leading point and the whole part grouped by
// thousands with ",": " 1480705.11 " is "1,480,705.11", "-.0221 " is
// "-0.0221", " 0 " is "0". Exponent forms stay as printed ("1.5E-07");
// a blank text (a value never assigned) is "".
std::string shownAmount(std::string_view printed);

// An amount to the fen as a voucher shows it: two decimals, thousands
// separated by commas, a minus sign in front ("1,480,705.11", "-0.50");
// rounded half away from zero to the fen. Without `grouped`, no commas
// ("1480705.11"), as a spreadsheet reads a number.
std::string fenAmount(const Num& amount, bool grouped = true);

// How far printed amounts may be from the true ones behind them: a number
// line prints 15 significant digits (formatNumber; 1/3 as .333333333333333),
// so each may be off by half a unit of its last digit. The result is
// `slack`, that of the amounts before, with that of `printed` added.
Num addPrintSlack(const Num& slack, const Num& printed);

// The number at the start of an input field's text, exactly as typed; 0 when
// there is none.
//   - Spaces, tabs, line feeds and the full-width space are ignored anywhere,
//     also between digits ("1 000" is 1000).
//   - An optional "+" or "-" and an optional "¥" or "￥" in either order,
//     then either a decimal number (digits, at most one ".", digits, then
//     optionally E or D in either case with an optional sign and digits) or
//     "&H" hexadecimal / "&O" octal digits.
//   - In the whole part a comma ("," or "，") between a digit and exactly
//     three digits is a thousands separator: "1,000" is 1000, "2,500.75" is
//     2500.75, "12,345,678.9" is 12345678.9.
//   - Reading stops at the first character that cannot continue the number
//     ("12abc" is 12, "12,34" is 12, "1.2.3" is 1.2, "12E" is 12).
//   - Full-width digits, "．", "，", "＋" and "－" count as their ASCII forms.
//   - &H/&O values up to &HFFFF are signed 16-bit (&HFFFF is -1), up to
//     &HFFFFFFFF signed 32-bit (&H10000 is 65536, &HFFFFFFFF is -1).
//   - The value is exact ("0.1" is 1/10) up to 40 significant digits; more
//     digits are rounded half away from zero.
//   - A number larger in magnitude than the largest double, or an &H/&O value
//     beyond 32 bits, raises ArithmeticFault{FaultCode::Overflow}; one
//     smaller than the smallest positive double reads as 0.
// Any bytes are accepted: invalid UTF-8 and control characters end the
// number. Reading takes time linear in the length of the text.
Num readNumber(std::string_view utf8);

// The reading of a field: its number, and whether the text is wholly that
// number (nothing but blanks after it; an empty or blank text counts as
// whole, "12abc", "1.2.3" and "12E" do not).
struct FieldNumber {
    Num value;
    bool whole = true;
    bool found = false;  // a number stands at the start of the text
    // The number is followed by a percent sign ("5%", "6 ％") and nothing
    // else; `value` is the number before it and `whole` is false: what the
    // sign means is the field's to say (readFieldAs).
    bool percent = false;
};
FieldNumber readField(std::string_view utf8);

}  // namespace bk
