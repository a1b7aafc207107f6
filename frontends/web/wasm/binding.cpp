// The web edition's entry points: the page's script creates one Session,
// passes the user's actions in and draws the events each action returns.
// Everything a user sees (windows, captions, layout, lines, hints, faults)
// comes from the core; this file only converts between C++ and JavaScript.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/session.h"
#include "calc/general_standard.h"
#include "calc/vouchers.h"
#include "lookup/completion.h"
#include "lookup/lookup_table.h"
#include "num/number_text.h"
#include "web/wasm/web_toolkit.h"
#include "window/output_surface.h"
#include "window/ui_texts.h"

using emscripten::val;

namespace bk {

namespace {

val strings(const auto& items)
{
    val out = val::array();
    for (const auto& s : items) out.call<void>("push", std::string(s));
    return out;
}

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "text";
    case ControlKind::Button: return "button";
    }
    return "label";
}

const char* eventName(WebEvent::Kind kind)
{
    switch (kind) {
    case WebEvent::Kind::Create: return "create";
    case WebEvent::Kind::Show: return "show";
    case WebEvent::Kind::Hide: return "hide";
    case WebEvent::Kind::Print: return "print";
    case WebEvent::Kind::Clear: return "clear";
    case WebEvent::Kind::Hint: return "hint";
    case WebEvent::Kind::Fault: return "fault";
    case WebEvent::Kind::Quit: return "quit";
    }
    return "";
}

std::optional<ControlKind> kindOf(const std::string& name)
{
    if (name == "label") return ControlKind::Label;
    if (name == "text") return ControlKind::TextBox;
    if (name == "button") return ControlKind::Button;
    return std::nullopt;
}

bool validForm(int form) { return form >= kMainForm && form <= Application::lastWindow(); }

val rect(const Rect& r)
{
    val out = val::object();
    out.set("left", r.left);
    out.set("top", r.top);
    out.set("width", r.width);
    out.set("height", r.height);
    return out;
}

}  // namespace

class Session {
public:
    Session() : app_(toolkit_) {}

    // Each action returns {refused: "" or why, events: [...]}.
    val start()
    {
        if (!started_) app_.start();
        started_ = true;
        return result({});
    }
    val click(int form, const std::string& kind, int number)
    {
        auto k = kindOf(kind);
        if (!k || !validForm(form)) return result("no such control");
        return result(app_.click(form, *k, number));
    }
    val setText(int form, int number, const std::string& text)
    {
        if (!validForm(form)) return result("no such window");
        return result(app_.setText(form, number, text));
    }
    val close(int form)
    {
        if (!validForm(form)) return result("no such window");
        return result(app_.close(form));
    }
    void activated(int form)
    {
        if (validForm(form) && !app_.ended()) app_.activated(form);
    }

    bool ended() const { return app_.ended(); }

    val completions(int form, int number, const std::string& typed) const
    {
        return validForm(form) ? strings(app_.completions(form, number, typed)) : val::array();
    }

    // A key as the completion list shows it (one of the general standard marked).
    std::string shownKey(const std::string& key) const { return lookup::shownKey(key); }
    val subjects(int form, int number) const
    {
        val out = val::array();
        if (!validForm(form)) return out;
        for (const lookup::Subject& subject : app_.browseSubjects(form, number)) {
            val items = val::array();
            for (const lookup::BrowseItem& item : subject.items) {
                if (item.keys.empty()) continue;
                val i = val::object();
                i.set("label", item.label);
                i.set("shown",
                      item.generalStandard ? item.label + std::string(calc::kGeneralStandardMark) : item.label);
                i.set("key", std::string(item.keys.front()));
                items.call<void>("push", i);
            }
            val s = val::object();
            s.set("name", std::string(subject.name));
            s.set("items", items);
            out.call<void>("push", s);
        }
        return out;
    }
    // Whether derived money is rounded to the fen (the default) or kept exact.
    void setAmountsToFen(bool fen) { app_.setAmounts(fen ? calc::Amounts::Fen : calc::Amounts::Exact); }
    bool amountsToFen() const { return app_.amounts() == calc::Amounts::Fen; }
    // What a box whose text is not wholly a number says about it, or "".
    std::string fieldNote(int form, int number) const
    {
        return validForm(form) ? app_.fieldNote(form, number).value_or(std::string()) : std::string();
    }
    val visible() const
    {
        val out = val::array();
        for (FormId f : app_.windows().visibleFrontFirst()) out.call<void>("push", f);
        return out;
    }
    // The lines the window's print area holds now.
    val lines(int form) const
    {
        const Window* w = validForm(form) ? app_.windows().find(form) : nullptr;
        return w ? strings(w->output().lines()) : val::array();
    }
    // The texts the window's boxes hold: {number: text}.
    val texts(int form) const
    {
        val out = val::object();
        if (const Window* w = validForm(form) ? app_.windows().find(form) : nullptr)
            for (const auto& [number, text] : w->texts()) out.set(number, text);
        return out;
    }
    bool downOpensBrowse(int form, int number, bool completionsOpen) const
    {
        return validForm(form) && app_.downOpensBrowse(form, number, completionsOpen);
    }
    // The printed lines that 复制为表格 copies for a selection of them
    // ({anchorLine, anchorColumn, endLine, endColumn}, or null for none) as
    // spreadsheet rows, and the same rows as tab-separated text and as an
    // HTML table.
    val table(int form, val selection) const
    {
        val out = val::object();
        const Window* w = validForm(form) ? app_.windows().find(form) : nullptr;
        std::optional<LineSelection> selected;
        if (selection.typeOf().as<std::string>() == "object" && !selection.isNull()) {
            auto at = [&selection](const char* name) {
                const double n = selection[name].isNumber() ? selection[name].as<double>() : 0;
                return n > 0 && n < 1e9 ? static_cast<size_t>(n) : size_t{0};
            };
            selected = LineSelection{{at("anchorLine"), at("anchorColumn")}, {at("endLine"), at("endColumn")}};
        }
        const auto rows = w ? w->output().copiedRows(selected) : std::vector<std::vector<std::string>>{};
        val cells = val::array();
        for (const auto& row : rows) cells.call<void>("push", strings(row));
        out.set("rows", cells);
        out.set("tsv", tabSeparated(rows));
        out.set("html", tableHtml(rows));
        return out;
    }

    // 撤销清除 and 新建（清除全部）.
    val undoClear(int form)
    {
        if (!validForm(form)) return result("no such window");
        return result(app_.undoClear(form));
    }
    bool canUndoClear(int form) const { return validForm(form) && app_.canUndoClear(form); }
    val clearAll()
    {
        app_.clearAll();
        return result({});
    }

    // The entries of the window's last press as the voucher view shows
    // them, with the date and 附件 the user filled in: {vouchers: [{summary,
    // lines: [{account, accounts, accountsShown, shown, debit, amount, text}], debits,
    // credits, capital, balanced, difference, debitsText, creditsText,
    // differenceText}], csv, tsv, html}; amounts as a voucher shows them, the
    // *Text ones as number text. `choices[k][i]` is the account chosen for
    // line i of voucher k among its `accounts` (the first when not given).
    val vouchers(int form, const std::string& date, const std::string& attachments, val choices) const
    {
        std::vector<calc::Voucher> found = validForm(form) ? app_.vouchers(form) : std::vector<calc::Voucher>{};
        calc::AccountChoices chosen;
        if (choices.isArray()) {
            for (const val& forVoucher : emscripten::vecFromJSArray<val>(choices)) {
                std::vector<size_t> lines;
                if (forVoucher.isArray())
                    for (const int n : emscripten::vecFromJSArray<int>(forVoucher))
                        lines.push_back(n < 0 ? SIZE_MAX : size_t(n));
                chosen.push_back(std::move(lines));
            }
        }
        calc::chooseAccounts(found, chosen);
        val list = val::array();
        for (const calc::Voucher& v : found) {
            val lines = val::array();
            for (const calc::EntryLine& l : v.lines) {
                val line = val::object();
                line.set("account", l.account);
                val accounts = val::array();
                val accountsShown = val::array();
                for (const std::string& a : l.accounts) {
                    accounts.call<void>("push", a);
                    accountsShown.call<void>("push", calc::shownAccount(a));
                }
                line.set("accounts", accounts);
                line.set("accountsShown", accountsShown);
                line.set("shown", calc::shownAccount(l));
                line.set("debit", l.debit);
                line.set("amount", fenAmount(l.amount));
                line.set("text", l.amountText);
                lines.call<void>("push", line);
            }
            val out = val::object();
            out.set("summary", v.summary);
            out.set("lines", lines);
            out.set("debits", fenAmount(v.debits));
            out.set("credits", fenAmount(v.credits));
            out.set("capital", calc::voucherCapital(v.debits));
            out.set("balanced", v.balanced());
            out.set("difference", fenAmount(v.difference()));
            out.set("debitsText", calc::bareNumber(v.debits));
            out.set("creditsText", calc::bareNumber(v.credits));
            out.set("differenceText", calc::bareNumber(v.difference()));
            list.call<void>("push", out);
        }
        const auto rows = calc::voucherRows(found, {date, attachments});
        val out = val::object();
        out.set("vouchers", list);
        out.set("csv", csvText(rows));
        out.set("tsv", tabSeparated(rows));
        out.set("html", tableHtml(rows));
        return out;
    }

    // What the windows hold, as the session text to keep in the browser.
    std::string work() const { return writeSession(app_.work()); }
    // Puts back what a session text holds, before start(); false, and
    // nothing put back, when it cannot be read.
    bool restoreWork(const std::string& text)
    {
        if (started_) return false;
        const std::optional<SessionWork> work = readSession(text);
        if (work) app_.restoreWork(*work);
        return work.has_value();
    }

private:
    val result(const std::optional<std::string>& refusal)
    {
        val out = val::object();
        out.set("refused", refusal.value_or(std::string()));
        val events = val::array();
        for (const WebEvent& e : toolkit_.take()) {
            val v = val::object();
            v.set("kind", std::string(eventName(e.kind)));
            v.set("form", e.form);
            if (e.kind == WebEvent::Kind::Print) {
                v.set("row", e.row);
                v.set("text", e.text);
            } else if (e.kind == WebEvent::Kind::Hint) {
                v.set("text", e.text);
                v.set("keys", strings(e.keys));
                v.set("shown", strings(e.shown));
            } else if (e.kind == WebEvent::Kind::Show) {
                v.set("title", e.text);
            } else if (e.kind == WebEvent::Kind::Fault) {
                v.set("code", e.row);
                v.set("text", e.text);
            }
            events.call<void>("push", v);
        }
        out.set("events", events);
        return out;
    }

    WebToolkit toolkit_;
    Application app_;
    bool started_ = false;
};

// The description of any window, laid out in twips, with its fields by
// group for the page's own layout and the key its address names.
val windowSpec(int form)
{
    if (!validForm(form)) return val::null();
    const WindowSpec spec = Application::windowSpec(form);
    val out = val::object();
    out.set("form", spec.form);
    out.set("name", formName(spec.form));
    out.set("title", spec.title);
    out.set("width", spec.widthTwips);
    out.set("height", spec.heightTwips);
    out.set("printArea", rect(spec.printArea));
    out.set("hintArea", spec.hintArea.width > 0 ? rect(spec.hintArea) : val::null());
    out.set("enterPresses", spec.enterPresses);
    val controls = val::array();
    for (const ControlSpec& c : spec.controls) {
        val v = val::object();
        v.set("kind", std::string(kindName(c.kind)));
        v.set("number", c.number);
        v.set("name", controlName(c));
        v.set("caption", c.caption);
        v.set("left", c.rect.left);
        v.set("top", c.rect.top);
        v.set("width", c.rect.width);
        v.set("height", c.rect.height);
        v.set("opens", c.opens);
        v.set("completes", c.completes);
        v.set("browses", c.browses);
        v.set("buddy", c.buddy);
        v.set("tip", c.tip);
        v.set("placeholder", c.placeholder);
        controls.call<void>("push", v);
    }
    out.set("controls", controls);
    val groups = val::array();
    for (const calc::ControlGroup& g : Application::windowGroups(form)) {
        val rows = val::array();
        for (const calc::GroupRow& r : g.rows) {
            val row = val::object();
            row.set("label", r.label);
            row.set("text", r.text);
            rows.call<void>("push", row);
        }
        val group = val::object();
        group.set("column", g.column);
        group.set("heading", g.heading);
        group.set("rows", rows);
        groups.call<void>("push", group);
    }
    out.set("groups", groups);
    out.set("key", Application::windowKey(form));
    return out;
}

// An amount as a field takes it (wholly a number) in capital figures:
// {ok, capital}; ok false for a text that is not such an amount, capital ""
// for an amount too large to be written so.
val capital(const std::string& amount)
{
    val out = val::object();
    bool ok = false;
    std::string text;
    try {
        const FieldNumber field = readField(amount);
        ok = field.found && field.whole;
        if (ok) text = calc::voucherCapital(field.value);
    } catch (const ArithmeticFault&) {
        ok = false;
    }
    out.set("ok", ok);
    out.set("capital", text);
    return out;
}

val uiTexts()
{
    val out = val::object();
    out.set("programName", std::string(ui_texts::kProgramName));
    out.set("faultTitle", std::string(ui_texts::kFaultTitle));
    out.set("ok", std::string(ui_texts::kOk));
    out.set("printArea", std::string(ui_texts::kPrintArea));
    out.set("copy", std::string(ui_texts::kCopy));
    out.set("selectAll", std::string(ui_texts::kSelectAll));
    out.set("copyAsTable", std::string(ui_texts::kCopyAsTable));
    out.set("browse", std::string(ui_texts::kBrowse));
    out.set("hintKeyAction", std::string(ui_texts::kHintKeyAction));
    out.set("close", std::string(ui_texts::kClose));
    out.set("ended", std::string(ui_texts::kEnded));
    out.set("restart", std::string(ui_texts::kRestart));
    out.set("optionsMenu", std::string(ui_texts::kOptionsMenu));
    out.set("amountsToFen", std::string(ui_texts::kAmountsToFen));
    out.set("amountsToFenShortcut", std::string(ui_texts::kAmountsToFenShortcut));
    out.set("settingsSetAside", std::string(ui_texts::kSettingsSetAside));
    out.set("settingsDefaults", std::string(ui_texts::kSettingsDefaults));
    out.set("completions", std::string(ui_texts::kCompletions));
    out.set("openWindows", std::string(ui_texts::kOpenWindows));
    namespace t = ui_texts;
    for (const auto& [name, text] : std::initializer_list<std::pair<const char*, std::string_view>>{
             {"fileMenu", t::kFileMenu},
             {"editMenu", t::kEditMenu},
             {"makeVouchers", t::kMakeVouchers},
             {"undoClear", t::kUndoClear},
             {"clearAll", t::kClearAll},
             {"clearAllQuestion", t::kClearAllQuestion},
             {"voucher", t::kVoucher},
             {"voucherNumber", t::kVoucherNumber},
             {"date", t::kDate},
             {"attachments", t::kAttachments},
             {"sheets", t::kSheets},
             {"attachmentCount", t::kAttachmentCount},
             {"summary", t::kSummary},
             {"account", t::kAccount},
             {"debitAmount", t::kDebitAmount},
             {"creditAmount", t::kCreditAmount},
             {"total", t::kTotal},
             {"capitalAmount", t::kCapitalAmount},
             {"unbalanced", t::kUnbalanced},
             {"noVouchers", t::kNoVouchers},
             {"print", t::kPrint},
             {"saveCsv", t::kSaveCsv},
             {"sessionUnreadable", t::kSessionUnreadable},
             {"sessionFreshStart", t::kSessionFreshStart},
         })
        out.set(name, std::string(text));
    out.set("lastForm", Application::lastWindow());
    return out;
}

}  // namespace bk

EMSCRIPTEN_BINDINGS(bookkeeper)
{
    emscripten::class_<bk::Session>("Session")
        .constructor<>()
        .function("start", &bk::Session::start)
        .function("click", &bk::Session::click)
        .function("setText", &bk::Session::setText)
        .function("close", &bk::Session::close)
        .function("activated", &bk::Session::activated)
        .function("ended", &bk::Session::ended)
        .function("completions", &bk::Session::completions)
        .function("shownKey", &bk::Session::shownKey)
        .function("subjects", &bk::Session::subjects)
        .function("fieldNote", &bk::Session::fieldNote)
        .function("setAmountsToFen", &bk::Session::setAmountsToFen)
        .function("amountsToFen", &bk::Session::amountsToFen)
        .function("visible", &bk::Session::visible)
        .function("lines", &bk::Session::lines)
        .function("texts", &bk::Session::texts)
        .function("downOpensBrowse", &bk::Session::downOpensBrowse)
        .function("table", &bk::Session::table)
        .function("undoClear", &bk::Session::undoClear)
        .function("canUndoClear", &bk::Session::canUndoClear)
        .function("clearAll", &bk::Session::clearAll)
        .function("vouchers", &bk::Session::vouchers)
        .function("work", &bk::Session::work)
        .function("restoreWork", &bk::Session::restoreWork);
    emscripten::function("capital", &bk::capital);
    emscripten::function("windowSpec", &bk::windowSpec);
    emscripten::function("uiTexts", &bk::uiTexts);
}
