// What the unit and GUI tests share: a session script run on the recording
// toolkit, one press of a calculator with typed texts, a lookup's effects
// written down, and the questions many tests ask of the built-in key table.
// Each answer comes from the program itself (the table, the catalogue of
// calculators), never from a count written here.
#pragma once

#include <map>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "lookup/lookup_table.h"
#include "replay/recording_toolkit.h"
#include "replay/replay.h"
#include "window/toolkit.h"

namespace bk::test {

// A recording toolkit with the event log it writes.
struct Recording {
    std::ostringstream stream;
    RecordingToolkit toolkit{stream};
    std::string log() const { return stream.str(); }
};

// A session script run as bookkeeper-replay runs it.
struct Outcome {
    int status;
    std::string log;
    std::string errors;
};
Outcome replay(const std::string& script, const ReplayOptions& options = {});

// The lines of a text, without their line ends.
std::vector<std::string> lines(const std::string& text);

// The print area of calculator `form` after one press of 确定 with these
// field texts, as the rows 复制为表格 copies: a caption and its amount, or a
// text line alone, the fields read in their forms. An arithmetic fault is
// thrown on. Derived money is exact unless the test asks for it to the fen.
using Rows = std::vector<std::vector<std::string>>;
Rows press(FormId form, const calc::Calc::Texts& texts, calc::Amounts amounts = calc::Amounts::Exact);

// What a lookup does, one line each: "print TEXT", "clear", "open N".
class LookupLog : public lookup::LookupEffects {
public:
    void printLine(std::string_view text) override;
    void clearOutput() override;
    void openWindow(FormId window) override;
    std::string text;
};
std::string lookupLog(const lookup::LookupTable& table, std::string_view key);

// The built-in table.
const std::vector<lookup::LookupRule>& rules();
// The rules of one catalogue, where it stands in the table.
std::span<const lookup::LookupRule> block(lookup::Catalogue catalogue);
// Every key (the empty one too) with the numbers of its rules, in table order.
std::map<std::string_view, std::vector<int>> rulesByKey();
// Each window a key opens, with the keys that open it, in table order.
std::map<FormId, std::vector<std::string_view>> keysOpening();

}  // namespace bk::test
