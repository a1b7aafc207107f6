// Statement-line fill-in formulas: the first block of the table.
//
// For the name of a balance-sheet or income-statement line, one line giving
// its content as a formula over ledger accounts. The texts are printed as
// they stand: full-width and half-width parentheses and minus signs are mixed
// on purpose (e.g. "（借)"), and the key 待摊费用款 ends in "款" while its text does
// not.
#include "lookup/lookup_table.h"

namespace bk::lookup {

namespace {
// clang-format off
const LookupRule kFormulas[] = {
    printRule("短期投资", "dqtz", kBalanceSheet, {"短期投资=短期投资－短期投资跌价准备"}),
    printRule("应收票据", "yspj", kBalanceSheet, {"应收票据"}),
    printRule("应收账款", "yszk", kBalanceSheet, {"应收账款=应收账款（借)+预收账款(借)－应计提“应收账款”的“坏账准备”"}),
    printRule("预付账款", "yfzk", kBalanceSheet, {"预付账款=应付账款(借)+预付账款(借)"}),
    printRule("其他应收款", "qtysk", kBalanceSheet, {"其他应收款=其他应收款－应计提“其他应收款”的“坏账准备”"}),
    printRule("存货", "ch", kBalanceSheet, {"存货=各种材料+商品+在产品+半成品+包装物+低值易耗品+委托代销商品等"}),
    printRule("待摊费用款", "dtfyk", kBalanceSheet, {"待摊费用=待摊费用[除摊销期限1年以上（不含1年）的其他待摊费用]"}),
    printRule("长期股权投资", "cqgqtz", kBalanceSheet, {"长期股权投资=长期股权投资"}),
    printRule("长期债权投资", "cqzqtz", kBalanceSheet, {"长期债权投资=长期债权投资"}),
    printRule("固定资产原价", "gdzcyj", kBalanceSheet, {"固定资产原价=固定资产[融资租入的固定资产，其原价也包括在内]"}),
    printRule("累计折旧", "ljzj", kBalanceSheet, {"累计折旧=累计折旧[融资租入的固定资产，其已提折旧也包括在内]"}),
    printRule("工程物资", "gcwz", kBalanceSheet, {"工程物资=工程物资"}),
    printRule("固定资产清理", "gdzcql", kBalanceSheet, {"固定资产清理=固定资产清理（借）"}),
    printRule("无形资产", "wxzc", kBalanceSheet, {"无形资产=无形资产"}),
    printRule("长期待摊费用", "cqdtfy", kBalanceSheet, {"长期待摊费用=“长期待摊费用”期末余额－“将于1年内（含1年）摊销的数额”"}),
    printRule("其他长期资产", "qtcqzc", kBalanceSheet, {"其他长期资产=“小企业除以上资产以外的其他长期资产”"}),
    printRule("短期借款", "dqjk", kBalanceSheet, {"短期借款=短期借款"}),
    printRule("应付票据", "yfpj", kBalanceSheet, {"应付票据=应付票据"}),
    printRule("应付账款", "yfzk", kBalanceSheet, {"应付账款=应付账款(贷)+预付账款(贷)"}),
    printRule("应付工资", "yfgz", kBalanceSheet, {"应付工资=应付工资（贷）[“应付工资”科目期末为借方余额，以“-”号填列]"}),
    printRule("应付福利费", "yfflf", kBalanceSheet, {"应付福利费=应付福利费"}),
    printRule("应付利润", "yflr", kBalanceSheet, {"应付利润=应付利润"}),
    printRule("应交税金", "yjsj", kBalanceSheet, {"应交税金=应交税金（贷）[“应交税金”科目期末为借方余额，以“-”号填列]"}),
    printRule("其他应交款", "qtyjk", kBalanceSheet, {"其他应交款=其他应交款（贷）[“其他应交款”科目期末为借方余额，以“-”号填列]"}),
    printRule("其他应付款", "qtyfk", kBalanceSheet, {"其他应付款=其他应付款"}),
    printRule("预提费用", "ytfy", kBalanceSheet, {"预提费用=预提费用（贷）[“预提费用”科目期末为借方余额，应合并在“待摊费用”项目内反映]"}),
    printRule("其他流动负债", "qtldfz", kBalanceSheet, {"其他流动负债=“小企业除以上流动负债以外的其他流动负债”"}),
    printRule("长期借款", "cqjk", kBalanceSheet, {"长期借款=长期借款"}),
    printRule("长期应付款", "cqyfk", kBalanceSheet, {"长期应付款"}),
    printRule("预收账款", "yszk", kBalanceSheet, {"预收账款=应收账款（贷)+预收账款(贷)"}),
    printRule("资本公积", "zbgj", kBalanceSheet, {"资本公积=资本公积"}),
    printRule("盈余公积", "yygj", kBalanceSheet, {"盈余公积=盈余公积"}),
    printRule("法定公益金", "fdgyj", kBalanceSheet, {"法定公益金=“盈余公积”所属的“法定公益金”期末余额"}),
    printRule("未分配利润", "wfplr", kBalanceSheet, {"未分配利润=本年利润+利润分配[未弥补的亏损，在本项目内以“-”号填列]"}),
    printRule("实收资本", "sszb", kBalanceSheet, {"实收资本=实收资本"}),
    printRule("应付职工薪酬", "yfzgxc", kBalanceSheet, {"应付职工薪酬=应付工资+其他应交款（应付职工工资附加费等支付给个人款项）+其他应付款（职工教育经费）"}),
    printRule("主营业务利润", "zyywlr", kIncomeStatement, {"主营业务利润=主营业务收入-主营业务成本-主营业务税金及附加"}),
    printRule("营业利润", "yylr", kIncomeStatement, {"营业利润=主营业务利润+其他业务利润-管理费用-营业费用-财务费用"}),
    printRule("利润总额", "lrze", kIncomeStatement, {"利润总额=营业利润+投资净收益+营业外收支净额+补贴收入"}),
    printRule("投资净收益", "tzjsy", kIncomeStatement, {"投资净收益=投资收益-投资损失"}),
    printRule("营业外收支净额", "yywszje", kIncomeStatement, {"营业外收支净额=营业外收入-营业外支出"}),
    printRule("本年利润（贷）", "bnlrd", kIncomeStatement, {"本年利润（贷）=主营业务收入+其他业务收入+投资收益+营业外收入"}),
    printRule("本年利润（借）", "bnlrj", kIncomeStatement, {"本年利润（借）=主营业务成本+主营业务税金及附加+其他业务支出+管理费用+财务费用+营业费用+营业外支出"}),
    printRule("所得税（借）", "sdsj", kIncomeStatement, {"所得税（借）=应交税金-应交税金（贷）"}),
    printRule("所得税（贷）", "sdsd", kIncomeStatement, {"所得税（贷）=本年利润（借）"}),
    printRule("净利润", "jlr", kIncomeStatement, {"本年利润（借）=利润分配（贷）"}),
    printRule("盈余公积", {"利润分配（借）=盈余公积（贷）（10%净利润）"}),
    printRule("应付股利", "yfgl", kBalanceSheet, {"利润分配（借）=应付股利（贷）"}),
};
// clang-format on
}  // namespace

std::span<const LookupRule> formulaRules() { return kFormulas; }

}  // namespace bk::lookup
