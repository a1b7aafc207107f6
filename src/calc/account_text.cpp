#include "calc/account_text.h"

#include <algorithm>

#include "calc/chart.h"
#include "calc/general_standard.h"
#include "calc/vouchers.h"

namespace bk::calc {

namespace {

constexpr std::string_view kOpen = "（";
constexpr std::string_view kClose = "）";
constexpr std::string_view kVat = "应交增值税";

bool contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

std::string_view trimSpaces(std::string_view s)
{
    while (s.starts_with(' ')) s.remove_prefix(1);
    while (s.ends_with(' ')) s.remove_suffix(1);
    return s;
}

// Splits at `sep` outside full-width brackets.
std::vector<std::string_view> splitOutside(std::string_view s, std::string_view sep)
{
    std::vector<std::string_view> parts;
    int depth = 0;
    size_t from = 0;
    for (size_t i = 0; i < s.size();) {
        if (s.substr(i).starts_with(kOpen)) {
            ++depth;
            i += kOpen.size();
        } else if (s.substr(i).starts_with(kClose)) {
            --depth;
            i += kClose.size();
        } else if (depth == 0 && s.substr(i).starts_with(sep)) {
            parts.push_back(s.substr(from, i - from));
            i += sep.size();
            from = i;
        } else {
            ++i;
        }
    }
    parts.push_back(s.substr(from));
    return parts;
}

// One path and the brackets after it. In a caption no bracket but
// 应交增值税's column may follow; in a key's text any note may, and a
// trailing 等 ("管理费用等") is dropped.
std::string readPath(std::string_view text, bool notes, AccountPath& path)
{
    const size_t open = text.find(kOpen);
    std::string_view name = text.substr(0, open);
    std::string_view rest = open == std::string_view::npos ? std::string_view() : text.substr(open);
    if (notes) {
        name = trimSpaces(name);
        if (name.ends_with("等")) name.remove_suffix(std::string_view("等").size());
        if (rest.ends_with("等")) rest.remove_suffix(std::string_view("等").size());
    }
    if (name.empty()) return "缺少科目名称：" + std::string(text);
    std::vector<std::string_view> levels = splitOutside(name, "-");
    if (levels.size() > 3) return "科目级次超过三级：" + std::string(text);
    for (std::string_view level : levels)
        if (level.empty() || contains(level, " ")) return "科目名称不完整：" + std::string(text);
    path.account = std::string(levels[0]);
    if (levels.size() > 1) path.sub = std::string(levels[1]);
    if (levels.size() > 2) path.third = std::string(levels[2]);
    std::vector<std::string> brackets;
    while (!rest.empty()) {
        const size_t close = rest.find(kClose);
        if (!rest.starts_with(kOpen) || close == std::string_view::npos)
            return "科目后有多余文字：" + std::string(text);
        brackets.emplace_back(rest.substr(kOpen.size(), close - kOpen.size()));
        rest.remove_prefix(close + kClose.size());
    }
    const bool vat = path.account == "应交税费" && path.sub == kVat;
    if (vat && !brackets.empty()) path.column = brackets.front();
    if (!notes && brackets.size() > (vat ? 1U : 0U)) return "科目后不能有括号注释：" + std::string(text);
    return {};
}

AccountReading readAccount(std::string_view text, bool notes)
{
    AccountReading r;
    for (std::string_view bad : {"(", ")", "--", "－", ":"})
        if (contains(text, bad)) {
            r.fault = "科目中有半角括号、冒号或错误的连字符：" + std::string(text);
            return r;
        }
    for (std::string_view alternative : splitOutside(text, "/")) {
        AccountPath path;
        r.fault = readPath(alternative, notes, path);
        if (!r.fault.empty()) return r;
        r.paths.push_back(std::move(path));
    }
    return r;
}

bool inList(std::span<const std::string_view> list, std::string_view name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

std::string AccountPath::text() const
{
    std::string s = account;
    if (!sub.empty()) s += "-" + sub;
    if (!third.empty()) s += "-" + third;
    if (!column.empty()) s += std::string(kOpen) + column + std::string(kClose);
    return s;
}

std::optional<EntryCaption> readEntryCaption(std::string_view caption)
{
    // An entry line by the side word the voucher view reads it by.
    const std::optional<bool> debit = entrySide(caption);
    if (!debit) return std::nullopt;
    EntryCaption e;
    e.debit = *debit;
    const std::string_view whole = e.debit ? "（借）" : "（贷）";
    if (!caption.ends_with(whole)) {
        e.text = std::string(caption);
        e.account.fault = "借贷方向须单独写在最后的全角括号中：" + e.text;
        return e;
    }
    e.text = std::string(caption.substr(0, caption.size() - whole.size()));
    e.account = readAccount(e.text, false);
    return e;
}

std::string unresolved(const AccountPath& path, const Resolving& where)
{
    const std::string both = path.account + "-" + path.sub;
    if (where.generalStandard && (generalStandardAccount(path.account) || generalStandardAccount(both))) return {};
    if (!findAccount(path.account)) return "科目表中没有“" + path.account + "”";
    const std::span<const std::string_view> seconds = closedSecondLevels(path.account);
    if (!path.sub.empty() && !seconds.empty() && !inList(seconds, path.sub))
        return "“" + path.account + "”没有明细科目“" + path.sub + "”";
    if (path.account == "应交税费" && path.sub.empty()) return "“应交税费”须写明细科目";
    const bool vat = path.account == "应交税费" && path.sub == kVat;
    if (vat && path.column.empty() && !where.vatWithoutColumn) return "“应交增值税”须写专栏：" + path.text();
    if (vat && !path.column.empty() && !inList(vatColumns(), path.column))
        return "“应交增值税”没有专栏“" + path.column + "”";
    return {};
}

std::string unresolved(const AccountReading& reading, const Resolving& where)
{
    if (!reading.fault.empty()) return reading.fault;
    for (const AccountPath& path : reading.paths) {
        std::string why = unresolved(path, where);
        if (!why.empty()) return why;
    }
    return {};
}

bool resolves(std::string_view accountText, const Resolving& where)
{
    return unresolved(readAccount(accountText, false), where).empty();
}

std::string_view accountCode(std::string_view accountText)
{
    if (contains(accountText, "/")) return {};
    const std::string path =
        currentName(accountText.substr(0, std::min(accountText.find(kOpen), accountText.find('('))));
    const Account* account = findAccount(std::string_view(path).substr(0, path.find('-')));
    return account ? account->code : std::string_view();
}

std::vector<RuleItem> ruleEntryItems(std::span<const std::string> lines)
{
    std::vector<RuleItem> items;
    bool general = false;
    bool afterEntry = false;
    bool debit = true;
    const auto add = [&](std::string_view item, bool side) {
        item = trimSpaces(item);
        if (item.empty()) return;
        items.push_back({std::string(item), side, readAccount(item, true), general});
    };
    const auto addItems = [&](std::string_view text, bool side) {
        size_t from = 0;
        while (from < text.size()) {
            const size_t gap = text.find("  ", from);
            add(text.substr(from, gap - from), side);
            if (gap == std::string_view::npos) break;
            from = text.find_first_not_of(' ', gap);
        }
    };
    for (const std::string& whole : lines) {
        std::string_view line = whole;
        if (line == kGeneralStandardLabel) {
            general = true;
            afterEntry = false;
            continue;
        }
        if (contains(line, "借:") || contains(line, "贷:")) {
            items.push_back({whole, true, {{}, "借贷后须用全角冒号：" + whole}, general});
            afterEntry = true;
            continue;
        }
        const size_t firstSide = std::min(line.find("借："), line.find("贷："));
        if (firstSide != std::string_view::npos) {
            // A continuation goes on with the side before it up to its own side word.
            if (afterEntry && line.starts_with(' ')) addItems(line.substr(0, firstSide), debit);
            size_t at = firstSide;
            while (at != std::string_view::npos) {
                debit = line.substr(at).starts_with("借：");
                const size_t from = at + std::string_view("借：").size();
                const size_t next = std::min(line.find("借：", from), line.find("贷：", from));
                addItems(line.substr(from, next == std::string_view::npos ? std::string_view::npos : next - from),
                         debit);
                at = next;
            }
            afterEntry = true;
            continue;
        }
        if (afterEntry && line.starts_with(' ')) {
            addItems(line, debit);
            continue;
        }
        afterEntry = false;
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos && line.substr(0, equals).ends_with("（借）")) {
            const std::string_view left = line.substr(0, equals);
            add(left.substr(0, left.find(kOpen)), true);
            for (std::string_view term : splitOutside(line.substr(equals + 1), "+"))
                add(term.substr(0, term.find(kOpen)), false);
        }
    }
    return items;
}

}  // namespace bk::calc
