#include "app/session.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace bk {

namespace {

constexpr std::string_view kFirstLine = "bookkeeper session 1";

std::string escape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> unescape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return std::nullopt;
        switch (s[i]) {
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

// A whole number without sign, up to nine digits.
std::optional<size_t> number(std::string_view s)
{
    if (s.empty() || s.size() > 9) return std::nullopt;
    size_t n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return n;
}

// "WORD REST": the word before the first space and what follows it.
std::pair<std::string_view, std::string_view> split(std::string_view line)
{
    const size_t space = line.find(' ');
    if (space == std::string_view::npos) return {line, {}};
    return {line.substr(0, space), line.substr(space + 1)};
}

}  // namespace

std::string writeSession(const SessionWork& work)
{
    std::string out(kFirstLine);
    out += '\n';
    auto field = [&out](std::string_view word, size_t n) {
        out.append(word);
        out += ' ';
        out.append(std::to_string(n));
        out += ' ';
    };
    for (const WindowWork& w : work.windows) {
        field("window", static_cast<size_t>(w.form));
        out.append(std::to_string(w.printed.pressStart));
        out += '\n';
        for (const auto& [number, text] : w.texts) {
            field("text", static_cast<size_t>(number));
            out.append(escape(text));
            out += '\n';
        }
        for (size_t i = 0; i < w.printed.lines.size(); ++i) {
            if (i < w.printed.amountAt.size() && w.printed.amountAt[i].has_value()) {
                field("line", w.printed.amountAt[i].value());
            } else {
                out.append("line - ");
            }
            out.append(escape(w.printed.lines[i]));
            out += '\n';
        }
    }
    out.append("end\n");
    return out;
}

std::optional<SessionWork> readSession(std::string_view text)
{
    SessionWork work;
    bool first = true;
    bool ended = false;
    while (!text.empty()) {
        const size_t eol = text.find('\n');
        if (eol == std::string_view::npos) return std::nullopt;  // cut short
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol + 1);
        if (ended) return std::nullopt;  // something after the end
        if (first) {
            if (line != kFirstLine) return std::nullopt;
            first = false;
            continue;
        }
        const auto [word, rest] = split(line);
        if (word == "end" && rest.empty() && line == "end") {
            ended = true;
            continue;
        }
        const auto [a, b] = split(rest);
        const std::optional<size_t> n = number(a);
        const bool textLine = word == "line" && a == "-";  // a line without an amount
        if (!n && !textLine) return std::nullopt;
        if (word == "window") {
            const std::optional<size_t> start = number(b);
            if (!n || !start || *n < static_cast<size_t>(kMainForm)) return std::nullopt;
            if (!work.windows.empty() && static_cast<size_t>(work.windows.back().form) >= *n) return std::nullopt;
            WindowWork w;
            w.form = static_cast<FormId>(*n);
            w.printed.pressStart = *start;
            work.windows.push_back(std::move(w));
            continue;
        }
        if (work.windows.empty()) return std::nullopt;
        WindowWork& w = work.windows.back();
        const std::optional<std::string> value = unescape(b);
        if (!value) return std::nullopt;
        if (word == "text" && n && rest.find(' ') != std::string_view::npos) {
            if (!w.texts.emplace(static_cast<int>(*n), *value).second) return std::nullopt;
        } else if (word == "line" && rest.find(' ') != std::string_view::npos) {
            if (n && *n > value->size()) return std::nullopt;
            w.printed.lines.push_back(*value);
            w.printed.amountAt.push_back(textLine ? std::nullopt : n);
        } else {
            return std::nullopt;
        }
    }
    if (!ended) return std::nullopt;
    return work;
}

SessionLoad loadSessionFile(const std::string& path)
{
    namespace fs = std::filesystem;
    SessionLoad load;
    std::error_code ec;
    if (!fs::exists(fs::path(path), ec) && !ec) return load;
    std::ifstream in(path, std::ios::binary);
    std::string text;
    if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in && !in.bad()) {
        load.work = readSession(text);
        if (load.work) return load;
    }
    in.close();
    load.unreadable = true;
    for (int n = 1; n < 1000; ++n) {
        std::string aside = path;
        aside.append(".unreadable");
        if (n > 1) {
            aside += '-';
            aside.append(std::to_string(n));
        }
        if (fs::exists(fs::path(aside), ec) || ec) continue;
        fs::rename(fs::path(path), fs::path(aside), ec);
        if (!ec) load.setAsideAs = aside;
        break;
    }
    return load;
}

bool saveSessionFile(const std::string& path, const SessionWork& work)
{
    namespace fs = std::filesystem;
    const std::string temporary = path + ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const std::string text = writeSession(work);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(fs::path(temporary), ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(fs::path(temporary), fs::path(path), ec);
    return !ec;
}

}  // namespace bk
