// Every journal entry that a sales, purchase, stock-count, bad-debt or bank
// window prints balances, whatever is typed. The printed lines are read as a
// bookkeeper reads them: a text line or a blank line starts an entry, a
// caption ending in （借） or (借) is a debit, in （贷） or (贷) a credit, and
// an amount without a side is no part of an entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "ui/output_surface.h"
#include "ui/recording_toolkit.h"

namespace bk::calc {
namespace {

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

struct Entry {
    std::string first;  // its first line, to say which one
    double debit = 0;
    double credit = 0;
};

// One press of 确定 with these field texts, as entries.
std::vector<Entry> press(FormId form, const Calc::Texts& texts)
{
    std::ostringstream log;
    RecordingToolkit toolkit(log);
    OutputSurface out(toolkit, form);
    Calc c(texts, out);
    calculatorDef(form).compute(c);

    std::vector<Entry> entries(1);
    for (const auto& row : out.tableRows(0, out.lines().size())) {
        if (row.size() < 2) {  // a heading or a blank line
            if (!entries.back().first.empty()) entries.emplace_back();
            continue;
        }
        const bool debit = endsWith(row[0], "（借）") || endsWith(row[0], "(借)");
        const bool credit = endsWith(row[0], "（贷）") || endsWith(row[0], "(贷)");
        if (!debit && !credit) continue;
        Entry& e = entries.back();
        if (e.first.empty()) e.first = row[0];
        (debit ? e.debit : e.credit) += row[1].empty() ? 0.0 : std::stod(row[1]);
    }
    if (entries.back().first.empty()) entries.pop_back();
    return entries;
}

// The amounts are read back from the printed text, so they agree to the
// digits printed.
bool same(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

TEST(EntryBalance, EveryPrintedEntryBalances)
{
    // Amounts, rates, day counts, zero, empty and negative amounts.
    const std::vector<std::string> typed = {"",       "0",    "0.13",  "0.02", "36",       "180",
                                            "1200.5", "8000", "56500", "-200", "12800.55", "0.09"};
    for (FormId form : {14, 50, 51, 62, 63, 72, 77, 85, 86, 88}) {
        std::vector<int> fields;
        for (const Item& item : calculatorDef(form).items)
            if (item.kind == Item::Kind::Field) fields.push_back(item.text);
        int checked = 0;
        for (size_t i = 0; i < 96; ++i) {
            // Each field walks through the typed texts at its own pace.
            Calc::Texts texts;
            for (size_t k = 0; k < fields.size(); ++k)
                texts[fields[k]] = typed[(i * (k + 1) + i / (k + 2)) % typed.size()];
            for (const Entry& e : press(form, texts)) {
                ++checked;
                EXPECT_TRUE(same(e.debit, e.credit))
                    << "Form" << form << " press " << i << ", entry from " << e.first << ": " << e.debit << " ≠ "
                    << e.credit;
            }
        }
        EXPECT_GT(checked, 0) << "Form" << form;
    }
}

}  // namespace
}  // namespace bk::calc
