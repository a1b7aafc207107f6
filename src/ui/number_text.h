// Number text: how an amount is written on a result line, and how the text of
// an input field is turned into an amount.
#pragma once

#include <string>
#include <string_view>

namespace bk {

// The text a number line prints after its caption (UTF-8):
//   - a sign position: "-" below zero, otherwise one space (every zero,
//     -0.0 included, prints as " 0 ");
//   - the magnitude rounded to 15 significant digits, in plain decimal when
//     the rounded value's decimal exponent is -4..14 (no "0" before the point,
//     no trailing zeros: " .5 ", " 1500 "), otherwise in exponent form
//     (" 1E+15 ", " 1.5E-07 ", " 1.79769313486232E+308 ");
//   - one trailing space.
// Results are always finite; NaN and infinities still print (" NaN ",
// " Inf ", "-Inf ") rather than fail.
std::string formatNumber(double v);

// The number at the start of an input field's text; 0 when there is none.
//   - Spaces, tabs, line feeds and the full-width space are ignored anywhere,
//     also between digits ("1 000" is 1000).
//   - An optional "+" or "-", then either a decimal number (digits, at most
//     one ".", digits, then optionally E or D in either case with an optional
//     sign and digits) or "&H" hexadecimal / "&O" octal digits.
//   - Reading stops at the first character that cannot continue the number
//     ("12abc" is 12, "1,500" is 1, "1.2.3" is 1.2, "12E" is 12).
//   - Full-width digits, "．", "＋" and "－" count as their ASCII forms.
//   - &H/&O values up to &HFFFF are signed 16-bit (&HFFFF is -1), up to
//     &HFFFFFFFF signed 32-bit (&H10000 is 65536, &HFFFFFFFF is -1).
//   - A number too large for a double, or an &H/&O value beyond 32 bits,
//     raises ArithmeticFault{FaultCode::Overflow}; one too small reads as 0
//     (or as a denormal). A zero read is always +0.
// Any bytes are accepted: invalid UTF-8 and control characters end the
// number. Reading takes time linear in the length of the text.
double readNumber(std::string_view utf8);

}  // namespace bk
