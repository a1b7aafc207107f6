#include "app/application.h"

#include <algorithm>
#include <map>

#include "app/navigation.h"
#include "calc/layout.h"
#include "calc/press.h"
#include "lookup/completion.h"
#include "lookup/key_hint.h"
#include "lookup/lookup_table.h"
#include "num/field_text.h"

namespace bk {

namespace {

// The main window's print area is as wide as the longest line a key prints.
int widestPrintedLine()
{
    int widest = 0;
    for (const lookup::LookupRule& rule : lookup::LookupTable::instance().rules())
        for (const lookup::RuleAction& a : rule.actions)
            if (a.kind == lookup::RuleAction::Kind::PrintLine) widest = std::max(widest, textWidth(a.text));
    return widest;
}

// Carries out the lookup's actions on the main window. A window the key
// opens is titled with the key.
class MainWindowEffects : public lookup::LookupEffects {
public:
    MainWindowEffects(WindowRegistry& windows, std::string_view key) : windows_(windows), key_(key) {}
    void printLine(std::string_view text) override { windows_.get(kMainForm).output().printText(text); }
    void clearOutput() override { windows_.clearOutput(kMainForm); }
    void openWindow(FormId window) override
    {
        windows_.hide(kMainForm);
        windows_.setTitle(window, titleFor(key_));
        windows_.show(window);
    }

private:
    WindowRegistry& windows_;
    std::string_view key_;
};

}  // namespace

WindowSpec Application::windowSpec(FormId form)
{
    static const int widestLine = widestPrintedLine();
    WindowSpec spec = form == kMainForm ? calc::mainWindowSpec(widestLine) : calc::calculatorSpec(form);
    spec.title = windowTitle(form);
    return spec;
}

std::vector<calc::ControlGroup> Application::windowGroups(FormId form)
{
    if (form == kMainForm) return {{.column = 0, .heading = 0, .rows = {{.label = 1, .text = kKeyBox}}}};
    return calc::calculatorGroups(form);
}

std::string Application::windowKey(FormId form) { return bk::windowKey(form); }

FormId Application::lastWindow() { return calc::lastCalculator(); }

Application::Application(Toolkit& toolkit)
    : toolkit_(toolkit), windows_(toolkit, &Application::windowSpec, lastWindow())
{
}

void Application::start() { windows_.show(kMainForm); }

std::optional<std::string> Application::refusal(FormId form, ControlKind kind, int number) const
{
    if (ended_) return "the program has ended";
    const Window* w = windows_.find(form);
    if (!w || !w->visible()) return formName(form) + " is not visible";
    if (!w->control(kind, number)) {
        ControlSpec missing;
        missing.kind = kind;
        missing.number = number;
        return formName(form) + " has no " + controlName(missing);
    }
    return std::nullopt;
}

std::optional<std::string> Application::click(FormId form, ControlKind kind, int number)
{
    if (auto why = refusal(form, kind, number)) return why;
    if (kind == ControlKind::Button) {
        if (form == kMainForm)
            pressMain(static_cast<MainButton>(number));
        else
            pressCalculator(form, static_cast<calc::CalcButton>(number));
        noteChange();
    } else if (kind == ControlKind::Label) {
        // A caption that links opens the window its layout names.
        const ControlSpec* label = windows_.get(form).control(ControlKind::Label, number);
        if (label && label->opens) {
            windows_.setTitle(label->opens, titleFor(label->caption));
            windows_.show(label->opens);
        }
    }
    return std::nullopt;
}

std::optional<std::string> Application::setText(FormId form, int textNumber, std::string text)
{
    if (auto why = refusal(form, ControlKind::TextBox, textNumber)) return why;
    windows_.get(form).setText(textNumber, std::move(text));
    // A hint is about the key that was looked up; a new key makes it stale.
    if (form == kMainForm) showHint({});
    noteChange();
    return std::nullopt;
}

std::optional<std::string> Application::undoClear(FormId form)
{
    if (ended_) return "the program has ended";
    Window* w = windows_.find(form);
    if (!w || !w->visible()) return formName(form) + " is not visible";
    if (w->output().undoClear()) noteChange();
    return std::nullopt;
}

bool Application::canUndoClear(FormId form) const
{
    const Window* w = windows_.find(form);
    return !ended_ && w && w->visible() && w->output().canUndoClear();
}

void Application::clearAll()
{
    if (ended_) return;
    const std::vector<FormId> visible = windows_.visibleFrontFirst();
    for (FormId form : visible) windows_.hide(form);
    while (!notes_.empty()) showNote(notes_.begin()->first, {});
    for (FormId form = kMainForm; form <= lastWindow(); ++form) {
        Window* w = windows_.find(form);
        if (!w) continue;
        for (const auto& [number, text] : std::map<int, std::string>(w->texts())) w->setText(number, {});
        w->output().clear();
        w->output().restore({});  // nothing is put aside for 撤销清除 either
    }
    showHint({});
    windows_.show(kMainForm);
    noteChange();
}

std::vector<calc::Voucher> Application::vouchers(FormId form) const
{
    const Window* w = windows_.find(form);
    if (!w) return {};
    const OutputSurface& out = w->output();
    const size_t start = out.pressStart();
    std::string about = windowTitle(form);
    if (const size_t dash = about.find(" — "); dash != std::string::npos) about.resize(dash);
    return calc::readVouchers(out.tableRows(start, out.lines().size() - start), about);
}

SessionWork Application::work() const
{
    SessionWork work;
    for (FormId form = kMainForm; form <= lastWindow(); ++form) {
        const Window* w = windows_.find(form);
        if (!w) continue;
        WindowWork held{form, {}, w->output().held()};
        for (const auto& [number, text] : w->texts())
            if (!text.empty()) held.texts.emplace(number, text);
        if (!held.texts.empty() || !held.printed.lines.empty()) work.windows.push_back(std::move(held));
    }
    return work;
}

void Application::restoreWork(const SessionWork& work)
{
    for (const WindowWork& held : work.windows) {
        if (held.form < kMainForm || held.form > lastWindow()) continue;
        Window& w = windows_.get(held.form);
        for (const auto& [number, text] : held.texts)
            if (w.control(ControlKind::TextBox, number)) w.setText(number, text);
        w.output().restore(held.printed);
    }
}

void Application::showHint(const KeyHint& hint)
{
    if (hint.message.empty() && !hintShown_) return;
    hintShown_ = !hint.message.empty();
    toolkit_.showHint(kMainForm, hint);
}

void Application::showNote(FormId form, const KeyHint& note)
{
    auto shown = notes_.find(form);
    if (shown == notes_.end() ? note.message.empty() : shown->second == note.message) return;
    if (note.message.empty())
        notes_.erase(form);
    else
        notes_[form] = note.message;
    toolkit_.showHint(form, note);
}

std::optional<std::string> Application::fieldNote(FormId form, int textNumber) const
{
    const Window* w = windows_.find(form);
    if (form == kMainForm || !w || !w->control(ControlKind::TextBox, textNumber)) return std::nullopt;
    return bk::fieldNote(w->text(textNumber), calc::fieldForm(form, textNumber), calc::fieldDefault(form, textNumber));
}

std::optional<std::string> Application::close(FormId form)
{
    if (ended_) return "the program has ended";
    const Window* w = windows_.find(form);
    if (!w || !w->visible()) return formName(form) + " is not visible";
    const int exit = form == kMainForm ? static_cast<int>(MainButton::Exit) : static_cast<int>(calc::CalcButton::Exit);
    return click(form, ControlKind::Button, exit);
}

std::string Application::title(FormId form) const
{
    const Window* w = windows_.find(form);
    return w ? w->spec().title : windowTitle(form);
}

void Application::activated(FormId form) { windows_.noteActivated(form); }

std::vector<std::string> Application::completions(FormId form, int textNumber, std::string_view typed) const
{
    std::vector<std::string> keys;
    if (form != kMainForm || textNumber != kKeyBox) return keys;
    for (std::string_view key : lookup::completions(typed)) keys.emplace_back(key);
    return keys;
}

const std::vector<lookup::Subject>& Application::browseSubjects(FormId form, int textNumber) const
{
    static const std::vector<lookup::Subject> none;
    if (form != kMainForm || textNumber != kKeyBox) return none;
    return lookup::browseSubjects();
}

bool Application::downOpensBrowse(FormId form, int textNumber, bool completionsOpen) const
{
    if (completionsOpen || refusal(form, ControlKind::TextBox, textNumber)) return false;
    const Window& w = *windows_.find(form);
    return w.control(ControlKind::TextBox, textNumber)->browses && w.text(textNumber).empty() &&
           !browseSubjects(form, textNumber).empty();
}

void Application::pressMain(MainButton button)
{
    switch (button) {
    case MainButton::LookUp: {
        // The key is read once: no action changes the text box. Spaces
        // around it are no part of any key; a text of spaces alone is not
        // the empty key, which clears the printed lines. Pinyin initials
        // stand for the key they name.
        const std::string typed = windows_.get(kMainForm).text(kKeyBox);
        std::string_view key = lookup::trimKey(typed);
        const auto& table = lookup::LookupTable::instance();
        if (!key.empty() && table.match(key).empty())
            if (auto named = lookup::keyForInitials(key)) key = *named;
        if ((key.empty() && !typed.empty()) || table.match(key).empty()) {
            showHint(lookup::unknownKeyHint(typed));
            break;
        }
        showHint({});
        MainWindowEffects effects(windows_, key);
        windows_.get(kMainForm).output().beginPress();
        table.lookup(key, effects);
        break;
    }
    case MainButton::Exit: end(); break;
    case MainButton::Clear: windows_.clearOutput(kMainForm); break;
    }
}

void Application::pressCalculator(FormId form, calc::CalcButton button)
{
    Window& w = windows_.get(form);
    switch (button) {
    case calc::CalcButton::Compute: {
        // A fault stops the press at its step; what it printed before stays,
        // and the program carries on after the message. A press that printed
        // nothing says which fields it needs.
        const calc::PressOutcome outcome = calc::press(calc::calculatorDef(form), w.texts(), w.output(), amounts_);
        showNote(form, {outcome.emptyNote, {}, {}});
        if (outcome.fault) toolkit_.showFault(form, static_cast<int>(*outcome.fault), outcome.faultText());
        break;
    }
    case calc::CalcButton::Clear:
        showNote(form, {});
        windows_.clearOutput(form);
        break;
    case calc::CalcButton::Exit:
        showNote(form, {});  // a window opened again starts without it
        windows_.hide(form);
        windows_.show(returnWindow(form));
        break;
    }
}

void Application::end()
{
    ended_ = true;
    toolkit_.quit();
}

}  // namespace bk
