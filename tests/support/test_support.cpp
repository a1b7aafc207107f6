#include "support/test_support.h"

#include <utility>

#include "window/output_surface.h"

namespace bk::test {

Outcome replay(const std::string& script, const ReplayOptions& options)
{
    std::istringstream in(script);
    std::ostringstream log, errors;
    const int status = runReplay(in, log, errors, options);
    return {status, log.str(), errors.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(std::move(line));
    return out;
}

Rows press(FormId form, const calc::Calc::Texts& texts, calc::Amounts amounts)
{
    Recording screen;
    OutputSurface out(screen.toolkit, form);
    calc::Calc c(texts, out, amounts, &calc::calculatorDef(form));
    calc::calculatorDef(form).compute(c);
    return out.tableRows(0, out.lines().size());
}

void LookupLog::printLine(std::string_view line) { text += "print " + std::string(line) + "\n"; }
void LookupLog::clearOutput() { text += "clear\n"; }
void LookupLog::openWindow(FormId window) { text += "open " + std::to_string(window) + "\n"; }

std::string lookupLog(const lookup::LookupTable& table, std::string_view key)
{
    LookupLog log;
    table.lookup(key, log);
    return log.text;
}

const std::vector<lookup::LookupRule>& rules() { return lookup::LookupTable::instance().rules(); }

std::span<const lookup::LookupRule> block(lookup::Catalogue catalogue)
{
    for (const lookup::RuleBlock& b : lookup::builtInBlocks())
        if (b.catalogue == catalogue)
            return std::span(rules()).subspan(static_cast<size_t>(b.first), static_cast<size_t>(b.count));
    return {};
}

std::map<std::string_view, std::vector<int>> rulesByKey()
{
    std::map<std::string_view, std::vector<int>> byKey;
    for (const lookup::LookupRule& r : rules()) byKey[r.key].push_back(r.number);
    return byKey;
}

std::map<FormId, std::vector<std::string_view>> keysOpening()
{
    std::map<FormId, std::vector<std::string_view>> keys;
    for (const lookup::LookupRule& r : rules())
        for (const lookup::RuleAction& a : r.actions)
            if (a.kind == lookup::RuleAction::Kind::OpenWindow) keys[a.window].push_back(r.key);
    return keys;
}

}  // namespace bk::test
