// Offering keys while the user types into the main window's key box.
//
// Nobody can remember hundreds of exact keys, so the key box lists the keys
// that contain what was typed, or whose pinyin initials contain it (the
// mnemonic codes of accounting software: "jtgz" finds 计提工资). The list
// only helps to type a key; the lookup itself stays exact.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace bk::lookup {

// How many keys the list shows at most: a screenful.
constexpr std::size_t kMaxCompletions = 12;

// The keys to offer for the typed text: first those that start with it (by
// their characters or their initials), then those that contain it, each
// group in the order of the keys' first rules. Nothing for an empty text.
std::vector<std::string_view> completions(std::string_view typed, std::size_t limit = kMaxCompletions);

}  // namespace bk::lookup
