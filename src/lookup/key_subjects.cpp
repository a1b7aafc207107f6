// The subject of every key, for browsing the keys from the main window.
//
// Each key of the rule table stands in exactly one subject, in the order in
// which the keys first appear in the table; the browse menu lists the
// subjects in the order below and, within each, its keys in table order.
// The empty key (which clears the main window) is not a key one browses for.
#include "lookup/subjects.h"

#include <algorithm>
#include <array>
#include <string>

#include "lookup/lookup_table.h"

namespace bk::lookup {

namespace {

enum SubjectId {
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

constexpr std::array<std::string_view, kSubjectCount> kNames = {
    "资产负债表项目", "利润表项目",           "货币资金",       "材料采购与领用",
    "存货计价与清查", "固定资产与在建工程",   "无形资产与研发", "职工薪酬",
    "税费",           "销售与收入",           "采购与往来",     "借款与票据",
    "投资",           "所有者权益与利润分配", "成本与费用",     "期末结转",
};

struct KeySubject {
    std::string_view key;
    SubjectId subject;
};

// clang-format off
const KeySubject kKeySubjects[] = {
    {"短期投资", kBalanceSheet},
    {"应收票据", kBalanceSheet},
    {"应收账款", kBalanceSheet},
    {"预付账款", kBalanceSheet},
    {"其他应收款", kBalanceSheet},
    {"存货", kBalanceSheet},
    {"待摊费用款", kBalanceSheet},
    {"长期股权投资", kBalanceSheet},
    {"长期债权投资", kBalanceSheet},
    {"固定资产原价", kBalanceSheet},
    {"累计折旧", kBalanceSheet},
    {"工程物资", kBalanceSheet},
    {"固定资产清理", kBalanceSheet},
    {"无形资产", kBalanceSheet},
    {"长期待摊费用", kBalanceSheet},
    {"其他长期资产", kBalanceSheet},
    {"短期借款", kBalanceSheet},
    {"应付票据", kBalanceSheet},
    {"应付账款", kBalanceSheet},
    {"应付工资", kBalanceSheet},
    {"应付福利费", kBalanceSheet},
    {"应付利润", kBalanceSheet},
    {"应交税金", kBalanceSheet},
    {"其他应交款", kBalanceSheet},
    {"其他应付款", kBalanceSheet},
    {"预提费用", kBalanceSheet},
    {"其他流动负债", kBalanceSheet},
    {"长期借款", kBalanceSheet},
    {"长期应付款", kBalanceSheet},
    {"预收账款", kBalanceSheet},
    {"资本公积", kBalanceSheet},
    {"盈余公积", kBalanceSheet},
    {"法定公益金", kBalanceSheet},
    {"未分配利润", kBalanceSheet},
    {"实收资本", kBalanceSheet},
    {"应付职工薪酬", kBalanceSheet},
    {"主营业务利润", kIncomeStatement},
    {"营业利润", kIncomeStatement},
    {"利润总额", kIncomeStatement},
    {"投资净收益", kIncomeStatement},
    {"营业外收支净额", kIncomeStatement},
    {"本年利润（贷）", kIncomeStatement},
    {"本年利润（借）", kIncomeStatement},
    {"所得税（借）", kIncomeStatement},
    {"所得税（贷）", kIncomeStatement},
    {"净利润", kIncomeStatement},
    {"应付股利", kBalanceSheet},
    {"开立备用金", kCash},
    {"备用金增加", kCash},
    {"备用金减少", kCash},
    {"银行存款损失", kCash},
    {"收入银行存款", kCash},
    {"银行短期借款", kLoansNotes},
    {"收到销售支票", kSales},
    {"收到转账支票", kPurchases},
    {"收到子公司利润", kInvestments},
    {"发放工资（简）", kPayroll},
    {"采购材料", kMaterials},
    {"偿还债务", kPurchases},
    {"外埠汇款", kCash},
    {"外埠采购原材料", kCash},
    {"外埠存款转回银行", kCash},
    {"银行汇票存款", kCash},
    {"银行汇票采购原材料", kCash},
    {"银行汇票转销", kCash},
    {"银行本票存款", kCash},
    {"银行本票购买原材料", kCash},
    {"销售原材料", kMaterials},
    {"结转销售原材料", kMaterials},
    {"购买原材料", kMaterials},
    {"购买原材料（未付）", kMaterials},
    {"购买原材料（未入库）", kMaterials},
    {"购买原材料（已入库）", kMaterials},
    {"购买原材料（预付未入库）", kMaterials},
    {"购买原材料（预付已入库）", kMaterials},
    {"购买原材料（计划）", kMaterials},
    {"结转原材料（计划）", kMaterials},
    {"结转材料采购（计划）", kMaterials},
    {"原材料入库（计划）", kMaterials},
    {"结转成本（计划）", kMaterials},
    {"预付购买", kMaterials},
    {"预付购买原材料", kMaterials},
    {"银行存款结清余款", kMaterials},
    {"发出原材料", kMaterials},
    {"计算工资", kPayroll},
    {"提取福利费", kPayroll},
    {"支付福利费", kPayroll},
    {"提取工会经费", kPayroll},
    {"提取职工教育经费", kPayroll},
    {"收取存入保证金", kPurchases},
    {"应付租金", kCostsExpenses},
    {"企业住房公积金", kPayroll},
    {"个人住房公积金", kPayroll},
    {"上交住房公积金", kPayroll},
    {"购买物资", kPurchases},
    {"采购商品", kPurchases},
    {"购买货物", kPurchases},
    {"销售货物", kSales},
    {"销售产品税", kTaxes},
    {"进口物资", kPurchases},
    {"进口货物", kPurchases},
    {"进口产品", kPurchases},
    {"进口商品", kPurchases},
    {"代理出口", kSales},
    {"收到退税", kTaxes},
    {"其他业务收入税", kTaxes},
    {"出售无形资产税", kTaxes},
    {"销售不动产品税", kTaxes},
    {"支出企业所得税", kTaxes},
    {"支出个人所得税", kTaxes},
    {"销售应税产品", kTaxes},
    {"自产自用应税产品", kTaxes},
    {"支出城建税", kTaxes},
    {"支出耕地占用税", kTaxes},
    {"支出印花税", kTaxes},
    {"取得借款", kLoansNotes},
    {"支出利息", kLoansNotes},
    {"汇款损失", kCash},
    {"兑换损失", kLoansNotes},
    {"还本付息", kLoansNotes},
    {"引进设备", kFixedAssets},
    {"计提固定资产减值准备", kFixedAssets},
    {"盘盈固定资产", kFixedAssets},
    {"结转盘盈", kFixedAssets},
    {"盘亏固定资产", kFixedAssets},
    {"转出盘亏税额", kFixedAssets},
    {"结转盘亏", kFixedAssets},
    {"确认固定资产保险赔款", kFixedAssets},
    {"收到固定资产保险赔款", kFixedAssets},
    {"残料入库", kFixedAssets},
    {"计提累计折旧", kFixedAssets},
    {"转入清理固定资产", kFixedAssets},
    {"收到出售固定资产款项", kFixedAssets},
    {"支付固定资产清理", kFixedAssets},
    {"固定资产折旧", kFixedAssets},
    {"计算在建工程", kFixedAssets},
    {"出售固定资产", kFixedAssets},
    {"购买设备", kFixedAssets},
    {"安装设备", kFixedAssets},
    {"支付安装费用", kFixedAssets},
    {"投资者投入", kEquity},
    {"购买固定资产", kFixedAssets},
    {"安装固定资产", kFixedAssets},
    {"固定资产安装完毕", kFixedAssets},
    {"设备安装完毕", kFixedAssets},
    {"购买设备（小规模纳税人）", kFixedAssets},
    {"安装设备（小规模纳税人）", kFixedAssets},
    {"维修设备", kFixedAssets},
    {"确认设备剩余价值", kFixedAssets},
    {"确认固定资产剩余价值", kFixedAssets},
    {"结转本年利润", kClosing},
    {"弥补亏损", kEquity},
    {"本年利润弥补亏损", kEquity},
    {"计算消费税", kTaxes},
    {"在建工程消费税", kTaxes},
    {"自用产品补贴", kPayroll},
    {"支付费用", kCostsExpenses},
    {"销售商品", kSales},
    {"销售产品", kSales},
    {"结转销售成本", kClosing},
    {"销售收入", kSales},
    {"计提消费税", kTaxes},
    {"购买商品", kPurchases},
    {"购买产品", kPurchases},
    {"购买商品（分步）", kPurchases},
    {"打折销售", kSales},
    {"折扣销售", kSales},
    {"折价销售", kSales},
    {"商业折扣", kSales},
    {"现金折扣", kSales},
    {"打折购买", kPurchases},
    {"折价购买", kPurchases},
    {"折扣购买", kPurchases},
    {"销售退回", kSales},
    {"委托加工物资", kMaterials},
    {"委托加工物资（销售）", kMaterials},
    {"计提资源税", kTaxes},
    {"计提资源税（自用）", kTaxes},
    {"交纳资源税", kTaxes},
    {"计提城建税", kTaxes},
    {"交纳城建税", kTaxes},
    {"计提教育费附加", kTaxes},
    {"交纳教育费附加", kTaxes},
    {"计提土地增值税", kTaxes},
    {"交纳土地增值税", kTaxes},
    {"计提其他税费", kTaxes},
    {"交纳其他税费", kTaxes},
    {"计提个税", kTaxes},
    {"交纳个税", kTaxes},
    {"出口货物", kSales},
    {"出口商品", kSales},
    {"出口产品", kSales},
    {"出口退税", kTaxes},
    {"银行汇票转退款", kCash},
    {"银行本票转退款", kCash},
    {"银行存款转汇票", kCash},
    {"银行存款本票", kCash},
    {"购买办公用品", kCostsExpenses},
    {"信用卡存款", kCash},
    {"信用卡支付", kCash},
    {"投资公司", kInvestments},
    {"发行股票", kEquity},
    {"收到汇款", kPurchases},
    {"外币账户转一般户", kCash},
    {"应收账款损失", kPurchases},
    {"加工收入", kSales},
    {"长期股权投资原材料", kInvestments},
    {"对外捐赠", kCostsExpenses},
    {"赊销商品", kSales},
    {"赊销产品", kSales},
    {"收回账款", kPurchases},
    {"赊购商品", kPurchases},
    {"赊购产品", kPurchases},
    {"进货", kMaterials},
    {"收取运费", kSales},
    {"发出商品", kSales},
    {"发货", kSales},
    {"领用工具", kMaterials},
    {"领用工具（差异）", kMaterials},
    {"运输收入", kSales},
    {"卖废品", kSales},
    {"出租", kSales},
    {"出售无形资产", kIntangibles},
    {"销售不动产品", kFixedAssets},
    {"发出物资（计划）", kMaterials},
    {"支付加工费", kMaterials},
    {"支付运费", kMaterials},
    {"物资入库（计划）", kMaterials},
    {"领用物资", kFixedAssets},
    {"领用库存", kFixedAssets},
    {"分配工程人员薪酬", kFixedAssets},
    {"支付工程费用", kFixedAssets},
    {"转入固定资产成本", kFixedAssets},
    {"出包工程", kFixedAssets},
    {"补付工程款", kFixedAssets},
    {"工程完工", kFixedAssets},
    {"发放工资", kPayroll},
    {"缴纳社保（个人）", kPayroll},
    {"缴纳社保（公司）", kPayroll},
    {"个税扣款", kPayroll},
    {"计提工资", kPayroll},
    {"摊销生产材料", kMaterials},
    {"摊销薪酬", kPayroll},
    {"摊销支出", kCostsExpenses},
    {"摊销成本", kIntangibles},
    {"转销无形资产", kIntangibles},
    {"计提无形资产减值", kIntangibles},
    {"原材料毁损", kInventory},
    {"存货跌价", kInventory},
    {"存货涨价", kInventory},
    {"存货清查", kInventory},
    {"现金溢余", kCash},
    {"现金多余", kCash},
    {"收到投资设备", kEquity},
    {"收到投资原材料", kEquity},
    {"收到投资技术", kEquity},
    {"收到投资土地", kEquity},
    {"收到投资", kEquity},
    {"投资转资本", kEquity},
    {"盈余公积转资本", kEquity},
    {"提取法定盈余公积", kEquity},
    {"盈余公积弥亏", kEquity},
    {"盈余公积转增资本", kEquity},
    {"发放现金股利", kEquity},
    {"支付股利", kEquity},
    {"现金短缺", kCash},
    {"取得股票", kInvestments},
    {"购买股票", kInvestments},
    {"取得债券", kInvestments},
    {"购买债券", kInvestments},
    {"支付交易费用", kInvestments},
    {"股价变动", kInvestments},
    {"债券价值变动", kInvestments},
    {"债券价格变动", kInvestments},
    {"获得股利", kInvestments},
    {"获得利息", kInvestments},
    {"获得债券利息", kInvestments},
    {"收获股利", kInvestments},
    {"收获利息", kInvestments},
    {"收获债券利息", kInvestments},
    {"出售股票", kInvestments},
    {"出售债券", kInvestments},
    {"借入短期借款", kLoansNotes},
    {"计提借款利息", kLoansNotes},
    {"支付借款利息", kLoansNotes},
    {"归还借款利息", kLoansNotes},
    {"票据购买原材料", kLoansNotes},
    {"销售收入（详）", kSales},
    {"代垫运费", kPurchases},
    {"支付手续费", kCostsExpenses},
    {"支付票据", kLoansNotes},
    {"转销票据", kLoansNotes},
    {"支付电费", kCostsExpenses},
    {"分配电费", kCostsExpenses},
    {"转销应付账款", kPurchases},
    {"收到预付账款", kPurchases},
    {"确认预付账款", kSales},
    {"分配股利", kEquity},
    {"计提租金", kCostsExpenses},
    {"支付租金", kCostsExpenses},
    {"上交社保", kPayroll},
    {"上交个税", kTaxes},
    {"计提社保", kPayroll},
    {"发放社保工资", kPayroll},
    {"增值税转账", kTaxes},
    {"购买包装", kMaterials},
    {"销售包装", kSales},
    {"公司垫付", kPurchases},
    {"保险赔偿", kPurchases},
    {"支付押金", kPurchases},
    {"公允价值变动", kInvestments},
    {"股票增值税", kTaxes},
    {"债券增值税", kTaxes},
    {"购入非专利技术", kIntangibles},
    {"研发支出", kIntangibles},
    {"结转研发支出", kIntangibles},
    {"确认研发支出", kIntangibles},
    {"完成研发", kIntangibles},
    {"结转制造费用", kClosing},
    {"结转收入", kClosing},
    {"结转费用", kClosing},
    {"结转本年净利润", kClosing},
    {"结转入库材料", kMaterials},
    {"结转产品销售成本", kClosing},
    {"结转库存商品", kClosing},
    {"结转材料销售成本", kClosing},
    {"结转所得税", kClosing},
    {"结转利润分配", kClosing},
    {"结转生产成本", kClosing},
    {"结转在建工程", kFixedAssets},
    {"结转资本公积", kEquity},
    {"结转到期票据", kLoansNotes},
    {"结转存货跌价准备", kInventory},
    {"结转逾期工资", kPayroll},
    {"结转出售固定资产", kFixedAssets},
    {"结转报废固定资产", kFixedAssets},
    {"货币资金", kBalanceSheet},
    {"营运资本", kBalanceSheet},
    {"坏账准备", kPurchases},
    {"生产成本计算", kInventory},
    {"原材料", kMaterials},
    {"材料成本差异率", kMaterials},
    {"材料成本差异", kMaterials},
    {"实际成本", kMaterials},
    {"销售成本", kInventory},
    {"本期销售成本", kInventory},
    {"本月销售成本", kInventory},
    {"本年销售成本", kInventory},
    {"销售毛利", kInventory},
    {"期末商品成本", kInventory},
    {"月末商品成本", kInventory},
    {"年末商品成本", kInventory},
    {"商品进销差价率", kInventory},
    {"分摊的进销差价", kInventory},
    {"本期销售实际成本", kInventory},
    {"本期实际销售成本", kInventory},
    {"期末结存实际成本", kInventory},
    {"期末实际结存成本", kInventory},
    {"存货跌价准备", kInventory},
    {"累计折旧计算", kFixedAssets},
    {"累计折旧总额", kFixedAssets},
    {"累计折旧余额", kFixedAssets},
    {"固定资产减值准备", kFixedAssets},
    {"累计摊销", kIntangibles},
    {"固定资产", kFixedAssets},
    {"营业利润计算", kIncomeStatement},
    {"所得税费用（总）", kTaxes},
    {"社保", kPayroll},
    {"应付职工薪酬（总）", kPayroll},
    {"应交增值税", kTaxes},
    {"股本溢价", kEquity},
    {"回购股票", kEquity},
    {"回购股份", kEquity},
    {"注销股份", kEquity},
    {"回购股本", kEquity},
    {"收入投资", kEquity},
    {"收入股款", kEquity},
    {"新增资本公积", kEquity},
    {"本年利润", kClosing},
    {"代销商品", kSales},
    {"退货", kSales},
    {"销售其他", kSales},
    {"劳务收入", kSales},
    {"会员费收入", kSales},
    {"合同收入", kSales},
    {"合同履约", kSales},
    {"摊销其他业务成本", kCostsExpenses},
    {"税金及附加", kTaxes},
    {"其他费用", kCostsExpenses},
    {"管理费用", kCostsExpenses},
    {"盘盈", kInventory},
    {"盘亏", kInventory},
    {"专利费", kIntangibles},
    {"建造固定资产", kFixedAssets},
    {"无形资产报废", kIntangibles},
    {"支付滞纳金", kCostsExpenses},
    {"结转营业外支出", kClosing},
    {"所得税费用", kTaxes},
    {"应交所得税", kTaxes},
    {"应纳税额", kTaxes},
    {"利息收入", kInvestments},
    {"保险收入", kPurchases},
    {"垫付医疗费", kPurchases},
    {"押金", kPurchases},
    {"发放股利", kEquity},
    {"应收股利", kInvestments},
    {"债价变动", kInvestments},
    {"股票", kInvestments},
    {"债券", kInvestments},
    {"固定资产损失", kFixedAssets},
    {"发工资", kPayroll},
    {"备用金", kCash},
    {"提取现金", kCash},
    {"投资分公司", kInvestments},
    {"外埠采购", kCash},
    {"本票", kCash},
    {"汇票", kCash},
    {"票据贴现", kLoansNotes},
    {"逾期贷款", kLoansNotes},
    {"票据存取贴现", kLoansNotes},
    {"自产原材料", kMaterials},
    {"领用原材料", kMaterials},
    {"加工", kMaterials},
    {"产品毁坏", kInventory},
    {"产品损坏", kInventory},
    {"产品毁损", kInventory},
    {"信用卡", kCash},
    {"信用证", kCash},
    {"制造费用", kCostsExpenses},
    {"财务费用", kCostsExpenses},
    {"销售费用", kCostsExpenses},
    {"生产成本", kCostsExpenses},
    {"原材料盘亏", kInventory},
    {"包装", kMaterials},
};
// clang-format on

// Where several keys of a subject do the same, the menu names the item by
// the word the accounting rules use, else by the first key in table order.
constexpr std::string_view kPreferredKeys[] = {"产品毁损", "回购股份", "盈余公积转增资本"};

// What a key does: every action of every rule it matches, in table order.
std::string effectOf(std::string_view key)
{
    std::string effect;
    for (const LookupRule* rule : LookupTable::instance().match(key)) {
        for (const RuleAction& a : rule->actions) {
            effect += static_cast<char>('0' + static_cast<int>(a.kind));
            effect += a.kind == RuleAction::Kind::OpenWindow ? std::to_string(a.window) : std::string(a.text);
            effect += '\0';
        }
    }
    return effect;
}

std::vector<BrowseItem> mergedItems(const std::vector<std::string_view>& keys)
{
    std::vector<BrowseItem> items;
    std::vector<std::string> effects;
    for (std::string_view key : keys) {
        std::string effect = effectOf(key);
        auto same = std::find(effects.begin(), effects.end(), effect);
        if (same == effects.end()) {
            items.push_back({{}, {key}});
            effects.push_back(std::move(effect));
        } else {
            items[static_cast<size_t>(same - effects.begin())].keys.push_back(key);
        }
    }
    for (BrowseItem& item : items) {
        auto preferred = std::find_if(item.keys.begin(), item.keys.end(), [](std::string_view k) {
            return std::find(std::begin(kPreferredKeys), std::end(kPreferredKeys), k) != std::end(kPreferredKeys);
        });
        if (preferred != item.keys.end()) std::rotate(item.keys.begin(), preferred, preferred + 1);
        item.label = item.keys.front();
        for (size_t i = 1; i < item.keys.size(); ++i) {
            item.label += i == 1 ? "（" : "、";
            item.label += item.keys[i];
        }
        if (item.keys.size() > 1) item.label += "）";
    }
    return items;
}

}  // namespace

const std::vector<Subject>& browseSubjects()
{
    static const std::vector<Subject> tree = [] {
        std::vector<Subject> subjects;
        for (std::string_view name : kNames) subjects.push_back({name, {}, {}});
        for (const KeySubject& k : kKeySubjects) subjects[static_cast<size_t>(k.subject)].keys.push_back(k.key);
        for (Subject& subject : subjects) subject.items = mergedItems(subject.keys);
        return subjects;
    }();
    return tree;
}

}  // namespace bk::lookup
