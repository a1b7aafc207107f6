// What the main window says when a typed key matches nothing: the keys the
// user most likely meant.
//
// A key is looked up exactly, but people type the same words in several
// ways: 应收帐款 for 应收账款, half-width brackets, a stray space. The hint
// offers the keys nearest to what was typed: first those equal to it once
// such variants are set aside, then by how many characters differ, then by
// how their pinyin initials differ (which finds a homophone typed by
// mistake), then in table order.
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

// How many keys a hint offers at most.
constexpr std::size_t kMaxHintKeys = 5;

// The keys nearest to the typed text, nearest first; nothing when no key is
// near enough to be worth offering, or when the text is blank.
std::vector<std::string_view> nearestKeys(std::string_view typed, std::size_t limit = kMaxHintKeys);

// The hint for a typed text that matched no key.
bk::KeyHint unknownKeyHint(std::string_view typed);

}  // namespace bk::lookup
