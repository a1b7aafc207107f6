#include "ui/field_text.h"

namespace bk {

namespace {

// The text one character at a time, as the number reader sees it: blanks
// (space, tab, line feed, the full-width space) skipped, full-width digits,
// point and signs as ASCII, anything else as '\0'.
class Characters {
public:
    explicit Characters(std::string_view text) : text_(text) {}

    char peek()
    {
        skipBlanks();
        return decode().ch;
    }
    void next()
    {
        skipBlanks();
        pos_ += decode().len;
    }
    bool atEnd()
    {
        skipBlanks();
        return pos_ >= text_.size();
    }

private:
    struct Char {
        char ch;
        size_t len;
    };
    Char decode() const
    {
        if (pos_ >= text_.size()) return {'\0', 0};
        const auto byte = [this](size_t k) { return static_cast<unsigned char>(text_[pos_ + k]); };
        const unsigned char first = byte(0);
        if (first < 0x80) return {static_cast<char>(first), 1};
        const size_t left = text_.size() - pos_;
        if (left >= 3 && first == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) return {' ', 3};  // U+3000
        if (left >= 3 && first == 0xEF && byte(1) == 0xBC) {
            const unsigned char last = byte(2);
            if (last >= 0x90 && last <= 0x99) return {static_cast<char>('0' + (last - 0x90)), 3};
            if (last == 0x8E) return {'.', 3};
            if (last == 0x8B) return {'+', 3};
            if (last == 0x8D) return {'-', 3};
        }
        return {'\0', 1};
    }
    void skipBlanks()
    {
        for (Char c = decode(); c.ch == ' ' || c.ch == '\t' || c.ch == '\n'; c = decode()) pos_ += c.len;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isRadixDigit(char c, bool hex)
{
    if (c >= '0' && c <= '7') return true;
    if (!hex) return false;
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

}  // namespace

AmountText readAmountText(std::string_view utf8)
{
    Characters in(utf8);
    if (in.atEnd()) return {true, {}};

    std::string read;
    if (in.peek() == '+' || in.peek() == '-') {
        read += in.peek();
        in.next();
    }
    bool digits = false;
    if (in.peek() == '&') {
        in.next();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            in.next();
            const bool hex = kind == 'H' || kind == 'h';
            std::string number = hex ? "&H" : "&O";
            for (char c = in.peek(); isRadixDigit(c, hex); c = in.peek()) {
                number += c;
                digits = true;
                in.next();
            }
            if (digits) read += number;
        }
    } else {
        bool point = false;
        for (char c = in.peek(); isDigit(c) || (c == '.' && !point); c = in.peek()) {
            point |= c == '.';
            digits |= isDigit(c);
            read += c;
            in.next();
        }
        const char letter = in.peek();
        if (digits && (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd')) {
            in.next();
            std::string exponent(1, letter);
            if (in.peek() == '+' || in.peek() == '-') {
                exponent += in.peek();
                in.next();
            }
            bool exponentDigits = false;
            for (char c = in.peek(); isDigit(c); c = in.peek()) {
                exponent += c;
                exponentDigits = true;
                in.next();
            }
            if (exponentDigits)
                read += exponent;
            else
                return {false, read};  // "12E" is read as 12
        }
    }
    if (!digits) return {false, {}};
    return {in.atEnd(), read};
}

std::optional<std::string> amountNote(std::string_view utf8)
{
    const AmountText amount = readAmountText(utf8);
    if (amount.whole) return std::nullopt;
    if (amount.read.empty()) return std::string("没有读到数字，按 0 计算");
    return "只读取了 " + amount.read;
}

}  // namespace bk
