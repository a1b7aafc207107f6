// 转出未交增值税 for a general taxpayer: the tax payable for the month,
// output tax plus the input tax transferred out, less the input tax, the
// credit brought forward, the tax relief and the output tax deducted, is
// moved from 应交税费-应交增值税 to 应交税费-未交增值税, less what was paid
// for the month already; tax paid beyond what is due goes back, and the
// prepaid tax is carried to 未交增值税 as well. A credit left over stays on
// the debit of 应交增值税 for the next month (财会〔2016〕22号 二（三）).
#include "calc/calculator.h"

namespace bk::calc {

extern const CalculatorDef VatPayable{
    .items = {field(1, "当期销项税"), field(3, "进项税转出"), field(2, "当期进项税"),
              field(4, "上期留抵税额", "上月末“应交税费-应交增值税”借方余额"),
              field(5, "已交税金", "本月缴纳的本月增值税，通常为0"),
              field(6, "预交增值税", "“应交税费-预交增值税”余额，月末转入未交增值税"),
              field(7, "减免税款", "本月记入“减免税款”专栏的金额，如税控设备和技术维护费抵减"),
              field(8, "销项税额抵减", "差额征税扣减的销项税额")},
    .compute =
        [](Calc& c) {
            Num O = c.read(1), I = c.read(2), X = c.read(3), L = c.read(4), Y = c.read(5), R = c.read(6), J = c.read(7),
                K = c.read(8);
            const Num zero(0);
            Num D = O + X - I - L - J - K;
            Num payable = D > zero ? D : zero;
            c.result("应纳税额", payable);
            c.result("期末留抵税额", D < zero ? -D : zero);
            c.blank();
            if (D > Y) {
                c.text("转出未交增值税");
                c.result("应交税费-应交增值税（转出未交增值税）（借）", D - Y);
                c.result("应交税费-未交增值税（贷）", D - Y);
                c.blank();
            }
            Num M = Y - payable;
            if (M > zero) {
                c.text("转出多交增值税");
                c.result("应交税费-未交增值税（借）", M);
                c.result("应交税费-应交增值税（转出多交增值税）（贷）", M);
                c.blank();
            }
            if (R > zero) {
                c.text("结转预交增值税");
                c.result("应交税费-未交增值税（借）", R);
                c.result("应交税费-预交增值税（贷）", R);
                c.blank();
            }
            if (D < zero) c.text("留抵税额留在“应交税费-应交增值税”借方，结转下期抵扣，不作转出分录");
        },
};

}  // namespace bk::calc
