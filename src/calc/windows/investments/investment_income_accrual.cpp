// Dividends and interest accrued as investment income and then
// received, and bank interest, which goes to 财务费用. Each amount has its
// heading above it.
#include "calc/calculator.h"
#include "calc/entries.h"

namespace bk::calc {

namespace {

constexpr Entry kInterestAccrued{"计提利息", "应收利息（借）", "投资收益（贷）"};
constexpr Entry kInterestToFund{"收取利息", "其他货币资金（借）", "应收利息（贷）"};

}  // namespace

extern const CalculatorDef InvestmentIncomeAccrual{
    .items = {heading("银行利息"), field(4, "银行利息"), nextColumn(), heading("应收股利"), field(1, "应收股利"),
              heading("应收债券利息"), field(2, "应收债券利息"), heading("投资收益利息"), field(3, "投资利息收益")},
    .compute =
        [](Calc& c) {
            Num Dv = c.read(1), Bi = c.read(2), Ii = c.read(3), Bk = c.read(4);
            accrueAndSettle(c, Dv, {"计提利息", "应收股利（借）", "投资收益（贷）"},
                            {"收取利息", "其他货币资金（借）", "应收股利（贷）"});
            accrueAndSettle(c, Bi, kInterestAccrued, kInterestToFund);
            accrueAndSettle(c, Ii, kInterestAccrued, kInterestToFund);
            // Bank interest is no investment income: it reduces 财务费用, and it
            // is received straight into the bank account.
            accrueAndSettle(c, Bk, {"计提利息", "应收利息（借）", "财务费用（贷）"},
                            {"收取利息", "银行存款（借）", "应收利息（贷）"});
        },
};

}  // namespace bk::calc
