#include "num/text.h"

namespace bk::text {

Char charAt(std::string_view utf8, std::size_t at)
{
    if (at >= utf8.size()) return {};
    const auto lead = static_cast<unsigned char>(utf8[at]);
    const std::size_t size = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
    if (size == 1) return {lead, 1};
    if (size == 0 || at + size > utf8.size()) return {lead, 1};
    char32_t code = lead & (0x7F >> size);
    for (std::size_t k = 1; k < size; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if ((next & 0xC0) != 0x80) return {lead, 1};
        code = (code << 6) | (next & 0x3F);
    }
    // An overlong form (C0 B1 for "1"), a surrogate or a code point beyond
    // U+10FFFF is no character: it would let a byte sequence pass for
    // another text.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[size] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return {lead, 1};
    return {code, size};
}

std::u32string decode(std::string_view utf8)
{
    std::u32string out;
    forEachChar(utf8, [&out](Char c) { out += c.code; });
    return out;
}

std::size_t length(std::string_view utf8)
{
    std::size_t n = 0;
    forEachChar(utf8, [&n](Char) { ++n; });
    return n;
}

std::size_t prefixBytes(std::string_view utf8, std::size_t chars)
{
    std::size_t at = 0;
    for (; at < utf8.size() && chars > 0; --chars) at += charAt(utf8, at).size;
    return at;
}

std::string_view trimBlanks(std::string_view utf8)
{
    std::size_t begin = 0;
    while (begin < utf8.size()) {
        const Char c = charAt(utf8, begin);
        if (!isBlank(c.code)) break;
        begin += c.size;
    }
    std::size_t end = begin;
    for (std::size_t at = begin; at < utf8.size();) {
        const Char c = charAt(utf8, at);
        at += c.size;
        if (!isBlank(c.code)) end = at;
    }
    return utf8.substr(begin, end - begin);
}

std::string lowerLetters(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        c = foldAscii(c);
        if (!isLowerAsciiLetter(c)) return {};
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace bk::text
