// The program's behaviour behind every window: start-up, the main window's
// lookup, the calculators' buttons, the moves between windows, and the
// reporting of arithmetic faults. A toolkit adapter draws what this decides
// and passes the user's actions in.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "app/window_registry.h"
#include "calc/calculator.h"
#include "calc/groups.h"
#include "calc/vouchers.h"
#include "lookup/subjects.h"
#include "window/toolkit.h"

namespace bk {

// The main window's buttons, by their CommandN number. Its 退出 and 取消 are
// numbered the other way round from a calculator's (see calc::CalcButton).
enum class MainButton : int {
    LookUp = 1,  // 确定: prints what the typed key names, or opens its windows
    Exit = 2,    // 退出: ends the program
    Clear = 3,   // 取消: clears the printed lines
};
// The main window's key box, by its TextN number.
constexpr int kKeyBox = 1;

class Application {
public:
    explicit Application(Toolkit& toolkit);

    // Creates and shows the main window.
    void start();

    // The user's actions. Each returns the reason why it could not be done
    // (the window is not visible, or has no such control), or nothing.
    std::optional<std::string> click(FormId form, ControlKind kind, int number);
    std::optional<std::string> setText(FormId form, int textNumber, std::string text);
    // The title-bar close box: 退出 of that window.
    std::optional<std::string> close(FormId form);
    // The window system brought this window to the front.
    void activated(FormId form);
    // What a text box that completes offers for the text typed so far: every
    // key that matches, however many (the list scrolls). Enter on one of
    // them puts it into the box and presses 确定; Enter with none chosen
    // presses 确定 on what was typed, where initials name their key.
    std::vector<std::string> completions(FormId form, int textNumber, std::string_view typed) const;
    // What a text box that browses offers: every key, by subject.
    const std::vector<lookup::Subject>& browseSubjects(FormId form, int textNumber) const;
    // Whether the Down arrow, pressed alone in that text box, opens the menu
    // of keys by subject: in a box that browses, while it is empty and no
    // list of completions is open. Otherwise the arrow is the box's own (with
    // the list open it moves in the list).
    bool downOpensBrowse(FormId form, int textNumber, bool completionsOpen) const;

    // 撤销清除: prints again the lines that 取消 (or the empty key on the
    // main window) erased, until the window's next press or print. Refused
    // like a click when the window is not visible; nothing happens when
    // there is nothing to bring back.
    std::optional<std::string> undoClear(FormId form);
    bool canUndoClear(FormId form) const;
    // 新建（清除全部）: every window's texts and lines are cleared, every
    // window closed, and the main window shown as at start-up.
    void clearAll();

    // The journal entries of the window's last press of 确定, as vouchers:
    // each under its heading, or under what the window is about (its key).
    std::vector<calc::Voucher> vouchers(FormId form) const;

    // What the windows hold, to keep across runs.
    SessionWork work() const;
    // Puts back what the windows held, before start(): texts of text boxes
    // the windows have and their printed lines. Windows that do not exist
    // are passed over.
    void restoreWork(const SessionWork& work);
    // Called after each change to what the windows hold (a text typed, a
    // press, a clear), so that a front end can save the work.
    void onChange(std::function<void()> listener) { changed_ = std::move(listener); }

    // A note for a calculator's text box whose text is not wholly a number
    // ("只读取了 12"), or nothing: the text box is marked and the note shown.
    std::optional<std::string> fieldNote(FormId form, int textNumber) const;

    // Whether derived money is rounded to the fen (the default) or kept
    // exact; the user's choice, which the front end remembers across runs.
    void setAmounts(calc::Amounts amounts) { amounts_ = amounts; }
    calc::Amounts amounts() const { return amounts_; }

    // The window's title now: the key or caption that last opened it, or
    // before that the title it starts with.
    std::string title(FormId form) const;

    bool ended() const { return ended_; }
    const WindowRegistry& windows() const { return windows_; }

    // The description of any window, laid out in twips.
    static WindowSpec windowSpec(FormId form);
    // Its fields by group, for a front end that lays them out itself: the
    // main window's key box alone, a calculator's groups column by column.
    static std::vector<calc::ControlGroup> windowGroups(FormId form);
    // The key whose address opens the window ("应收账款"); empty for the
    // main window.
    static std::string windowKey(FormId form);
    // The largest window number: windows are Form1 (the main window) to this.
    static FormId lastWindow();

private:
    std::optional<std::string> refusal(FormId form, ControlKind kind, int number) const;
    void pressMain(MainButton button);
    void pressCalculator(FormId form, calc::CalcButton button);
    void end();
    void showHint(const KeyHint& hint);
    // A calculator's note in its hint area (why a press printed nothing);
    // an empty note takes a shown one away.
    void showNote(FormId form, const KeyHint& note);
    void noteChange()
    {
        if (changed_) changed_();
    }

    Toolkit& toolkit_;
    std::function<void()> changed_;
    WindowRegistry windows_;
    bool ended_ = false;
    bool hintShown_ = false;
    std::map<FormId, std::string> notes_;  // the note each calculator's drawing shows
    calc::Amounts amounts_ = calc::Amounts::Fen;
};

}  // namespace bk
