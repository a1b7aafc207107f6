// 金额大写: an amount in Chinese capital figures, as cheques, receipts and
// vouchers carry it. Every place of the program that writes an amount in
// capitals (the 价税分离 and 金额大写 windows, a voucher's 合计 row) goes
// through capitalAmount, so the program writes it one way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "num/arith.h"

namespace bk {

// The largest amount written in capitals, in fen: 999999999999.99 yuan.
inline constexpr long long kCapitalAmountMaxFen = 99999999999999LL;

// The capital form of `yuan` (UTF-8, without the word 人民币), or nothing when
// the amount, rounded to the fen, is beyond ±999999999999.99.
//
// The rules are those of the payment settlement rules for bills and vouchers
// (1997) and of the basic accounting work rules (1996), taking the first form
// of their examples where they allow two:
//   - the amount is rounded to the fen, half away from zero; 0 (also an
//     amount that rounds to 0) is 零元整, a negative amount is 负 and the
//     form of its magnitude;
//   - the yuan are written in sections of four digits (亿, 万, units) with
//     仟佰拾 inside a section; a run of zeros between two digits is one 零,
//     trailing zeros of a section are left out, a section of zeros is left
//     out with its unit; one 零 goes before a section whose 仟 digit is 0 or
//     that follows a zero section (壹拾万零伍佰, 壹亿零壹仟), none before a
//     section beginning with its 仟 digit (壹拾万柒仟); 拾 always has its digit
//     (壹拾元);
//   - 元 follows the yuan when there are any; 角 after 零 when the yuan end
//     in 0 (元零叁角); 分 after 零 when there are yuan but no 角 (元零贰分);
//     整 (never 正) when there are no 分.
// Examples: 1409.50 壹仟肆佰零玖元伍角整, 107000.53 壹拾万柒仟元零伍角叁分,
// 0.05 伍分, 1010.5 壹仟零壹拾元零伍角整.
std::optional<std::string> capitalAmount(const Num& yuan);

// What stands in place of the capital form of an amount out of its range.
inline constexpr std::string_view kCapitalOutOfRange = "金额超出范围：最大为999999999999.99";

}  // namespace bk
