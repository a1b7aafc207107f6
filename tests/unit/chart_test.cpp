// Every entry line names an account of the small-enterprise chart: the lines
// every calculator window prints, pressed with every field filled, and the
// entries of every key's text. Where a line is of the general standard
// (after its label) that standard's accounts are allowed too.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calc/account_text.h"
#include "calc/calculator.h"
#include "calc/chart.h"
#include "calc/general_standard.h"
#include "lookup/key_hint.h"
#include "lookup/subjects.h"
#include "support/test_support.h"
#include "window/windows.h"

namespace bk::calc {
namespace {

TEST(ChartOfAccounts, ReadsACaptionAsAccountSideAndColumn)
{
    struct Case {
        std::string_view caption;
        bool entry;
        bool debit;
        std::string_view account, sub, third, column;
        bool fault;
    };
    const Case cases[] = {
        {"应交税费-应交增值税（销项税额）（贷）", true, false, "应交税费", "应交增值税", "", "销项税额", false},
        {"应付职工薪酬-社会保险费-养老保险（借）", true, true, "应付职工薪酬", "社会保险费", "养老保险", "", false},
        {"银行存款/库存现金（贷）", true, false, "银行存款", "", "", "", false},
        {"累计折旧总额", false, false, "", "", "", "", false},
        {"在建工程（借方）", false, false, "", "", "", "", false},
        {"固定资产余额（在建工程借）", true, true, "", "", "", "", true},
        {"养老保险（公司贷）", true, false, "", "", "", "", true},
        {"应交税费-应交增值税（进）", true, true, "", "", "", "", true},
        {"应付职工薪酬(贷)", true, false, "", "", "", "", true},
        {"其他应付款-养老（个人）（贷）", true, false, "", "", "", "", true},
        {"其他应收款--垫付运费（借）", true, true, "", "", "", "", true},
    };
    for (const Case& c : cases) {
        const std::optional<EntryCaption> e = readEntryCaption(c.caption);
        ASSERT_EQ(e.has_value(), c.entry) << c.caption;
        if (!e) continue;
        EXPECT_EQ(e->debit, c.debit) << c.caption;
        EXPECT_EQ(!e->account.fault.empty(), c.fault) << c.caption;
        if (c.fault) continue;
        ASSERT_FALSE(e->account.paths.empty()) << c.caption;
        const AccountPath& p = e->account.paths.front();
        EXPECT_EQ(p.account, c.account) << c.caption;
        EXPECT_EQ(p.sub, c.sub) << c.caption;
        EXPECT_EQ(p.third, c.third) << c.caption;
        EXPECT_EQ(p.column, c.column) << c.caption;
    }
    EXPECT_EQ(readEntryCaption("银行存款/库存现金（贷）")->account.paths.size(), 2u);
}

TEST(ChartOfAccounts, ResolvesOnlyTheChartsNames)
{
    struct Case {
        std::string_view text;
        bool resolves;
        Resolving where;
    };
    const Case cases[] = {
        {"应收账款-公司全称", true, {}},
        {"其他应收款-备用金-张三", true, {}},
        {"应交税费-应交企业所得税", true, {}},
        {"应交税费-应交所得税", false, {}},
        {"应交税费", false, {}},
        {"应交税费-应交增值税（进项税额转出）", true, {}},
        {"应交税费-应交增值税（进项税）", false, {}},
        {"应交税费-应交增值税", false, {}},
        {"应交税费-应交增值税", true, {.vatWithoutColumn = true}},
        {"应付职工薪酬-工资", false, {}},
        {"利润分配-应付利润", true, {}},
        {"短期投资-股票投资", false, {}},
        {"营业税金及附加", false, {}},
        {"交易性金融资产-成本", false, {}},
        {"交易性金融资产-成本", true, {.generalStandard = true}},
        {"资本公积-股本溢价", true, {.generalStandard = true}},
        {"资本公积-股本溢价", false, {}},
        {"银行存款/应收账款", true, {}},
        {"银行存款/应收帐款", false, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(resolves(c.text, c.where), c.resolves) << c.text;
    EXPECT_EQ(chartOfAccounts().size(), 66u);
    // Every older spelling leads to an account the chart has.
    for (const Renamed& r : renamedAccounts()) {
        EXPECT_TRUE(findAccount(r.name.substr(0, r.name.find('-')))) << r.name;
        EXPECT_EQ(accountCode(r.was), accountCode(r.name)) << r.was;
    }
    EXPECT_EQ(accountCode("应收账款-公司全称"), "1122");
    EXPECT_EQ(accountCode("应缴税费-应交增值税（进项税额）"), "2221");
    EXPECT_EQ(accountCode("养老保险（公司）"), "");
}

TEST(ChartOfAccounts, ReadsTheItemsOfAKeysEntries)
{
    const std::vector<std::string> lines = {
        "借：材料采购 （不含税价款）      应交税费-应交增值税（进项税额）",
        "      管理费用等（行政）      贷：银行存款",
        "",
        std::string(kGeneralStandardLabel),
        "借：资产减值损失      贷：存货跌价准备",
        "所得税费用（借）=应交税费-应交企业所得税（贷）",
    };
    struct Item {
        std::string account, column;
        bool debit, general;
    };
    const Item expected[] = {
        {"材料采购", "", true, false},  {"应交税费", "进项税额", true, false}, {"管理费用", "", true, false},
        {"银行存款", "", false, false}, {"资产减值损失", "", true, true},      {"存货跌价准备", "", false, true},
        {"所得税费用", "", true, true}, {"应交税费", "", false, true},
    };
    const std::vector<RuleItem> items = ruleEntryItems(lines);
    ASSERT_EQ(items.size(), std::size(expected));
    for (size_t i = 0; i < items.size(); ++i) {
        ASSERT_TRUE(items[i].account.fault.empty()) << items[i].item;
        EXPECT_EQ(items[i].account.paths.front().account, expected[i].account) << items[i].item;
        EXPECT_EQ(items[i].account.paths.front().column, expected[i].column) << items[i].item;
        EXPECT_EQ(items[i].debit, expected[i].debit) << items[i].item;
        EXPECT_EQ(items[i].generalStandard, expected[i].general) << items[i].item;
    }
    EXPECT_FALSE(
        ruleEntryItems(std::vector<std::string>{"借:银行存款      贷:库存现金"}).front().account.fault.empty());
}

// The capital figures window prints no entry.
const std::set<FormId> kNotChecked = {win::AmountInCapitals};

// The windows that serve only a small-scale taxpayer, whose VAT is booked to
// 应交税费-应交增值税 without a column, as in a window with its 小规模 switch on.
const std::set<FormId> kSmallScaleOnly = {win::SmallScaleVat};

// One press's field texts: amounts distinct and not 0, each other form a
// value of its own, a field with a default empty (it stands for the default).
struct Press {
    std::string name;
    std::string rate = "13%";
    bool switchesOn = false;
    bool firstAmountEmpty = false;
    bool totalsEmpty = false;
    bool firstAmountOnly = false;
};

Calc::Texts typing(const CalculatorDef& def, const Press& p)
{
    Calc::Texts texts;
    int amounts = 0;
    for (const Item& item : def.items) {
        if (item.kind != Item::Kind::Field) continue;
        std::string text;
        if (item.caption.find("（填1）") != std::string_view::npos) {
            text = p.switchesOn ? "1" : "";
        } else if (item.hasDefault) {
            text.clear();  // stands for its default
        } else {
            switch (item.form) {
            case FieldForm::Rate: text = p.rate; break;
            case FieldForm::Percent: text = "7"; break;
            case FieldForm::Years: text = "5"; break;
            case FieldForm::Months: text = "7"; break;
            case FieldForm::Days: text = "45"; break;
            case FieldForm::Count: text = "3"; break;
            case FieldForm::Amount:
                text = std::to_string(10000 + 1370 * ++amounts);
                if (p.firstAmountEmpty && amounts == 1) text.clear();
                if (p.firstAmountOnly && amounts > 1) text.clear();
                if (p.totalsEmpty && (item.caption.find("合计") != std::string_view::npos ||
                                      item.caption.find("总额") != std::string_view::npos))
                    text.clear();
                break;
            }
        }
        texts[item.text] = text;
    }
    return texts;
}

TEST(ChartOfAccounts, EveryWindowsEntryLinesNameChartAccounts)
{
    const Press presses[] = {
        {"各栏有数"},
        {"比率 3%", "3%"},
        {"开关填1", "13%", true},
        {"首栏为空", "13%", false, true},
        {"合计栏为空", "13%", false, false, true},
        {"只填首栏", "13%", false, false, false, true},
    };
    std::set<std::string> reported;
    for (FormId form = kFirstCalculator; form <= lastCalculator(); ++form) {
        if (kNotChecked.count(form)) continue;
        const CalculatorDef& def = calculatorDef(form);
        for (const Press& p : presses) {
            const Calc::Texts texts = typing(def, p);
            test::Rows rows;
            try {
                rows = test::press(form, texts, Amounts::Fen);
            } catch (const ArithmeticFault&) {
                continue;
            }
            bool general = false;
            bool smallScale = kSmallScaleOnly.count(form) > 0;
            for (const Item& item : def.items)
                if (item.caption.find("小规模") != std::string_view::npos && texts.at(item.text) == "1")
                    smallScale = true;
            for (const auto& row : rows) {
                if (row.size() < 2) {
                    general = general || (!row.empty() && row[0] == kGeneralStandardLabel);
                    continue;
                }
                const std::optional<EntryCaption> e = readEntryCaption(row[0]);
                if (!e) continue;
                const std::string why =
                    unresolved(e->account, {.generalStandard = general, .vatWithoutColumn = smallScale});
                if (!why.empty() && reported.insert(std::to_string(form) + row[0]).second)
                    ADD_FAILURE() << "Form" << form << " (" << p.name << ") " << row[0] << ": " << why;
            }
        }
    }
}

TEST(ChartOfAccounts, EveryKeysEntriesNameChartAccounts)
{
    const lookup::LookupTable& table = lookup::LookupTable::instance();
    for (const lookup::KeyEntry& key : table.keys()) {
        std::vector<std::string> printed;
        for (const std::string& line : test::lines(test::lookupLog(table, key.key)))
            if (line.starts_with("print ")) printed.push_back(line.substr(6));
        for (const RuleItem& item : ruleEntryItems(printed)) {
            const std::string why = unresolved(item.account, {.generalStandard = item.generalStandard});
            if (!why.empty()) ADD_FAILURE() << key.key << ": " << item.item << ": " << why;
        }
    }
}

}  // namespace
}  // namespace bk::calc

namespace bk::lookup {
namespace {

// Keys whose whole output is of the general standard carry its mark where a
// key is shown; keys that give the small enterprise's entries first do not.
TEST(ChartOfAccounts, KeysOfTheGeneralStandardAreMarked)
{
    const std::string mark(calc::kGeneralStandardMark);
    for (std::string_view key : {"股价变动", "债券价值变动", "债券价格变动", "公允价值变动", "存货跌价", "存货涨价",
                                 "结转存货跌价准备", "计提固定资产减值准备", "计提无形资产减值", "递延所得税",
                                 "回购股份", "新增资本公积", "合同收入", "存货跌价准备", "固定资产减值准备"})
        EXPECT_EQ(shownKey(key), std::string(key) + mark) << key;
    for (std::string_view key : {"应收账款损失", "出售无形资产", "取得股票", "购买债券", "出售股票", "支付交易费用",
                                 "所得税费用", "应交所得税", "坏账准备", "计提工资"})
        EXPECT_EQ(shownKey(key), key) << key;

    bool found = false;
    for (const Subject& subject : browseSubjects())
        for (const BrowseItem& item : subject.items)
            if (item.keys.front() == "回购股份") {
                found = true;
                EXPECT_EQ(menuLabel(item), "回购股份（回购股票、注销股份、回购股本）…【企业会计准则】");
            }
    EXPECT_TRUE(found);

    const KeyHint hint = unknownKeyHint("股价变");
    ASSERT_EQ(hint.shown.size(), hint.keys.size());
    ASSERT_FALSE(hint.keys.empty());
    EXPECT_EQ(hint.keys.front(), "股价变动");
    EXPECT_EQ(hint.shown.front(), "股价变动" + mark);
}

}  // namespace
}  // namespace bk::lookup
