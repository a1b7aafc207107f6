// What the main window says when a typed key matches nothing: the keys the
// user most likely meant.
//
// A key is looked up exactly, but people type part of a key (所得 for
// 所得税费用), leave words out (结转利润 for 结转本年利润), or type the same
// words in another way: 应收帐款 for 应收账款, half-width brackets, a stray
// space. The hint offers, in this order: every key that contains what was
// typed (those that start with it first), then keys that hold its
// characters in that order, then the keys nearest to it once such variants
// are set aside, by how many characters differ, then by how their pinyin
// initials differ (which finds a homophone typed by mistake), then in table
// order. Letters alone are taken as pinyin initials: keys whose initials
// contain them, then the nearest initials.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "window/toolkit.h"

namespace bk::lookup {

// The typed text without the spaces around it (half-width, full-width, tabs):
// what the lookup compares with the keys.
std::string_view trimKey(std::string_view typed);

// How many keys a hint offers at most, unless more keys contain the typed
// text: all of those are offered.
constexpr std::size_t kMaxHintKeys = 5;

// The keys nearest to the typed text, nearest first; nothing when no key is
// near enough to be worth offering, or when the text is blank.
std::vector<std::string_view> nearestKeys(std::string_view typed, std::size_t limit = kMaxHintKeys);

// The keys the hint offers for a typed text, in the order above; nothing
// when the text is blank or no key is worth offering.
std::vector<std::string_view> hintKeys(std::string_view typed);

// The hint for a typed text that matched no key.
bk::KeyHint unknownKeyHint(std::string_view typed);

}  // namespace bk::lookup
