// The chart of accounts of the small-enterprise standard (小企业会计准则
// 会计科目表): the one table every entry line names its account from.
//
// Sixty-six first-level accounts with their codes; for a few of them the
// second levels are a closed list (应交税费 must name one of its own), and
// 应交税费-应交增值税 keeps its columns (进项税额, 销项税额 …). Every other
// account takes any second and third level (明细: 应收账款-公司全称). Beside
// the chart stand the older spellings printed before, each with the name
// that replaced it, so that a print area kept from then still finds its
// account.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace bk::calc {

enum class AccountCategory { Asset, Liability, Equity, Cost, ProfitAndLoss };

struct Account {
    std::string_view code;  // 1122
    std::string_view name;  // 应收账款
    AccountCategory category;
};

// The first-level accounts in the order of their codes.
std::span<const Account> chartOfAccounts();

// The first-level account of this name, or none.
const Account* findAccount(std::string_view name);

// The second levels an account allows: empty where any is allowed.
std::span<const std::string_view> closedSecondLevels(std::string_view account);

// The columns of 应交税费-应交增值税, debit side first.
std::span<const std::string_view> vatColumns();

// Accounts of the general standard (企业会计准则) that its entries, printed
// after the label line, may name besides the chart: whole names, or a first
// level with the second levels it allows.
bool generalStandardAccount(std::string_view path);

// An older spelling and the chart's name for it, as paths: 应缴税费 is
// 应交税费, 应付职工薪酬-工资 is 应付职工薪酬-职工工资.
struct Renamed {
    std::string_view was;
    std::string_view name;
};
std::span<const Renamed> renamedAccounts();

// The path with an older spelling of its first levels replaced by the
// chart's name; the path itself when it has none.
std::string currentName(std::string_view path);

}  // namespace bk::calc
