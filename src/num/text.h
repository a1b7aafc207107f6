// Walking UTF-8 text one character at a time, and the two questions every
// reader of typed text asks of a character: is it a blank, and what is it
// with its ASCII letters folded to lower case. The number reader, the key
// lookup and the window layout all ask them here, so they agree.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bk::text {

// One character of UTF-8 text: its code point and the bytes it takes. A
// byte that does not start a whole, well-formed sequence (in its shortest
// form, of a code point that is not a surrogate) stands for itself as one
// character of one byte, so every text walks to its end.
struct Char {
    char32_t code = 0;
    std::size_t size = 0;  // 0 only at the end of the text
};
Char charAt(std::string_view utf8, std::size_t at);

// Calls f(Char) for each character of the text, in order.
template <class F>
void forEachChar(std::string_view utf8, F&& f)
{
    for (std::size_t at = 0; at < utf8.size();) {
        const Char c = charAt(utf8, at);
        f(c);
        at += c.size;
    }
}

// The code points of the text.
std::u32string decode(std::string_view utf8);
// The number of characters.
std::size_t length(std::string_view utf8);
// The bytes that the first `chars` characters take.
std::size_t prefixBytes(std::string_view utf8, std::size_t chars);

// A blank: the space, tab, line feed, carriage return, the no-break space
// U+00A0 and the full-width space U+3000 that a Chinese input method types.
constexpr bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r' || c == 0xA0 || c == 0x3000;
}
// The text without the blanks around it.
std::string_view trimBlanks(std::string_view utf8);

// A to Z as a to z; every other character as it is.
constexpr char32_t foldAscii(char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; }
constexpr bool isLowerAsciiLetter(char32_t c) { return c >= U'a' && c <= U'z'; }
// The text in lower case if it is nothing but ASCII letters, else empty:
// what a user types as pinyin initials.
std::string lowerLetters(std::u32string_view text);

}  // namespace bk::text
