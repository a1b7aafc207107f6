// The statement lines, one window each: the balances a line adds up, its caption and its formula.
#include "calc/one_line.h"

namespace bk::calc {

// The balance-sheet line 货币资金, cash on hand, bank deposits and
// other monetary funds together.
extern const CalculatorDef CashFunds = oneLine({field(1, "库存现金"), field(2, "银行存款"), field(3, "其他货币资金")},
                                               "货币资金", [](const Calc& c) -> Var {
                                                   Num a = c.read(1), b = c.read(2), k = c.read(3);
                                                   return a + b + k;
                                               });

// The balance-sheet line 短期投资, the investments less their
// write-down allowance.
extern const CalculatorDef ShortTermInvestments =
    oneLine({field(1, "短期投资"), field(2, "短期投资跌价准备")}, "短期投资", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The balance-sheet line 应收账款, the debit balances of the
// receivable and advance-receipt accounts less the bad-debt allowance
// provided for them.
extern const CalculatorDef AccountsReceivable =
    oneLine({field(1, "应收账款（借）"), field(2, "预收账款（借）"), field(3, "坏账准备（计）")}, "应收账款",
            [](const Calc& c) -> Var {
                Num a = c.read(1), b = c.read(2), k = c.read(3);
                return a + b - k;
            });

// The balance-sheet line 其他应收款, less its bad-debt allowance.
extern const CalculatorDef OtherReceivables =
    oneLine({field(1, "其他应收款"), field(2, "坏账准备（计）")}, "其他应收款", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The balance-sheet line 长期待摊费用, the closing balance less the
// part amortised within one year (which is a current asset).
extern const CalculatorDef LongTermPrepaidExpenses =
    oneLine({field(1, "长期待摊费用（期末）"), field(2, "一年内摊销数额")}, "长期待摊费用", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The balance-sheet line 预收账款, the credit balances of the
// receivable and advance-receipt accounts.
extern const CalculatorDef AdvancesFromCustomers =
    oneLine({field(1, "应收账款（贷）"), field(2, "预收账款（贷）")}, "预收账款", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a + b;
    });

// The balance-sheet line 未分配利润 from the profit account and the
// distribution account; an accumulated loss is a negative balance. UndistributedProfitDistributionFirst
// asks for the same two balances the other way round.
extern const CalculatorDef UndistributedProfit =
    oneLine({field(1, "本年利润"), field(2, "利润分配")}, "未分配利润", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a + b;
    });

// The income-statement line 投资净收益, investment income less
// investment losses.
extern const CalculatorDef InvestmentIncome =
    oneLine({field(1, "投资收益"), field(2, "投资损失")}, "投资净收益", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The income-statement line 营业外收支净额, non-operating income less
// non-operating expenses.
extern const CalculatorDef NonOperatingNet =
    oneLine({field(1, "营业外收入"), field(2, "营业外支出")}, "营业外收支净额", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The balance-sheet line 预付账款, the debit balances of the payable
// and prepayment accounts.
extern const CalculatorDef Prepayments =
    oneLine({field(1, "应付账款（借）"), field(2, "预付账款（借）")}, "预付账款", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a + b;
    });

// Working capital, either current assets less current liabilities
// (the left pair) or long-term capital less long-term assets (the right pair).
extern const CalculatorDef WorkingCapital =
    oneLine({field(1, "流动资产"), field(2, "流动负债"), nextColumn(), heading("或"), nextColumn(),
             field(3, "长期资本"), field(4, "长期资产")},
            "营运资本", [](const Calc& c) -> Var {
                Num a = c.read(1), b = c.read(2);
                Num W = a - b;
                // The right pair counts only when the left one is left at zero.
                if (a == 0 && b == 0) {
                    Num k = c.read(3), d = c.read(4);
                    W = k - d;
                }
                return W;
            });

// The balance-sheet line 应付账款, the credit balances of the
// payable and prepayment accounts.
extern const CalculatorDef AccountsPayable =
    oneLine({field(1, "应付账款（贷）"), field(2, "预付账款（贷）")}, "应付账款", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a + b;
    });

// The balance-sheet line 固定资产, cost less accumulated depreciation
// less the impairment allowance.
extern const CalculatorDef FixedAssetsNet =
    oneLine({field(1, "固定资产原值"), field(2, "累计折旧"), field(3, "固定资产减值准备")}, "固定资产",
            [](const Calc& c) -> Var {
                Num a = c.read(1), b = c.read(2), k = c.read(3);
                return (a - b) - k;
            });

// The balance-sheet line 无形资产, cost less accumulated amortisation
// less the impairment allowance.
extern const CalculatorDef IntangibleAssetsNet = oneLine(
    {field(1, "无形资产"), field(2, "累计摊销"), field(3, "无形资产减值准备")}, "无形资产", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2), k = c.read(3);
        return (a - b) - k;
    });

// The balance-sheet line 未分配利润, the distribution account first;
// UndistributedProfit asks for the same two balances the other way round.
extern const CalculatorDef UndistributedProfitDistributionFirst =
    oneLine({field(1, "利润分配"), field(2, "本年利润")}, "未分配利润", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a + b;
    });

// The balance-sheet line 存货, the inventory accounts summed less the
// write-down allowance. The cost variance comes with its sign: a saving is
// negative and lowers the total.
extern const CalculatorDef Inventories =
    oneLine({field(1, "在途物资（材料采购）"), field(2, "原材料"), field(3, "材料成本差异（差价）"),
             field(4, "库存商品"), field(5, "发出商品"), field(6, "委托加工物资"), field(7, "周转材料"),
             field(8, "生产成本"), field(9, "存货跌价准备")},
            "存货", [](const Calc& c) -> Var {
                Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6),
                    a7 = c.read(7), a8 = c.read(8), p = c.read(9);
                return a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 - p;
            });

// The income-statement line 营业利润, revenue less costs, taxes,
// expenses and impairment losses, plus fair-value gains and investment income.
extern const CalculatorDef OperatingProfit = oneLine(
    {field(1, "营业收入"), field(2, "营业成本"), field(3, "税金及附加"), field(4, "销售费用"), field(5, "管理费用"),
     field(6, "财务费用"), field(7, "资产减值损失"), field(8, "公允价值变动收益"), field(9, "投资收益")},
    "营业利润", [](const Calc& c) -> Var {
        Num a1 = c.read(1), a2 = c.read(2), a3 = c.read(3), a4 = c.read(4), a5 = c.read(5), a6 = c.read(6),
            a7 = c.read(7), a8 = c.read(8), a9 = c.read(9);
        return a1 - a2 - a3 - a4 - a5 - a6 - a7 + a8 + a9;
    });

// The income-statement line 利润总额, operating profit with the
// non-operating income added and the non-operating expenses taken off.
extern const CalculatorDef TotalProfit = oneLine({field(1, "营业利润"), field(2, "营业外收入"), field(3, "营业外支出")},
                                                 "利润总额", [](const Calc& c) -> Var {
                                                     Num a = c.read(1), b = c.read(2), k = c.read(3);
                                                     return (a + b) - k;
                                                 });

// The income-statement line 净利润, total profit less income tax.
extern const CalculatorDef NetProfit =
    oneLine({field(1, "利润总额"), field(2, "所得税费用")}, "净利润", [](const Calc& c) -> Var {
        Num a = c.read(1), b = c.read(2);
        return a - b;
    });

// The income-statement line 所得税费用, the tax payable plus the
// deferred tax liabilities less the deferred tax assets.
extern const CalculatorDef IncomeTaxExpense =
    oneLine({field(1, "应交所得税"), field(2, "递延所得税负债"), field(3, "递延所得税资产")}, "所得税费用",
            [](const Calc& c) -> Var {
                Num a = c.read(1), b = c.read(2), k = c.read(3);
                return (a + b) - k;
            });

}  // namespace bk::calc
