// The journal entries of a print area, read as a bookkeeper reads them, for
// the voucher view, its print and its CSV.
//
// A text line or a blank line starts a new entry; a text line is the heading
// (摘要) of the entries under it until the next blank line, except the label
// of the general standard's entries and its notes, which head none: the
// entries after the label are that standard's. A result line
// whose caption ends in （借） or (借) is a debit, in （贷） or (贷) a credit;
// the side word may close a longer bracket (养老保险（公司贷）, the company's
// share, credited). Input VAT is booked on the debit side of 应交增值税 and
// output VAT on its credit side, so a caption ending in （进） is a debit and
// one in （销） a credit. A result line without a side is a figure, no part of
// an entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "num/arith.h"

namespace bk::calc {

// Whether a caption's amount is a debit (true) or a credit (false); none for
// a figure.
std::optional<bool> entrySide(std::string_view caption);

// The account a caption names, without the side word: 应收账款（借） is
// 应收账款, 养老保险（公司贷） is 养老保险（公司）; 应交税费-应交增值税（进）
// keeps its （进）, which names the account's column.
std::string entryAccount(std::string_view caption);

struct EntryLine {
    std::string caption;  // as printed: 应收账款（借）
    // The accounts the caption names, in its order: one, or the alternatives
    // of 应收账款/银行存款（借） that the bookkeeper picks from.
    std::vector<std::string> accounts;
    std::string account;    // 会计科目 chosen, with its sub-account after a "-": the first named until chosen
    std::string_view code;  // the chart's code of its first level: 1122; empty when the chart has none
    bool debit = true;
    Num amount;
    std::string amountText;  // the amount as printed, without the spaces around it
};

struct Voucher {
    std::string heading;  // the text line above the entry; empty when it has none
    std::string summary;  // 摘要: the heading, or the window's name when there is none
    // An entry of the general standard, printed after its label: shown
    // marked, its 摘要 followed by 【企业会计准则】.
    bool generalStandard = false;
    std::vector<EntryLine> lines;
    Num debits;
    Num credits;
    // How far the printed amounts may be from the true ones: amounts print
    // to 15 digits (1/3 as .333333333333333), so an entry whose true amounts
    // balance may print a last digit off.
    Num slack;
    // The amounts of the lines left out as 0.00, each under half a fen (an
    // exact amount): the sides may differ by that much too.
    Num leftOut;
    // The caption of the entry's first printed line, one left out as 0.00
    // included: what names an entry without a heading.
    std::string opening;

    Num difference() const { return debits - credits; }  // 借方合计 − 贷方合计
    bool balanced() const;
};

// The entries of print-area rows as 复制为表格 gives them (a caption and
// its bare amount; a text line alone; a blank line empty). `summary` is the
// 摘要 of an entry with no heading. An amount that cannot be read is taken
// as no amount, and one that shows as 0.00 is no line to post: the line is
// left out, and an entry left with no line is no voucher. Totals are those
// of the lines kept.
std::vector<Voucher> readVouchers(const std::vector<std::vector<std::string>>& rows, std::string_view summary);

// Which of its accounts each line posts to: choices[k][i] for line i of
// voucher k, an index into its `accounts`. A line not given one, or given
// one out of range, keeps the first.
using AccountChoices = std::vector<std::vector<size_t>>;

// Posts the line to its account number `choice` (kept as it is when there
// is no such account), with that account's code.
void chooseAccount(EntryLine& line, size_t choice);
// The same for every line of the vouchers.
void chooseAccounts(std::vector<Voucher>& vouchers, const AccountChoices& choices);

// The account as the voucher view shows it: the chart's code beside the
// name (1122 应收账款-公司全称), the name alone where the chart has no code.
std::string shownAccount(const EntryLine& line);
// The same for an account text: each of a line's alternatives in its drop-down.
std::string shownAccount(std::string_view account);

// What the user fills in on the voucher view.
struct VoucherSheet {
    std::string date;
    std::string attachments;  // 附件 … 张
};

// The vouchers as the rows that 复制为表格 copies and the CSV file holds:
// a header row (凭证号, 日期, 附件张数, 摘要, 会计科目, 借方金额, 贷方金额),
// then for each voucher one row per line, a 合计 row whose 会计科目 cell is
// the debit total in capital figures ("金额大写：壹仟壹佰叁拾元整"), and for
// an entry that does not balance a row with the difference. Amounts have two
// decimals and no thousands separators.
std::vector<std::vector<std::string>> voucherRows(const std::vector<Voucher>& vouchers, const VoucherSheet& sheet);

// The total of a voucher in capital figures (金额大写, capitalAmount), or
// "金额超出范围：最大为999999999999.99" when it is too large to be written so.
std::string voucherCapital(const Num& amount);

// The amount as plain number text, as a result line prints it but without
// the sign space and the trailing space ("1500", "-2.5", ".5").
std::string bareNumber(const Num& amount);

}  // namespace bk::calc
