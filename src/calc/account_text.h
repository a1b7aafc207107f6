// Reading the account an entry line names, and whether the chart has it.
//
// A window's entry line is a caption and an amount: the caption is the
// account text and its side, 应交税费-应交增值税（销项税额）（贷）, the side
// alone in the last full-width bracket. The account text is a path of up to
// three levels joined by "-" (应付职工薪酬-社会保险费-养老保险), on
// 应交税费-应交增值税 with its column in one bracket, or several paths joined
// by "/" where the bookkeeper picks one (银行存款/库存现金). No other bracket
// belongs in a caption.
//
// A key's text writes entries as "借：A      B      贷：C": items between the
// side words, apart by runs of spaces, each a path with any notes in
// full-width brackets after it (贷：应付账款（未付）); on 应交税费-应交增值税
// the first bracket is the column. A line that begins with a space right
// after an entry line goes on with the same side. "X（借）=Y（贷）" is an
// entry written as a formula.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bk::calc {

struct AccountPath {
    std::string account;       // the first level: 应交税费
    std::string sub;           // the second level: 应交增值税
    std::string third;         // the third level
    std::string column;        // 应交增值税's column: 销项税额
    std::string text() const;  // as printed: 应交税费-应交增值税（销项税额）
};

struct AccountReading {
    std::vector<AccountPath> paths;  // one, or the alternatives
    std::string fault;               // why the text cannot be read; empty when it can
};

// An entry line of a window, read from its caption.
struct EntryCaption {
    bool debit = true;
    std::string text;  // the account text: the caption without its side
    AccountReading account;
};

// The entry line a caption prints, or none for a figure (a caption without a
// side word at its end). A caption whose side is not the last bracket alone
// (（公司贷）, (借), （进）) is an entry line with a fault.
std::optional<EntryCaption> readEntryCaption(std::string_view caption);

// Where an account text is checked: the entries of the general standard,
// printed after its label, may name that standard's accounts; a small-scale
// taxpayer's VAT line names no column.
struct Resolving {
    bool generalStandard = false;
    bool vatWithoutColumn = false;
};

// Why the chart has no such account, or empty when it has: a first level not
// in the chart, a second level not in its account's closed list, 应交税费
// without its second level, a column not among 应交增值税's.
std::string unresolved(const AccountPath& path, const Resolving& where = {});
// The same for every path of a reading, and its fault.
std::string unresolved(const AccountReading& reading, const Resolving& where = {});
bool resolves(std::string_view accountText, const Resolving& where = {});

// The account's code where the text names one account of the chart (an older
// spelling read as its name): 1122 for 应收账款-公司全称; empty otherwise.
std::string_view accountCode(std::string_view accountText);

// An item of an entry in a key's text.
struct RuleItem {
    std::string item;   // as written, notes included
    bool debit = true;  // which side word it stands after
    AccountReading account;
    bool generalStandard = false;  // after the general standard's label line
};

// Every item of every entry line of a key's printed lines, in order.
std::vector<RuleItem> ruleEntryItems(std::span<const std::string> lines);

}  // namespace bk::calc
