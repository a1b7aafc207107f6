// The simplest journal entry: one amount debited to one account and credited
// to another, optionally under a heading line that names the event.
#pragma once

#include <string_view>

#include "calc/calculator.h"

namespace bk::calc {

// The debit line, then the credit line, both with the amount v.
inline void lines(Calc& c, std::string_view debit, std::string_view credit, Num v)
{
    c.result(debit, v);
    c.result(credit, v);
}

// The heading line, then the debit and credit lines of the amount v.
inline void entry(Calc& c, std::string_view heading, std::string_view debit, std::string_view credit, Num v)
{
    c.text(heading);
    lines(c, debit, credit, v);
}

}  // namespace bk::calc
