#include "lookup/completion.h"

#include <algorithm>
#include <string>

#include "lookup/lookup_table.h"
#include "num/text.h"

namespace bk::lookup {

std::vector<std::string_view> completions(std::string_view typed, std::size_t limit)
{
    std::vector<std::string_view> starting;
    std::vector<std::string_view> containing;
    if (typed.empty()) return starting;

    // Initials are matched for Latin letters typed in either case.
    const std::string letters = text::lowerLetters(text::decode(typed));

    for (const KeyEntry& k : LookupTable::instance().keys()) {
        const bool starts = k.key.starts_with(typed) || (!letters.empty() && k.initials.starts_with(letters));
        if (starts) {
            starting.push_back(k.key);
        } else if (k.key.find(typed) != std::string_view::npos ||
                   (!letters.empty() && k.initials.find(letters) != std::string_view::npos)) {
            containing.push_back(k.key);
        }
        if (starting.size() >= limit) break;
    }
    starting.insert(starting.end(), containing.begin(), containing.end());
    starting.resize(std::min(starting.size(), limit));
    return starting;
}

}  // namespace bk::lookup
