// A total split over departments, each share rounded to the fen, so that the
// shares add up to the total and an entry debiting them balances to the fen.
//
// Each department whose base is not 0 takes its share as the window derives
// it from the base, rounded with Calc::fen; the last of them in the window's
// order takes the total less the others (the rounding difference). A
// department whose base is 0 takes 0. With every base 0 every share is 0 and
// the shares do not add up to a total that is not 0: the window says where
// the total goes then.
#pragma once

#include <array>
#include <cstddef>

#include "calc/calculator.h"

namespace bk::calc {

// `share(base)` is the unrounded share of a department of that base.
template <std::size_t N, class Share>
std::array<Num, N> split(const Num& total, const std::array<Num, N>& bases, Share share)
{
    std::array<Num, N> shares{};
    std::size_t last = N;
    for (std::size_t i = 0; i < N; ++i)
        if (bases[i] != 0) last = i;
    if (last == N) return shares;
    Num others = 0;
    for (std::size_t i = 0; i < last; ++i) {
        if (bases[i] == 0) continue;
        shares[i] = Calc::fen(share(bases[i]));
        others = others + shares[i];
    }
    shares[last] = total - others;
    return shares;
}

// The total split in proportion to the bases.
template <std::size_t N>
std::array<Num, N> splitInProportion(const Num& total, const std::array<Num, N>& bases)
{
    Num sum = 0;
    for (const Num& base : bases) sum = sum + base;
    return split(total, bases, [&](const Num& base) { return total * base / sum; });
}

}  // namespace bk::calc
