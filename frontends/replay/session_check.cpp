#include "replay/session_check.h"

#include <algorithm>

#include "lookup/lookup_table.h"

namespace bk {

void SessionCheck::createWindow(const WindowSpec& spec, const WindowContent& content)
{
    const FormId form = spec.form;
    std::optional<std::string> wrong;
    if (drawn_.at(slot(form)))
        wrong = " was drawn twice";
    else if (!std::ranges::equal(content.lines, printed_.at(slot(form))))
        wrong = " was drawn without the lines printed on it";
    // What was typed into this window, its entries in typed_ being together.
    for (auto it = typed_.lower_bound({form, 0}); it != typed_.end() && it->first.first == form; ++it) {
        const auto given = content.texts.find(it->first.second);
        if (given == content.texts.end() || given->second != it->second)
            wrong = " was drawn without what was typed into Text" + std::to_string(it->first.second);
    }
    if (wrong && !broken_) broken_ = formName(form) + *wrong;
    drawn_.at(slot(form)) = true;
    screen_.createWindow(spec, content);
}

void SessionCheck::destroyWindow(FormId form)
{
    if (shown_.at(slot(form)) && !broken_) broken_ = formName(form) + "'s drawing was let go while it was shown";
    drawn_.at(slot(form)) = false;
    screen_.destroyWindow(form);
}

void SessionCheck::showWindow(FormId form)
{
    if (!drawn_.at(slot(form)) && !broken_) broken_ = formName(form) + " was shown before it was drawn";
    shown_.at(slot(form)) = true;
    screen_.showWindow(form);
}

void SessionCheck::hideWindow(FormId form)
{
    shown_.at(slot(form)) = false;
    screen_.hideWindow(form);
}

void SessionCheck::setTitle(FormId form, const std::string& title)
{
    if (!drawn_.at(slot(form)) && !broken_) broken_ = formName(form) + " was retitled without a drawing";
    screen_.setTitle(form, title);
}

void SessionCheck::printLine(FormId form, int row, const std::string& text)
{
    auto& lines = printed_.at(slot(form));
    if (row != static_cast<int>(lines.size()) && !broken_)
        broken_ = formName(form) + " printed at row " + std::to_string(row) + " after " + std::to_string(lines.size()) +
                  " lines";
    lines.push_back(text);
    screen_.printLine(form, row, text);
}

void SessionCheck::clearOutput(FormId form)
{
    printed_.at(slot(form)).clear();
    screen_.clearOutput(form);
}

void SessionCheck::showHint(FormId form, const KeyHint& hint)
{
    for (const std::string& key : hint.keys)
        if (lookup::LookupTable::instance().match(key).empty() && !broken_)
            broken_ = "the hint offers " + key + ", which is no key";
    screen_.showHint(form, hint);
}

void SessionCheck::showFault(FormId form, int code, const std::string& message)
{
    screen_.showFault(form, code, message);
}

void SessionCheck::quit()
{
    quit_ = true;
    screen_.quit();
}

void SessionCheck::typed(FormId form, int textNumber, std::string text)
{
    typed_[{form, textNumber}] = std::move(text);
}

void SessionCheck::restored(const Application& app)
{
    for (FormId form = kMainForm; form <= Application::lastWindow(); ++form) {
        const Window* w = app.windows().find(form);
        if (!w) continue;
        printed_.at(slot(form)) = w->output().lines();
        for (const auto& [number, text] : w->texts()) typed_[{form, number}] = text;
    }
}

std::optional<std::string> SessionCheck::verify(const Application& app) const
{
    if (broken_) return broken_;
    const WindowRegistry& windows = app.windows();
    if (app.ended() != quit_)
        return std::string("the program ended without telling the screen, or the other way round");
    if (!app.ended()) {
        const auto& visible = windows.visibleFrontFirst();
        if (visible.empty()) return std::string("no window is visible");
        for (FormId form = kMainForm; form <= Application::lastWindow(); ++form) {
            const bool thought = std::find(visible.begin(), visible.end(), form) != visible.end();
            if (thought != shown_[slot(form)])
                return formName(form) +
                       (thought ? " is thought visible but not shown" : " is shown but thought hidden");
            if (drawn_[slot(form)] != shown_[slot(form)]) return formName(form) + " is drawn while it is hidden";
        }
    }
    for (FormId form = kMainForm; form <= Application::lastWindow(); ++form) {
        const Window* w = windows.find(form);
        if (!w) {
            if (!printed_[slot(form)].empty()) return formName(form) + " printed before it existed";
            continue;
        }
        if (w->output().lines() != printed_[slot(form)])
            return formName(form) + "'s print area does not hold the lines printed on it";
    }
    for (const auto& [where, text] : typed_) {
        const Window* w = windows.find(where.first);
        if (!w || w->text(where.second) != text)
            return formName(where.first) + ".Text" + std::to_string(where.second) + " lost what was typed";
    }
    return std::nullopt;
}

}  // namespace bk
