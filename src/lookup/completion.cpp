#include "lookup/completion.h"

#include <string>

#include "lookup/lookup_table.h"
#include "num/text.h"

namespace bk::lookup {

std::vector<std::string_view> completions(std::string_view typed)
{
    std::vector<std::string_view> equal;
    std::vector<std::string_view> starting;
    std::vector<std::string_view> containing;
    if (typed.empty()) return equal;

    // Initials are matched for Latin letters typed in either case.
    const std::string letters = text::lowerLetters(text::decode(typed));

    for (const KeyEntry& k : LookupTable::instance().keys()) {
        if (k.key == typed)
            equal.push_back(k.key);
        else if (k.key.starts_with(typed) || (!letters.empty() && k.initials.starts_with(letters)))
            starting.push_back(k.key);
        else if (k.key.find(typed) != std::string_view::npos ||
                 (!letters.empty() && k.initials.find(letters) != std::string_view::npos))
            containing.push_back(k.key);
    }
    equal.insert(equal.end(), starting.begin(), starting.end());
    equal.insert(equal.end(), containing.begin(), containing.end());
    return equal;
}

std::optional<std::string_view> keyForInitials(std::string_view typed)
{
    const std::string letters = text::lowerLetters(text::decode(text::trimBlanks(typed)));
    if (letters.empty()) return std::nullopt;
    std::optional<std::string_view> only;
    int starting = 0;
    for (const KeyEntry& k : LookupTable::instance().keys()) {
        if (k.initials == letters) return k.key;
        if (k.initials.starts_with(letters) && ++starting == 1) only = k.key;
    }
    if (starting == 1) return only;
    return std::nullopt;
}

}  // namespace bk::lookup
