#include "lookup/key_hint.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "lookup/lookup_table.h"
#include "num/text.h"

namespace bk::lookup {

namespace {

// The same word in the form the keys use: 帐 (and its traditional forms) is
// 账 in every key, 其它 is 其他, 缴 is 交 (应缴税金), brackets are full-width.
// Spaces carry no meaning in a key.
std::u32string folded(std::string_view text)
{
    std::u32string out;
    for (char32_t c : text::decode(text)) {
        switch (c) {
        case U'帐':
        case U'帳':
        case U'賬': c = U'账'; break;
        case U'它': c = U'他'; break;
        case U'缴': c = U'交'; break;
        case U'(': c = U'（'; break;
        case U')': c = U'）'; break;
        default: break;
        }
        if (!text::isBlank(c)) out += c;
    }
    return out;
}

template <class S>
int editDistance(const S& a, const S& b)
{
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool isHan(char32_t c) { return c >= 0x3400 && c <= 0x9FFF; }

// The pinyin initial of each Chinese character that occurs in a key, as the
// keys' own initials give it.
const std::map<char32_t, char>& initialOf()
{
    static const std::map<char32_t, char> table = [] {
        std::map<char32_t, char> m;
        for (const KeyEntry& k : LookupTable::instance().keys()) {
            size_t next = 0;
            for (char32_t c : text::decode(k.key))
                if (isHan(c) && next < k.initials.size()) m.emplace(c, k.initials[next++]);
        }
        return m;
    }();
    return table;
}

// The initials of a folded text; a character of unknown reading is '?',
// which matches no letter.
std::string initialsOf(const std::u32string& text)
{
    std::string out;
    for (char32_t c : text) {
        if (!isHan(c)) continue;
        auto it = initialOf().find(c);
        out += it == initialOf().end() ? '?' : it->second;
    }
    return out;
}

// A long text, as the hint repeats it: its first characters and "…".
std::string shortened(std::string_view text)
{
    constexpr size_t kShown = 20;
    const size_t at = text::prefixBytes(text, kShown);
    if (at >= text.size()) return std::string(text);
    return std::string(text.substr(0, at)) + "…";
}

}  // namespace

std::string_view trimKey(std::string_view typed) { return text::trimBlanks(typed); }

std::vector<std::string_view> nearestKeys(std::string_view typed, std::size_t limit)
{
    const std::u32string want = folded(typed);
    // No key has more than a dozen characters: a text far longer is near none.
    constexpr size_t kLongest = 64;
    if (want.empty() || want.size() > kLongest) return {};
    // Letters only: pinyin initials typed as a mnemonic code.
    const std::string letters = text::lowerLetters(want);
    const std::string wantInitials = initialsOf(want);

    struct Candidate {
        int distance;
        int initialsDistance;
        size_t order;
        std::string_view key;
    };
    std::vector<Candidate> near;
    size_t order = 0;
    for (const KeyEntry& k : LookupTable::instance().keys()) {
        ++order;
        const std::u32string key = folded(k.key);
        // The difference in length alone may already be too much.
        const size_t mine = letters.empty() ? want.size() : letters.size();
        const size_t theirs = letters.empty() ? key.size() : k.initials.size();
        if ((std::max(mine, theirs) - std::min(mine, theirs)) * 2 > std::max(mine, theirs)) continue;
        int distance = letters.empty() ? editDistance(want, key) : editDistance(letters, std::string(k.initials));
        const size_t longer =
            std::max(letters.empty() ? want.size() : letters.size(), letters.empty() ? key.size() : k.initials.size());
        // Offered only when at most half of it differs.
        if (static_cast<size_t>(distance) * 2 > longer) continue;
        const int initialsDistance = letters.empty() ? editDistance(wantInitials, std::string(k.initials)) : 0;
        near.push_back({distance, initialsDistance, order, k.key});
    }
    std::sort(near.begin(), near.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.distance, a.initialsDistance, a.order) < std::tie(b.distance, b.initialsDistance, b.order);
    });
    std::vector<std::string_view> keys;
    for (size_t i = 0; i < near.size() && keys.size() < limit; ++i) keys.push_back(near[i].key);
    return keys;
}

std::vector<std::string_view> hintKeys(std::string_view typed)
{
    const std::u32string want = folded(typed);
    if (want.empty()) return {};
    const std::string letters = text::lowerLetters(want);
    // What is compared: the keys' characters, or their initials for a
    // mnemonic code.
    auto side = [&letters](const KeyEntry& k) { return letters.empty() ? folded(k.key) : text::decode(k.initials); };
    const std::u32string typedSide = letters.empty() ? want : text::decode(letters);

    std::vector<std::string_view> starting;
    std::vector<std::string_view> containing;
    struct Spread {
        size_t extra;  // characters of the key between and around the typed ones
        size_t order;
        std::string_view key;
    };
    std::vector<Spread> inOrder;
    size_t order = 0;
    for (const KeyEntry& k : LookupTable::instance().keys()) {
        ++order;
        const std::u32string key = side(k);
        if (key.starts_with(typedSide)) {
            starting.push_back(k.key);
        } else if (key.find(typedSide) != std::u32string::npos) {
            containing.push_back(k.key);
        } else if (letters.empty() && typedSide.size() > 1 && key.size() > typedSide.size()) {
            // Characters left out of a key (initials are too short for this:
            // three letters are in order in too many keys).
            size_t at = 0;
            for (char32_t c : key)
                if (at < typedSide.size() && c == typedSide[at]) ++at;
            if (at == typedSide.size()) inOrder.push_back({key.size() - typedSide.size(), order, k.key});
        }
    }
    std::vector<std::string_view> keys = std::move(starting);
    keys.insert(keys.end(), containing.begin(), containing.end());
    // Every key that holds the text is offered; the looser matches only
    // fill the hint up to kMaxHintKeys.
    auto offer = [&keys](std::string_view key) {
        if (keys.size() < kMaxHintKeys && std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    };
    std::stable_sort(inOrder.begin(), inOrder.end(), [](const Spread& a, const Spread& b) {
        return std::tie(a.extra, a.order) < std::tie(b.extra, b.order);
    });
    for (const Spread& s : inOrder) offer(s.key);
    for (std::string_view key : nearestKeys(typed)) offer(key);
    return keys;
}

KeyHint unknownKeyHint(std::string_view typed)
{
    const std::string_view key = trimKey(typed);
    if (key.empty()) return {"请输入要查找的关键字。", {}, {}};
    KeyHint hint;
    for (std::string_view k : hintKeys(key)) {
        hint.keys.emplace_back(k);
        hint.shown.push_back(shownKey(k));
    }
    hint.message = "没有找到“" + std::string(shortened(key)) + "”。";
    if (!hint.keys.empty()) hint.message += "您要找的是不是：";
    return hint;
}

}  // namespace bk::lookup
