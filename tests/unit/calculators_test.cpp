// The calculator catalogue: every window registered, each under its own
// number, with distinct fields and a key that opens it.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>

#include "calc/calculator.h"
#include "num/number_text.h"
#include "support/test_support.h"

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

TEST(Calculators, EachIsOpenedByAKey)
{
    const auto opened = test::keysOpening();
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form)
        EXPECT_TRUE(opened.count(form)) << "Form" << form;
}

}  // namespace
}  // namespace bk::calc
