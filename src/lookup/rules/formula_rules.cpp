// Statement-line fill-in formulas: the first block of the table.
//
// For the name of a balance-sheet or income-statement line, one line giving
// its content as a formula over ledger accounts. The lines of today's small-
// enterprise statements (会小企01表, 会小企02表) stand in their statement's
// order, a line's current name before the older name it replaced. A name the
// current statements no longer have keeps its old formula and prints a second
// line that says where its amount goes now. The texts are printed as they
// stand: full-width and half-width parentheses and minus signs are mixed on
// purpose (e.g. "（借)"), and the key 待摊费用款 ends in "款" while its text does
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
    printRule("应收利息", "yslx", kBalanceSheet, {"应收利息=应收利息"}),
    printRule("其他应收款", "qtysk", kBalanceSheet, {"其他应收款=其他应收款－应计提“其他应收款”的“坏账准备”"}),
    printRule("存货", "ch", kBalanceSheet, {"存货=各种材料+商品+在产品+半成品+包装物+低值易耗品+委托代销商品等"}),
    printRule("待摊费用款", "dtfyk", kBalanceSheet, {
        "待摊费用=待摊费用[除摊销期限1年以上（不含1年）的其他待摊费用]",
        "现行会小企01表不设本项目：按性质在“预付账款”或“长期待摊费用”项目列示"}),
    printRule("其他流动资产", "qtldzc", kBalanceSheet, {"其他流动资产=“小企业除以上流动资产以外的其他流动资产”"}),
    printRule("长期股权投资", "cqgqtz", kBalanceSheet, {"长期股权投资=长期股权投资"}),
    printRule("长期债券投资", "cqzqtz", kBalanceSheet, {"长期债券投资=长期债券投资"}),
    printRule("长期债权投资", "cqzqtz", kBalanceSheet, {"长期债权投资=长期债权投资"}),
    printRule("固定资产原价", "gdzcyj", kBalanceSheet, {"固定资产原价=固定资产[融资租入的固定资产，其原价也包括在内]"}),
    printRule("累计折旧", "ljzj", kBalanceSheet, {"累计折旧=累计折旧[融资租入的固定资产，其已提折旧也包括在内]"}),
    printRule("固定资产账面价值", "gdzczmjz", kBalanceSheet, {"固定资产账面价值=固定资产原价－累计折旧"}),
    printRule("在建工程", "zjgc", kBalanceSheet, {"在建工程=在建工程"}),
    printRule("工程物资", "gcwz", kBalanceSheet, {"工程物资=工程物资"}),
    printRule("固定资产清理", "gdzcql", kBalanceSheet, {"固定资产清理=固定资产清理（借）"}),
    printRule("生产性生物资产", "scxswzc", kBalanceSheet, {"生产性生物资产=生产性生物资产－生产性生物资产累计折旧"}),
    printRule("无形资产", "wxzc", kBalanceSheet, {"无形资产=无形资产－累计摊销"}),
    printRule("开发支出", "kfzc", kBalanceSheet, {"开发支出=研发支出[“研发支出”科目期末余额]"}),
    printRule("长期待摊费用", "cqdtfy", kBalanceSheet, {"长期待摊费用=“长期待摊费用”期末余额－“将于1年内（含1年）摊销的数额”"}),
    printRule("其他非流动资产", "qtfldzc", kBalanceSheet, {"其他非流动资产=“小企业除以上非流动资产以外的其他非流动资产”"}),
    printRule("其他长期资产", "qtcqzc", kBalanceSheet, {"其他长期资产=“小企业除以上资产以外的其他长期资产”"}),
    printRule("短期借款", "dqjk", kBalanceSheet, {"短期借款=短期借款"}),
    printRule("应付票据", "yfpj", kBalanceSheet, {"应付票据=应付票据"}),
    printRule("应付账款", "yfzk", kBalanceSheet, {"应付账款=应付账款(贷)+预付账款(贷)"}),
    printRule("应付工资", "yfgz", kBalanceSheet, {
        "应付工资=应付工资（贷）[“应付工资”科目期末为借方余额，以“-”号填列]",
        "现行会小企01表不设本项目：并入“应付职工薪酬”项目"}),
    printRule("应付福利费", "yfflf", kBalanceSheet, {
        "应付福利费=应付福利费",
        "现行会小企01表不设本项目：并入“应付职工薪酬”项目（明细科目“职工福利费”）"}),
    printRule("应付利息", "yflx", kBalanceSheet, {"应付利息=应付利息"}),
    printRule("应付利润", "yflr", kBalanceSheet, {"应付利润=应付利润"}),
    printRule("应交税费", "yjsf", kBalanceSheet, {"应交税费=应交税费（贷）[“应交税费”科目期末为借方余额，以“-”号填列]"}),
    printRule("应交税金", "yjsj", kBalanceSheet, {
        "应交税金=应交税金（贷）[“应交税金”科目期末为借方余额，以“-”号填列]",
        "现行会小企01表项目为“应交税费”：应交税费=应交税费（贷）[“应交税费”科目期末为借方余额，以“-”号填列]"}),
    printRule("其他应交款", "qtyjk", kBalanceSheet, {
        "其他应交款=其他应交款（贷）[“其他应交款”科目期末为借方余额，以“-”号填列]",
        "现行会小企01表不设本项目：教育费附加、地方教育附加等并入“应交税费”项目，住房公积金并入“应付职工薪酬”项目"}),
    printRule("其他应付款", "qtyfk", kBalanceSheet, {"其他应付款=其他应付款"}),
    printRule("预提费用", "ytfy", kBalanceSheet, {
        "预提费用=预提费用（贷）[“预提费用”科目期末为借方余额，应合并在“待摊费用”项目内反映]",
        "现行会小企01表不设本项目：按性质在“应付利息”“应付账款”或“其他应付款”项目列示"}),
    printRule("其他流动负债", "qtldfz", kBalanceSheet, {"其他流动负债=“小企业除以上流动负债以外的其他流动负债”"}),
    printRule("长期借款", "cqjk", kBalanceSheet, {"长期借款=长期借款"}),
    printRule("长期应付款", "cqyfk", kBalanceSheet, {"长期应付款"}),
    printRule("递延收益", "dysy", kBalanceSheet, {"递延收益=递延收益"}),
    printRule("其他非流动负债", "qtfldfz", kBalanceSheet, {"其他非流动负债=“小企业除以上非流动负债以外的其他非流动负债”"}),
    printRule("预收账款", "yszk", kBalanceSheet, {"预收账款=应收账款（贷)+预收账款(贷)"}),
    printRule("资本公积", "zbgj", kBalanceSheet, {"资本公积=资本公积"}),
    printRule("盈余公积", "yygj", kBalanceSheet, {"盈余公积=盈余公积"}),
    printRule("法定公益金", "fdgyj", kBalanceSheet, {
        "法定公益金=“盈余公积”所属的“法定公益金”期末余额",
        "法定公益金自2006年起不再提取，余额已转入“盈余公积-法定盈余公积”，在“盈余公积”项目列示"}),
    printRule("未分配利润", "wfplr", kBalanceSheet, {"未分配利润=本年利润+利润分配[未弥补的亏损，在本项目内以“-”号填列]"}),
    printRule("实收资本", "sszb", kBalanceSheet, {"实收资本=实收资本"}),
    printRule("应付职工薪酬", "yfzgxc", kBalanceSheet, {"应付职工薪酬=应付职工薪酬（贷）"}),
    printRule("营业收入", "yysr", kIncomeStatement, {"营业收入=主营业务收入+其他业务收入"}),
    printRule("营业成本", "yycb", kIncomeStatement, {"营业成本=主营业务成本+其他业务成本"}),
    printRule("主营业务利润", "zyywlr", kIncomeStatement, {
        "主营业务利润=主营业务收入-主营业务成本-主营业务税金及附加",
        "现行会小企02表不设本项目：营业利润=营业收入-营业成本-税金及附加-销售费用-管理费用-财务费用+投资收益"}),
    printRule("营业利润", "yylr", kIncomeStatement, {"营业利润=营业收入-营业成本-税金及附加-销售费用-管理费用-财务费用+投资收益"}),
    printRule("利润总额", "lrze", kIncomeStatement, {"利润总额=营业利润+营业外收入-营业外支出"}),
    printRule("投资收益", "tzsy", kIncomeStatement, {"投资收益=投资收益[投资损失以“-”号填列]"}),
    printRule("投资净收益", "tzjsy", kIncomeStatement, {"投资净收益=投资收益-投资损失"}),
    printRule("营业外收入", "yywsr", kIncomeStatement, {"营业外收入=营业外收入"}),
    printRule("营业外支出", "yywzc", kIncomeStatement, {"营业外支出=营业外支出"}),
    printRule("营业外收支净额", "yywszje", kIncomeStatement, {
        "营业外收支净额=营业外收入-营业外支出",
        "现行会小企02表不设本项目：分列“营业外收入”“营业外支出”两个项目"}),
    printRule("本年利润（贷）", "bnlrd", kIncomeStatement, {"本年利润（贷）=主营业务收入+其他业务收入+投资收益+营业外收入"}),
    printRule("本年利润（借）", "bnlrj", kIncomeStatement, {"本年利润（借）=主营业务成本+税金及附加+其他业务成本+管理费用+财务费用+销售费用+营业外支出"}),
    printRule("所得税（借）", "sdsj", kIncomeStatement, {"所得税费用（借）=应交税费-应交企业所得税（贷）"}),
    printRule("所得税（贷）", "sdsd", kIncomeStatement, {"所得税费用（贷）=本年利润（借）"}),
    printRule("净利润", "jlr", kIncomeStatement, {
        "本年利润（借）=利润分配（贷）",
        "净利润=利润总额-所得税费用"}),
    printRule("盈余公积", {"利润分配（借）=盈余公积（贷）（10%净利润）"}),
    printRule("应付股利", "yfgl", kBalanceSheet, {"利润分配（借）=应付利润（贷）"}),
};
// clang-format on
}  // namespace

std::span<const LookupRule> formulaRules() { return kFormulas; }

}  // namespace bk::lookup
