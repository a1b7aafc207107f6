#include "calc/vouchers.h"

#include <cstdlib>

#include "window/ui_texts.h"

#include "num/capital_amount.h"
#include "num/number_text.h"
#include "num/rational.h"

namespace bk::calc {

namespace {

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Half a unit of the last of the 15 digits an amount is printed with: the
// true amount may be that far from the printed one.
Rational printSlack(const Num& printed)
{
    if (printed.sign() == 0) return 0;
    const long last = roundToDigits(exact(printed), 15).exponent - 14;
    const Integer unit = boost::multiprecision::pow(Integer(10), static_cast<unsigned>(std::labs(last)));
    return last < 0 ? Rational(Integer(5), unit * 10) : Rational(5 * unit, Integer(10));
}

}  // namespace

std::optional<bool> entrySide(std::string_view caption)
{
    static const std::pair<std::string_view, bool> sides[] = {{"借）", true},  {"借)", true},  {"（进）", true},
                                                              {"贷）", false}, {"贷)", false}, {"（销）", false}};
    for (const auto& [mark, debit] : sides)
        if (endsWith(caption, mark)) return debit;
    return std::nullopt;
}

std::string entryAccount(std::string_view caption)
{
    for (std::string_view whole : {"（借）", "（贷）", "(借)", "(贷)"})
        if (endsWith(caption, whole)) return std::string(caption.substr(0, caption.size() - whole.size()));
    for (std::string_view side : {"借）", "贷）", "借)", "贷)"}) {
        if (!endsWith(caption, side)) continue;
        // The side word closes a longer bracket: keep the bracket.
        const size_t word = caption.size() - side.size();
        return std::string(caption.substr(0, word)) + std::string(side.substr(3));
    }
    return std::string(caption);
}

bool Voucher::balanced() const
{
    const Rational gap = abs(exact(debits) - exact(credits));
    return gap <= exact(slack);
}

std::vector<Voucher> readVouchers(const std::vector<std::vector<std::string>>& rows, std::string_view summary)
{
    std::vector<Voucher> vouchers;
    std::string heading;
    bool open = false;  // the next line with a side belongs to the last entry
    for (const auto& row : rows) {
        if (row.size() < 2) {  // a heading or a blank line
            heading = row.empty() ? "" : row[0];
            open = false;
            continue;
        }
        const std::optional<bool> debit = entrySide(row[0]);
        if (!debit || row[1].empty()) continue;  // a figure, or a caption printed alone
        EntryLine line{row[0], entryAccount(row[0]), *debit, {}, row[1]};
        Rational slack;
        try {
            line.amount = readNumber(row[1]);
            slack = printSlack(line.amount);
        } catch (const ArithmeticFault&) {
            continue;
        }
        Voucher fresh;
        if (!open) {
            fresh.heading = heading;
            fresh.summary = heading.empty() ? std::string(summary) : heading;
        }
        Voucher& v = open ? vouchers.back() : fresh;
        Num total;
        Num allowed;
        try {
            total = (*debit ? v.debits : v.credits) + line.amount;
            allowed = exactly(exact(v.slack) + slack);
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

std::string voucherAmount(const Num& amount, bool grouped)
{
    const Rational v = exact(amount);
    const bool negative = v < 0;
    // Hundredths, half away from zero.
    const Rational scaled = abs(v) * 100;
    Integer fen = numerator(scaled) / denominator(scaled);
    if ((numerator(scaled) % denominator(scaled)) * 2 >= denominator(scaled)) ++fen;
    std::string digits = fen.str();
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::string cents = digits.substr(digits.size() - 2);
    const std::string whole = digits.substr(0, digits.size() - 2);
    std::string text;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0) text += ',';
        text += whole[i];
    }
    return (negative && fen != 0 ? "-" : "") + text + "." + cents;
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
            const std::string amount = voucherAmount(l.amount, false);
            rows.push_back({number, sheet.date, sheet.attachments, v.summary, l.account, l.debit ? amount : "",
                            l.debit ? "" : amount});
        }
        std::string capital = text(t::kCapitalAmount) + "：" + voucherCapital(v.debits);
        rows.push_back({number, sheet.date, sheet.attachments, text(t::kTotal), std::move(capital),
                        voucherAmount(v.debits, false), voucherAmount(v.credits, false)});
        if (!v.balanced())
            rows.push_back({number, sheet.date, sheet.attachments, text(t::kUnbalanced), "",
                            voucherAmount(v.difference(), false), ""});
    }
    return rows;
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
