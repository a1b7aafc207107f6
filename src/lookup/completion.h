// Offering keys while the user types into the main window's key box.
//
// Nobody can remember hundreds of exact keys, so the key box lists the keys
// that contain what was typed, or whose pinyin initials contain it (the
// mnemonic codes of accounting software: "jtgz" finds 计提工资). The list
// offers every such key; it scrolls when they are more than a screenful.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace bk::lookup {

// How many keys the list shows at once; it scrolls to the others.
constexpr std::size_t kVisibleCompletions = 12;

// Every key to offer for the typed text: the key equal to it first, then
// those that start with it (by their characters or their initials), then
// those that contain it, each group in the order of the keys' first rules.
// Nothing for an empty text.
std::vector<std::string_view> completions(std::string_view typed);

// The key that a text which is no key stands for: pinyin initials typed as
// a mnemonic code (in either case, spaces around them dropped) that are
// exactly the initials of some keys give the first of those keys ("yszk" is
// 应收账款 before 预收账款); initials that only one key's initials start
// with give that key. Chinese text is never taken for another key: 结转利润
// may mean 结转本年利润 as well as 结转利润分配, and the hint offers both.
std::optional<std::string_view> keyForInitials(std::string_view typed);

}  // namespace bk::lookup
