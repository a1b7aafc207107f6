// The keys of the main window by subject, for a bookkeeper who does not know
// the exact key: the subjects in menu order, each with its keys in the order
// of the rule table. The empty key (which clears the main window) is not a
// key one browses for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bk::lookup {

// The subjects, in menu order. A key's first row in the rule table names its
// subject.
enum SubjectId {
    kNoSubject = -1,   // the empty key, and later rows of a key
    kBalanceSheet,     // 资产负债表项目
    kIncomeStatement,  // 利润表项目
    kCash,             // 货币资金
    kMaterials,        // 材料采购与领用
    kInventory,        // 存货计价与清查
    kFixedAssets,      // 固定资产与在建工程
    kIntangibles,      // 无形资产与研发
    kPayroll,          // 职工薪酬
    kTaxes,            // 税费
    kSales,            // 销售与收入
    kPurchases,        // 采购与往来
    kLoansNotes,       // 借款与票据
    kInvestments,      // 投资
    kEquity,           // 所有者权益与利润分配
    kCostsExpenses,    // 成本与费用
    kClosing,          // 期末结转
    kSubjectCount
};

// One entry of a subject's menu: a key, or several keys that do exactly the
// same (print the same lines, open the same windows), shown once as
// "产品毁损（产品毁坏、产品损坏）". Choosing it puts its first key in the box.
struct BrowseItem {
    std::string label;
    std::vector<std::string_view> keys;  // the key chosen first, then the others in table order
    bool opensWindow = false;            // its keys open a calculator window
    bool generalStandard = false;        // its keys are of the general standard (generalStandardKey)
};

// What the menu shows for an item: its label, and after it "…" where the
// key opens a calculator, as a menu marks an entry that opens a window, and
// 【企业会计准则】 where its keys are of the general standard.
std::string menuLabel(const BrowseItem& item);

struct Subject {
    std::string_view name;
    std::vector<std::string_view> keys;  // every key of the subject, in table order
    std::vector<BrowseItem> items;       // the menu: keys that do the same merged into one item
};

const std::vector<Subject>& browseSubjects();

}  // namespace bk::lookup
