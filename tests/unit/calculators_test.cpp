// The calculator catalogue: every window registered, each under its own
// number, with distinct fields and a key that opens it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "calc/layout.h"
#include "calc/press.h"
#include "num/number_text.h"
#include "support/test_support.h"
#include "window/windows.h"

namespace bk::calc {
namespace {

TEST(Calculators, EveryWindowIsRegistered)
{
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        const CalculatorDef& def = calculatorDef(form);
        std::set<int> texts;
        int fields = 0;
        for (const Item& item : def.items) {
            if (item.kind != Item::Kind::Field) continue;
            ++fields;
            EXPECT_GT(item.text, 0) << "Form" << form;
            EXPECT_TRUE(texts.insert(item.text).second) << "Form" << form << " has Text" << item.text << " twice";
        }
        EXPECT_GT(fields, 0) << "Form" << form;
    }
    EXPECT_THROW(calculatorDef(kMainForm), std::out_of_range);
    EXPECT_THROW(calculatorDef(lastCalculator() + 1), std::out_of_range);
}

// A press runs the window's formula and says what the window shows besides
// its lines: the fault that stopped it, with the fields a division by 0
// read as 0, or why it printed nothing.
TEST(Calculators, APressSaysWhatItLeft)
{
    struct Case {
        FormId form;
        Calc::Texts typed;
        int printed;
        std::string fault;
        std::string note;
    };
    const Case cases[] = {
        {win::CashFunds, {{1, "100"}, {2, "50.5"}}, 1, "", ""},
        {win::WeightedAverageCost, {{1, "100"}}, 0, "运行时错误 11：除数为零：本月总购进数量、本月总销售数量 为空", ""},
        {win::WeightedAverageCost,
         {{1, "100"}, {2, "0"}},
         0,
         "运行时错误 11：除数为零：本月总销售数量 为空；本月总购进数量 为 0",
         ""},
        {win::WeightedAverageCost, {}, 0, "运行时错误 6：溢出：本月总购进数量、本月总销售数量 为空", ""},
        {win::InvestmentIncomeAccrual, {}, 0, "", "没有算出结果：各栏均为空"},
    };
    for (const Case& c : cases) {
        test::Recording screen;
        OutputSurface out(screen.toolkit, c.form);
        const PressOutcome outcome = press(calculatorDef(c.form), c.typed, out, Amounts::Fen);
        EXPECT_EQ(outcome.printed, c.printed) << "Form" << c.form;
        EXPECT_EQ(out.lines().size(), static_cast<size_t>(c.printed)) << "Form" << c.form;
        EXPECT_EQ(outcome.faultText(), c.fault) << "Form" << c.form;
        EXPECT_EQ(outcome.fault.has_value(), !c.fault.empty()) << "Form" << c.form;
        EXPECT_EQ(outcome.emptyNote, c.note) << "Form" << c.form;
    }
    // Its lines are the window's, as 复制为表格 copies them.
    test::Recording screen;
    OutputSurface out(screen.toolkit, win::CashFunds);
    const PressOutcome sum = press(calculatorDef(win::CashFunds), {{1, "100"}, {2, "50.5"}}, out, Amounts::Fen);
    EXPECT_EQ(out.tableRows(0, out.lines().size()), (test::Rows{{"货币资金", "150.5"}}));
    EXPECT_FALSE(sum.fault);
}

// Every field is named by a label (its caption, or the heading it stands
// under), which a screen reader reads out with it; no label names two.
TEST(Calculators, EveryFieldHasItsOwnLabel)
{
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        std::set<int> fields, named;
        for (const ControlSpec& c : calculatorSpec(form).controls) {
            if (c.kind == ControlKind::TextBox) fields.insert(c.number);
            if (c.kind == ControlKind::Label && c.buddy > 0) {
                EXPECT_TRUE(named.insert(c.buddy).second) << "Form" << form;
            }
        }
        EXPECT_EQ(named, fields) << "Form" << form;
    }
}

// A field left empty computes as if its default were typed: the layout shows
// the value the compute function uses. Tried with the other fields holding
// different amounts, so that each rate has something to work on.
TEST(Calculators, AnEmptyFieldComputesWithTheDefaultItShows)
{
    int defaults = 0;
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        const CalculatorDef& def = calculatorDef(form);
        for (const Item& item : def.items) {
            if (item.kind != Item::Kind::Field || !item.hasDefault) continue;
            ++defaults;
            const std::optional<Num> byDefault = fieldDefault(form, item.text);
            ASSERT_TRUE(byDefault) << "Form" << form << " Text" << item.text;
            for (int scale : {1, 250}) {
                Calc::Texts empty;
                for (const Item& other : def.items)
                    if (other.kind == Item::Kind::Field && other.text != item.text)
                        empty[other.text] = std::to_string(scale * (1000 * other.text + 7)) + ".25";
                Calc::Texts typed = empty;
                typed[item.text] = plainNumber(*byDefault);
                for (Amounts amounts : {Amounts::Fen, Amounts::Exact})
                    EXPECT_EQ(test::press(form, empty, amounts), test::press(form, typed, amounts))
                        << "Form" << form << " Text" << item.text << " typed as " << typed[item.text];
            }
        }
    }
    EXPECT_GT(defaults, 0);
}

bool says(std::string_view caption, std::initializer_list<std::string_view> words)
{
    for (std::string_view w : words)
        if (caption.find(w) != std::string_view::npos) return true;
    return false;
}

// Each field's form agrees with its caption: a percentage is captioned with
// "%", a rate with 率, 比例 or 折扣 (and every such caption is one of the
// two), a span of time with its unit; an empty field without a default
// shows its form.
TEST(Calculators, EveryFieldsFormAgreesWithItsCaption)
{
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        std::map<int, std::string> placeholders;
        for (const ControlSpec& c : calculatorSpec(form).controls)
            if (c.kind == ControlKind::TextBox) placeholders[c.number] = c.placeholder;
        for (const Item& item : calculatorDef(form).items) {
            if (item.kind != Item::Kind::Field) continue;
            const std::string_view caption = item.caption;
            const std::string where = "Form" + std::to_string(form) + " " + std::string(caption);
            EXPECT_EQ(item.form == FieldForm::Percent, says(caption, {"%"})) << where;
            if (says(caption, {"率", "比例"})) {
                EXPECT_TRUE(item.form == FieldForm::Rate || item.form == FieldForm::Percent) << where;
            }
            if (item.form == FieldForm::Rate) {
                EXPECT_TRUE(says(caption, {"率", "比例", "折扣"})) << where;
            }
            if (item.form == FieldForm::Years) {
                EXPECT_TRUE(says(caption, {"年", "寿命"})) << where;
            }
            if (item.form == FieldForm::Months) {
                EXPECT_TRUE(says(caption, {"月", "期限"})) << where;
            }
            if (item.form == FieldForm::Days) {
                EXPECT_TRUE(says(caption, {"天"})) << where;
            }
            if (!item.hasDefault) {
                EXPECT_EQ(placeholders[item.text], formPlaceholder(item.form)) << where;
            }
        }
    }
}

// In every rate field "5%" computes as 0.05, and in every percentage "13%"
// as 13, whatever the other fields hold.
TEST(Calculators, APercentSignReadsAsTheFieldTakesIt)
{
    int tried = 0;
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        const CalculatorDef& def = calculatorDef(form);
        for (const Item& item : def.items) {
            if (item.kind != Item::Kind::Field) continue;
            if (item.form != FieldForm::Rate && item.form != FieldForm::Percent) continue;
            ++tried;
            Calc::Texts typed;
            for (const Item& other : def.items)
                if (other.kind == Item::Kind::Field) typed[other.text] = std::to_string(1000 * other.text + 7);
            Calc::Texts plain = typed;
            typed[item.text] = item.form == FieldForm::Rate ? "5%" : "13 ％";
            plain[item.text] = item.form == FieldForm::Rate ? "0.05" : "13";
            for (Amounts amounts : {Amounts::Fen, Amounts::Exact}) {
                try {
                    EXPECT_EQ(test::press(form, typed, amounts), test::press(form, plain, amounts))
                        << "Form" << form << " Text" << item.text;
                } catch (const ArithmeticFault&) {
                    EXPECT_THROW(test::press(form, plain, amounts), ArithmeticFault) << "Form" << form;
                }
            }
        }
    }
    EXPECT_GT(tried, 0);
}

// Form25's straight-line year with a residual rate typed as 5%: 100000 less
// its 5% over 5 years.
TEST(Calculators, AResidualRateTypedInPercent)
{
    const test::Rows rows = test::press(win::Depreciation, {{1, "5%"}, {2, "5"}, {3, "100000"}}, Amounts::Fen);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], (std::vector<std::string>{"累计折旧", "19000"}));
}

TEST(Calculators, EachIsOpenedByAKey)
{
    const auto opened = test::keysOpening();
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form)
        EXPECT_TRUE(opened.count(form)) << "Form" << form;
}

}  // namespace
}  // namespace bk::calc
