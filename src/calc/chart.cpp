#include "calc/chart.h"

#include <algorithm>

namespace bk::calc {

namespace {

using enum AccountCategory;

// clang-format off
constexpr Account kChart[] = {
    {"1001", "库存现金", Asset}, {"1002", "银行存款", Asset}, {"1012", "其他货币资金", Asset},
    {"1101", "短期投资", Asset}, {"1121", "应收票据", Asset}, {"1122", "应收账款", Asset},
    {"1123", "预付账款", Asset}, {"1131", "应收股利", Asset}, {"1132", "应收利息", Asset},
    {"1221", "其他应收款", Asset}, {"1401", "材料采购", Asset}, {"1402", "在途物资", Asset},
    {"1403", "原材料", Asset}, {"1404", "材料成本差异", Asset}, {"1405", "库存商品", Asset},
    {"1407", "商品进销差价", Asset}, {"1408", "委托加工物资", Asset}, {"1411", "周转材料", Asset},
    {"1421", "消耗性生物资产", Asset}, {"1501", "长期债券投资", Asset}, {"1511", "长期股权投资", Asset},
    {"1601", "固定资产", Asset}, {"1602", "累计折旧", Asset}, {"1604", "在建工程", Asset},
    {"1605", "工程物资", Asset}, {"1606", "固定资产清理", Asset}, {"1621", "生产性生物资产", Asset},
    {"1622", "生产性生物资产累计折旧", Asset}, {"1701", "无形资产", Asset}, {"1702", "累计摊销", Asset},
    {"1801", "长期待摊费用", Asset}, {"1901", "待处理财产损溢", Asset},
    {"2001", "短期借款", Liability}, {"2201", "应付票据", Liability}, {"2202", "应付账款", Liability},
    {"2203", "预收账款", Liability}, {"2211", "应付职工薪酬", Liability}, {"2221", "应交税费", Liability},
    {"2231", "应付利息", Liability}, {"2232", "应付利润", Liability}, {"2241", "其他应付款", Liability},
    {"2401", "递延收益", Liability}, {"2501", "长期借款", Liability}, {"2701", "长期应付款", Liability},
    {"3001", "实收资本", Equity}, {"3002", "资本公积", Equity}, {"3101", "盈余公积", Equity},
    {"3103", "本年利润", Equity}, {"3104", "利润分配", Equity},
    {"4001", "生产成本", Cost}, {"4101", "制造费用", Cost}, {"4301", "研发支出", Cost},
    {"4401", "工程施工", Cost}, {"4403", "机械作业", Cost},
    {"5001", "主营业务收入", ProfitAndLoss}, {"5051", "其他业务收入", ProfitAndLoss},
    {"5111", "投资收益", ProfitAndLoss}, {"5301", "营业外收入", ProfitAndLoss},
    {"5401", "主营业务成本", ProfitAndLoss}, {"5402", "其他业务成本", ProfitAndLoss},
    {"5403", "税金及附加", ProfitAndLoss}, {"5601", "销售费用", ProfitAndLoss},
    {"5602", "管理费用", ProfitAndLoss}, {"5603", "财务费用", ProfitAndLoss},
    {"5711", "营业外支出", ProfitAndLoss}, {"5801", "所得税费用", ProfitAndLoss},
};

constexpr std::string_view kTaxes[] = {
    "应交增值税", "未交增值税", "预交增值税", "待抵扣进项税额", "待认证进项税额", "待转销项税额", "增值税留抵税额",
    "简易计税", "转让金融商品应交增值税", "代扣代交增值税", "应交消费税", "应交资源税", "应交企业所得税",
    "应交土地增值税", "应交城市维护建设税", "应交房产税", "应交城镇土地使用税", "应交车船税", "应交印花税",
    "应交教育费附加", "应交地方教育附加", "应交文化事业建设费", "应交环境保护税", "应交个人所得税",
};
constexpr std::string_view kVatColumns[] = {
    "进项税额", "销项税额抵减", "已交税金", "转出未交增值税", "减免税款", "出口抵减内销产品应纳税额",
    "销项税额", "出口退税", "进项税额转出", "转出多交增值税",
};
constexpr std::string_view kPayroll[] = {
    "职工工资", "奖金、津贴和补贴", "职工福利费", "社会保险费", "住房公积金", "工会经费", "职工教育经费",
    "非货币性福利", "辞退福利",
};
constexpr std::string_view kProfitDistribution[] = {
    "提取法定盈余公积", "提取任意盈余公积", "提取储备基金", "提取企业发展基金", "提取职工奖励及福利基金",
    "利润归还投资", "应付利润", "盈余公积补亏", "未分配利润",
};
constexpr std::string_view kSurplusReserve[] = {"法定盈余公积", "任意盈余公积", "储备基金", "企业发展基金"};
constexpr std::string_view kShortTermInvestments[] = {"股票", "债券", "基金"};
constexpr std::string_view kRevolvingMaterials[] = {"包装物", "低值易耗品"};
constexpr std::string_view kCapitalReserve[] = {"资本溢价"};
constexpr std::string_view kResearch[] = {"费用化支出", "资本化支出"};

struct Closed {
    std::string_view account;
    std::span<const std::string_view> seconds;
};
constexpr Closed kClosed[] = {
    {"应交税费", kTaxes}, {"应付职工薪酬", kPayroll}, {"利润分配", kProfitDistribution},
    {"盈余公积", kSurplusReserve}, {"短期投资", kShortTermInvestments}, {"周转材料", kRevolvingMaterials},
    {"资本公积", kCapitalReserve}, {"研发支出", kResearch},
};

// The general standard's own accounts; a name ending in "-" takes any of
// the second levels listed after it.
constexpr std::string_view kGeneralStandard[] = {
    "交易性金融资产", "交易性金融资产-成本", "交易性金融资产-公允价值变动", "公允价值变动损益", "资产减值损失",
    "信用减值损失", "坏账准备", "存货跌价准备", "固定资产减值准备", "无形资产减值准备", "资产处置损益", "库存股",
    "合同取得成本", "递延所得税资产", "递延所得税负债", "股本", "资本公积-股本溢价", "资本公积-其他资本公积",
};

// Longest first where one spelling begins another.
constexpr Renamed kRenamed[] = {
    {"应缴税费-应缴增值税", "应交税费-应交增值税"},
    {"应缴税费", "应交税费"},
    {"应交税金", "应交税费"},
    {"应交税费-应交所得税", "应交税费-应交企业所得税"},
    {"应交税费-应交个税", "应交税费-应交个人所得税"},
    {"应交税费-代扣个人所得税", "应交税费-应交个人所得税"},
    {"应交税费-代扣代缴个人所得税", "应交税费-应交个人所得税"},
    {"应交税费-应交城建税", "应交税费-应交城市维护建设税"},
    {"应交税费-城建税", "应交税费-应交城市维护建设税"},
    {"应交税费-消费税", "应交税费-应交消费税"},
    {"应交税费-资源税", "应交税费-应交资源税"},
    {"应交税费-教育费附加", "应交税费-应交教育费附加"},
    {"应交税费-地方教育附加", "应交税费-应交地方教育附加"},
    {"应交税费-房产税", "应交税费-应交房产税"},
    {"应交税费-车船税", "应交税费-应交车船税"},
    {"应交税费-城镇土地使用税", "应交税费-应交城镇土地使用税"},
    {"应交税费-印花税", "应交税费-应交印花税"},
    {"应交税费-文化事业建设费", "应交税费-应交文化事业建设费"},
    {"应交税费-转让金融产品应交增值税", "应交税费-转让金融商品应交增值税"},
    {"应付职工薪酬-工资", "应付职工薪酬-职工工资"},
    {"应付职工薪酬-奖金", "应付职工薪酬-奖金、津贴和补贴"},
    {"营业税金及附加", "税金及附加"},
    {"应付帐款", "应付账款"},
    {"现金", "库存现金"},
    {"应付股利", "应付利润"},
    {"利润分配-应付现金股利或利润", "利润分配-应付利润"},
    {"利润分配-应付现金股利", "利润分配-应付利润"},
    {"利润分配-应付股利", "利润分配-应付利润"},
    {"利润分配-分配优先股利", "利润分配-应付利润"},
    {"利润分配-分配普通股利", "利润分配-应付利润"},
    {"其他货币资金-银行汇票存款", "其他货币资金-银行汇票"},
    {"其他货币资金-银行本票存款", "其他货币资金-银行本票"},
    {"其他货币资金-信用卡存款", "其他货币资金-信用卡"},
    {"其他货币资金-外埠资金", "其他货币资金-外埠存款"},
    {"短期投资-股票投资", "短期投资-股票"},
    {"短期投资-债券投资", "短期投资-债券"},
    {"股本", "实收资本"},
    {"资本公积-股本溢价", "资本公积-资本溢价"},
    {"发出商品", "库存商品-发出商品"},
    {"合同履约成本", "生产成本-劳务成本"},
    {"合同负债", "预收账款"},
    {"其他费用", "制造费用"},
    {"材料费用", "原材料"},
    {"无形资产-专利费", "无形资产-专利权"},
    {"营业外收入-非流动资产处置利得", "营业外收入-非流动资产处置净收益"},
    {"营业外支出-非流动资产处置损失", "营业外支出-非流动资产处置净损失"},
    {"财务费用-汇兑损益", "财务费用-汇兑损失"},
};
// clang-format on

}  // namespace

std::span<const Account> chartOfAccounts() { return kChart; }

const Account* findAccount(std::string_view name)
{
    const auto* found =
        std::find_if(std::begin(kChart), std::end(kChart), [&](const Account& a) { return a.name == name; });
    return found == std::end(kChart) ? nullptr : found;
}

std::span<const std::string_view> closedSecondLevels(std::string_view account)
{
    for (const Closed& c : kClosed)
        if (c.account == account) return c.seconds;
    return {};
}

std::span<const std::string_view> vatColumns() { return kVatColumns; }

bool generalStandardAccount(std::string_view path)
{
    return std::find(std::begin(kGeneralStandard), std::end(kGeneralStandard), path) != std::end(kGeneralStandard);
}

std::span<const Renamed> renamedAccounts() { return kRenamed; }

std::string currentName(std::string_view path)
{
    std::string name(path);
    // A spelling may lead to another that was renamed too (应缴税费-应交所得税).
    for (int round = 0; round < 3; ++round) {
        const auto* r = std::find_if(std::begin(kRenamed), std::end(kRenamed), [&](const Renamed& x) {
            return name.starts_with(x.was) && (name.size() == x.was.size() || name[x.was.size()] == '-');
        });
        if (r == std::end(kRenamed)) break;
        name = std::string(r->name) + name.substr(r->was.size());
    }
    return name;
}

}  // namespace bk::calc
