#include "window/output_surface.h"

#include <algorithm>

#include "num/number_text.h"

namespace bk {

void OutputSurface::print(std::string line, std::optional<size_t> amountAt)
{
    undone_ = {};
    if (lines_.size() == pressStart_ && pressStart_ > 0) pressStarts_.push_back(pressStart_);
    lines_.push_back(std::move(line));
    amountAt_.push_back(amountAt);
    toolkit_.printLine(form_, printRow() - 1, lines_.back());
}

void OutputSurface::printText(std::string_view text) { print(std::string(text), std::nullopt); }

void OutputSurface::printNumber(std::string_view caption, const Num& value)
{
    print(std::string(caption) + formatNumber(value), caption.size());
}

void OutputSurface::printVariant(std::string_view caption, const Var& value)
{
    if (value.assigned())
        printNumber(caption, static_cast<Num>(value));
    else
        print(std::string(caption), caption.size());
}

void OutputSurface::clear()
{
    // Clearing an empty area keeps what an earlier clear put aside.
    if (!lines_.empty()) undone_ = {std::move(lines_), std::move(amountAt_), pressStart_};
    lines_.clear();
    amountAt_.clear();
    pressStart_ = 0;
    pressStarts_.clear();
    toolkit_.clearOutput(form_);
}

bool OutputSurface::undoClear()
{
    if (!canUndoClear()) return false;
    Held back = std::move(undone_);
    for (size_t i = 0; i < back.lines.size(); ++i) print(std::move(back.lines[i]), back.amountAt[i]);
    pressStart_ = back.pressStart;
    return true;
}

void OutputSurface::beginPress()
{
    undone_ = {};
    pressStart_ = lines_.size();
}

void OutputSurface::restore(Held held)
{
    held.amountAt.resize(held.lines.size());
    for (size_t i = 0; i < held.lines.size(); ++i)
        if (held.amountAt[i] && *held.amountAt[i] > held.lines[i].size()) held.amountAt[i].reset();
    lines_ = std::move(held.lines);
    amountAt_ = std::move(held.amountAt);
    pressStart_ = held.pressStart <= lines_.size() ? held.pressStart : 0;
    pressStarts_.clear();
    undone_ = {};
}

bool OutputSurface::startsPress(size_t row) const
{
    return std::binary_search(pressStarts_.begin(), pressStarts_.end(), row);
}

ShownLine OutputSurface::shownLine(size_t row) const
{
    if (row >= lines_.size()) return {};
    const std::string& line = lines_[row];
    if (!amountAt_[row]) return {line, std::nullopt};
    return {line.substr(0, *amountAt_[row]), shownAmount(std::string_view(line).substr(*amountAt_[row]))};
}

std::vector<std::vector<std::string>> OutputSurface::tableRows(size_t first, size_t count) const
{
    std::vector<std::vector<std::string>> rows;
    const size_t end = first + std::min(count, lines_.size() - std::min(first, lines_.size()));
    for (size_t i = first; i < end; ++i) {
        const std::string& line = lines_[i];
        if (!amountAt_[i]) {
            rows.push_back(line.empty() ? std::vector<std::string>{} : std::vector<std::string>{line});
            continue;
        }
        // The number text has a sign position and a trailing space; a
        // spreadsheet wants the bare number.
        std::string amount = line.substr(*amountAt_[i]);
        const size_t from = amount.find_first_not_of(' ');
        amount =
            from == std::string::npos ? std::string() : amount.substr(from, amount.find_last_not_of(' ') + 1 - from);
        rows.push_back({line.substr(0, *amountAt_[i]), amount});
    }
    return rows;
}

LineRange copiedLines(size_t lineCount, const std::optional<LineSelection>& selection)
{
    if (!selection || selection->anchor == selection->end) return {0, lineCount};
    const auto [from, to] = std::minmax(selection->anchor, selection->end);
    size_t last = to.line;
    if (to.column == 0 && last > from.line) --last;
    if (from.line >= lineCount) return {lineCount, 0};
    last = std::min(last, lineCount - 1);
    return {from.line, last - from.line + 1};
}

std::vector<std::vector<std::string>> OutputSurface::copiedRows(const std::optional<LineSelection>& selection) const
{
    const LineRange range = copiedLines(lines_.size(), selection);
    return tableRows(range.first, range.count);
}

std::string tabSeparated(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (size_t cell = 0; cell < row.size(); ++cell) {
            if (cell > 0) text += '\t';
            text += row[cell];
        }
        text += '\n';
    }
    return text;
}

std::string tableHtml(const std::vector<std::vector<std::string>>& rows)
{
    std::string html = "<table>";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const std::string& cell : row) {
            html += "<td>";
            for (const char c : cell) {
                switch (c) {
                case '&': html += "&amp;"; break;
                case '<': html += "&lt;"; break;
                case '>': html += "&gt;"; break;
                case '"': html += "&quot;"; break;
                default: html += c;
                }
            }
            html += "</td>";
        }
        html += "</tr>";
    }
    html += "</table>";
    return html;
}

std::string csvText(const std::vector<std::vector<std::string>>& rows)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& row : rows) {
        for (size_t cell = 0; cell < row.size(); ++cell) {
            if (cell > 0) csv += ',';
            const std::string& text = row[cell];
            if (text.find_first_of(",\"\r\n") == std::string::npos) {
                csv += text;
                continue;
            }
            csv += '"';
            for (const char c : text) {
                if (c == '"') csv += '"';
                csv += c;
            }
            csv += '"';
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace bk
