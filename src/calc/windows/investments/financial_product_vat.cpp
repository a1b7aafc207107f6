// The value-added tax due on the transfer of a financial product.
#include "calc/calculator.h"
#include "calc/windows/investments/transfer_tax.h"

namespace bk::calc {

extern const CalculatorDef FinancialProductVat{
    .items = {field(1, "金融商品售价"), field(2, "金融商品购价"), transferTaxRate(3)},
    .compute =
        [](Calc& c) {
            Num S = c.read(1), B = c.read(2), r = c.readOr(3, rates::kVatFinancialTransferPercent);
            Num T = transferTax(S, B, r);
            c.result("转让金融资产应交增值税", T);
            if (T < 0) c.text(kNegativeTransferTax);
        },
};

}  // namespace bk::calc
