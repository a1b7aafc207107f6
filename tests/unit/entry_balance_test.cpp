// Every journal entry a calculator window prints balances, whatever a
// bookkeeper types. The printed lines are read as the voucher view reads
// them (calc::readVouchers): a text line or a blank line starts an entry, a
// caption ending in （借） or (借) is a debit, in （贷） or (贷) a credit, and
// an amount without a side is no part of an entry. With exact amounts they
// are read as printed, to the 15 digits an amount is printed with; with
// amounts to the fen every amount of an entry is in fen and the entry
// balances exactly (as printed, once an amount is too large for its fen to
// show in 15 digits).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/vouchers.h"
#include "num/number_text.h"
#include "num/rational.h"
#include "support/test_support.h"

namespace bk::calc {
namespace {

// The entries that do not balance by design, and why. An entry is named by
// its heading, or by its first line when it has none.
struct Unbalanced {
    FormId form;
    std::string_view entry;
    std::string_view why;
};
const Unbalanced kUnbalanced[] = {
    {41, "资本公积-资本溢价（借）", "the share premium alone, on the side it falls"},
    {41, "资本公积-资本溢价（贷）", "the share premium alone, on the side it falls"},
    {55, "每月摊销", "the debits 应收账款 and 销售费用 carry no side"},
    {64, "无形资产（借）", "the credit 研发支出-资本化支出 carries no side"},
    {92, "支付保证金", "the credit 银行存款-外币存款 carries no side"},
};

bool has(std::string_view s, std::initializer_list<std::string_view> parts)
{
    for (std::string_view part : parts)
        if (s.find(part) != std::string_view::npos) return true;
    return false;
}

struct Entry {
    std::string name;
    Rational debit, credit;
    Rational slack;     // how far the printed amounts may be off the true ones
    Rational fenSlack;  // the same, of the amounts too large to print to the fen
    std::string lines;  // as printed, to show
    bool inFen = true;  // every amount is a whole number of fen
};

// How far a printed amount may be from the amount: half a unit of the last
// of the 15 digits an amount is rounded to (1/3 prints as .333333333333333).
// Amounts with two decimals are printed in full, so a cent is always seen.
Rational rounding(const Num& printed)
{
    if (printed.sign() == 0) return 0;
    const long last = roundToDigits(exact(printed), 15).exponent - 15;
    const Integer unit = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(std::labs(last)));
    return last < 0 ? Rational(5, unit) : Rational(5 * unit);
}

// An amount this large has more digits down to its fen than the 15 it is
// printed with: it prints rounded, off by up to half a unit of its last
// printed digit.
const long long kFenPrinted = 10'000'000'000'000;

// The entries of one press of 确定 with these field texts, each named by
// its heading or, when it has none, by its first line as printed (a line of
// 0, left off the voucher, included). The lines left out are under half a
// fen each, and the sides may differ by them.
std::vector<Entry> press(FormId form, const Calc::Texts& texts, Amounts amounts)
{
    std::vector<Entry> entries;
    for (const Voucher& v : readVouchers(test::press(form, texts, amounts), "")) {
        Entry e{v.heading.empty() ? v.opening : v.heading, exact(v.debits), exact(v.credits), 0, 0, {}};
        e.slack = exact(v.leftOut);
        for (const EntryLine& l : v.lines) {
            e.slack += rounding(l.amount);
            if (abs(exact(l.amount)) >= Rational(kFenPrinted)) e.fenSlack += rounding(l.amount);
            e.inFen = e.inFen && roundToFen(l.amount) == l.amount;
            e.lines += "\n  " + l.caption + " " + l.amountText;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

// Hundredths as typed: 1205 is "12.05".
std::string hundredths(unsigned long long n)
{
    const std::string cents = std::to_string(100 + n % 100);
    return std::to_string(n / 100) + "." + cents.substr(1);
}

// What a bookkeeper types in each field: a rate between 0 and 1, a whole
// number of years, days, pieces or months of the year, 1 or 0 where a field
// asks for 1, or an amount with up to two decimals; now and then nothing, a
// negative amount, or, other than in a count, what an earlier field holds (a
// balance that did not move).
Calc::Texts typing(const CalculatorDef& def, std::mt19937& rng)
{
    Calc::Texts texts;
    std::vector<std::string> typed;
    for (const Item& item : def.items) {
        if (item.kind != Item::Kind::Field) continue;
        std::string text;
        const unsigned roll = rng() % 16;
        const bool count = has(item.caption, {"年限", "年数", "寿命", "期限", "天", "数量", "工作量"});
        if (roll == 0) {
        } else if (roll == 1 && !typed.empty() && !count) {
            text = typed[rng() % typed.size()];
        } else if (has(item.caption, {"（填1）"})) {
            text = rng() % 2 ? "1" : "0";  // a yes-or-no field
        } else if (has(item.caption, {"月份数"})) {
            text = std::to_string(1 + rng() % 12);
        } else if (has(item.caption, {"率", "比例"})) {
            text = hundredths(rng() % 100);
        } else if (count) {
            text = std::to_string(1 + rng() % 36);
        } else {
            // Up to a million, small amounts as often as large ones.
            text = hundredths(rng() % 100'000'000 >> rng() % 27);
        }
        if (roll == 2 && !text.empty()) text.insert(text.begin(), '-');  // a reversal
        typed.push_back(text);
        texts[item.text] = text;
    }
    return texts;
}

std::string show(const Calc::Texts& texts)
{
    std::string s;
    for (const auto& [field, text] : texts) s += " Text" + std::to_string(field) + "=" + text;
    return s;
}

void checkEveryWindow(Amounts amounts)
{
    std::set<const Unbalanced*> used;
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        const bool toTheFen = amounts == Amounts::Fen;
        std::mt19937 rng(static_cast<unsigned>(form));
        std::set<std::string> reported;  // one failure per entry
        for (int i = 0; i < 200; ++i) {
            const Calc::Texts texts = typing(calculatorDef(form), rng);
            std::vector<Entry> entries;
            try {
                entries = press(form, texts, amounts);
            } catch (const ArithmeticFault&) {
                continue;  // the window reports the fault; nothing to post
            }
            for (const Entry& e : entries) {
                if (toTheFen && !e.inFen && reported.insert("fen " + e.name).second)
                    ADD_FAILURE() << "Form" << form << " " << e.name << ": an amount not in fen, typing" << show(texts)
                                  << e.lines;
                if (abs(e.debit - e.credit) <= (toTheFen ? e.fenSlack : e.slack)) continue;
                const Unbalanced* known = nullptr;
                for (const Unbalanced& u : kUnbalanced)
                    if (u.form == form && u.entry == e.name) known = &u;
                if (known) {
                    used.insert(known);
                } else if (reported.insert(e.name).second) {
                    ADD_FAILURE() << "Form" << form << " " << e.name << ": 借" << formatNumber(exactly(e.debit))
                                  << "≠ 贷" << formatNumber(exactly(e.credit)) << "typing" << show(texts) << e.lines;
                }
            }
        }
    }
    for (const Unbalanced& u : kUnbalanced)
        EXPECT_TRUE(used.count(&u)) << "Form" << u.form << " " << u.entry << " balances: take it off the list";
}

TEST(EntryBalance, EveryWindowExact) { checkEveryWindow(Amounts::Exact); }
TEST(EntryBalance, EveryWindowToTheFen) { checkEveryWindow(Amounts::Fen); }

}  // namespace
}  // namespace bk::calc
