#include "calc/vouchers.h"

#include "calc/account_text.h"
#include "calc/general_standard.h"
#include "window/ui_texts.h"

#include "num/capital_amount.h"
#include "num/number_text.h"

namespace bk::calc {

std::optional<bool> entrySide(std::string_view caption)
{
    static const std::pair<std::string_view, bool> sides[] = {{"借）", true},  {"借)", true},  {"（进）", true},
                                                              {"贷）", false}, {"贷)", false}, {"（销）", false}};
    for (const auto& [mark, debit] : sides)
        if (caption.ends_with(mark)) return debit;
    return std::nullopt;
}

std::string entryAccount(std::string_view caption)
{
    for (std::string_view whole : {"（借）", "（贷）", "(借)", "(贷)"})
        if (caption.ends_with(whole)) return std::string(caption.substr(0, caption.size() - whole.size()));
    for (std::string_view side : {"借）", "贷）", "借)", "贷)"}) {
        if (!caption.ends_with(side)) continue;
        // The side word closes a longer bracket: keep the bracket.
        const size_t word = caption.size() - side.size();
        return std::string(caption.substr(0, word)) + std::string(side.substr(3));
    }
    return std::string(caption);
}

bool Voucher::balanced() const { return atMostApart(debits, credits, slack + leftOut); }

namespace {

// The accounts a caption names: the alternatives of a caption that reads as
// several paths, otherwise its account text alone.
std::vector<std::string> namedAccounts(std::string_view caption)
{
    const std::optional<EntryCaption> read = readEntryCaption(caption);
    if (!read || !read->account.fault.empty() || read->account.paths.size() < 2) return {entryAccount(caption)};
    std::vector<std::string> accounts;
    for (const AccountPath& path : read->account.paths) accounts.push_back(path.text());
    return accounts;
}

}  // namespace

void chooseAccount(EntryLine& line, size_t choice)
{
    if (choice >= line.accounts.size()) return;
    line.account = line.accounts[choice];
    line.code = accountCode(line.account);
}

void chooseAccounts(std::vector<Voucher>& vouchers, const AccountChoices& choices)
{
    for (size_t k = 0; k < vouchers.size() && k < choices.size(); ++k)
        for (size_t i = 0; i < vouchers[k].lines.size() && i < choices[k].size(); ++i)
            chooseAccount(vouchers[k].lines[i], choices[k][i]);
}

std::vector<Voucher> readVouchers(const std::vector<std::vector<std::string>>& rows, std::string_view summary)
{
    std::vector<Voucher> vouchers;
    std::string heading;
    bool open = false;  // the next line with a side belongs to the last entry
    bool general = false;
    std::string opening;  // the first caption of the entry to come
    Num leftOut;          // the amounts of its lines left out so far
    for (const auto& row : rows) {
        if (row.size() < 2) {  // a heading or a blank line
            const bool label = !row.empty() && generalStandardText(row[0]);
            general = general || (!row.empty() && row[0] == kGeneralStandardLabel);
            heading = row.empty() || label ? "" : row[0];
            open = false;
            opening.clear();
            leftOut = 0;
            continue;
        }
        const std::optional<bool> debit = entrySide(row[0]);
        if (!debit || row[1].empty()) continue;  // a figure, or a caption printed alone
        EntryLine line{row[0], namedAccounts(row[0]), {}, {}, *debit, {}, row[1]};
        chooseAccount(line, 0);
        try {
            line.amount = readNumber(row[1]);
        } catch (const ArithmeticFault&) {
            continue;
        }
        if (opening.empty()) opening = row[0];
        if (fenAmount(line.amount, false) == "0.00") {  // nothing to post: under half a fen
            const Num size = line.amount.sign() < 0 ? -line.amount : line.amount;
            if (open)
                vouchers.back().leftOut = vouchers.back().leftOut + size;
            else
                leftOut = leftOut + size;
            continue;
        }
        Voucher fresh;
        if (!open) {
            fresh.heading = heading;
            fresh.opening = opening;
            fresh.leftOut = leftOut;
            fresh.summary = heading.empty() ? std::string(summary) : heading;
            fresh.generalStandard = general;
            if (general) fresh.summary += kGeneralStandardMark;
        }
        Voucher& v = open ? vouchers.back() : fresh;
        Num total;
        Num allowed;
        try {
            total = (*debit ? v.debits : v.credits) + line.amount;
            allowed = addPrintSlack(v.slack, line.amount);
        } catch (const ArithmeticFault&) {
            continue;  // past the range of amounts: no line of a voucher
        }
        (*debit ? v.debits : v.credits) = total;
        v.slack = allowed;
        v.lines.push_back(std::move(line));
        if (!open) vouchers.push_back(std::move(fresh));
        open = true;
    }
    return vouchers;
}

std::vector<std::vector<std::string>> voucherRows(const std::vector<Voucher>& vouchers, const VoucherSheet& sheet)
{
    namespace t = ui_texts;
    auto text = [](std::string_view s) { return std::string(s); };
    std::vector<std::vector<std::string>> rows{{text(t::kVoucherNumber), text(t::kDate), text(t::kAttachmentCount),
                                                text(t::kSummary), text(t::kAccount), text(t::kDebitAmount),
                                                text(t::kCreditAmount)}};
    for (size_t k = 0; k < vouchers.size(); ++k) {
        const Voucher& v = vouchers[k];
        const std::string number = std::to_string(k + 1);
        for (const EntryLine& l : v.lines) {
            const std::string amount = fenAmount(l.amount, false);
            rows.push_back({number, sheet.date, sheet.attachments, v.summary, shownAccount(l), l.debit ? amount : "",
                            l.debit ? "" : amount});
        }
        std::string capital = text(t::kCapitalAmount) + "：" + voucherCapital(v.debits);
        rows.push_back({number, sheet.date, sheet.attachments, text(t::kTotal), std::move(capital),
                        fenAmount(v.debits, false), fenAmount(v.credits, false)});
        if (!v.balanced())
            rows.push_back({number, sheet.date, sheet.attachments, text(t::kUnbalanced), "",
                            fenAmount(v.difference(), false), ""});
    }
    return rows;
}

std::string shownAccount(const EntryLine& line)
{
    return line.code.empty() ? line.account : std::string(line.code) + " " + line.account;
}

std::string shownAccount(std::string_view account)
{
    const std::string_view code = accountCode(account);
    return code.empty() ? std::string(account) : std::string(code) + " " + std::string(account);
}

std::string voucherCapital(const Num& amount)
{
    return capitalAmount(amount).value_or(std::string(kCapitalOutOfRange));
}

std::string bareNumber(const Num& amount)
{
    std::string text = formatNumber(amount);
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string::npos) return text;
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

}  // namespace bk::calc
