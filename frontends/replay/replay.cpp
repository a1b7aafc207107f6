#include "replay/replay.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/application.h"
#include "app/navigation.h"
#include "lookup/lookup_table.h"
#include "num/number_text.h"
#include "replay/recording_toolkit.h"
#include "replay/session_check.h"

namespace bk {

namespace {

struct Target {
    FormId form = 0;
    ControlKind kind = ControlKind::Button;
    int number = 0;
    bool hasControl = false;
};

// A positive decimal number without sign or leading zero.
std::optional<int> parseCount(std::string_view s)
{
    if (s.empty() || s.size() > 6 || s[0] == '0') return std::nullopt;
    for (char ch : s)
        if (ch < '0' || ch > '9') return std::nullopt;
    int n = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return n;
}

std::optional<FormId> parseForm(std::string_view s)
{
    if (!s.starts_with("Form")) return std::nullopt;
    auto n = parseCount(s.substr(4));
    if (!n || *n < kMainForm || *n > Application::lastWindow()) return std::nullopt;
    return *n;
}

// "FormN" or "FormN.Control".
std::optional<Target> parseTarget(std::string_view s)
{
    Target t;
    const size_t dot = s.find('.');
    auto form = parseForm(s.substr(0, dot));
    if (!form) return std::nullopt;
    t.form = *form;
    if (dot == std::string_view::npos) return t;
    std::string_view control = s.substr(dot + 1);
    for (auto [prefix, kind] : {std::pair{"Text", ControlKind::TextBox}, std::pair{"Label", ControlKind::Label},
                                std::pair{"Command", ControlKind::Button}}) {
        std::string_view p(prefix);
        if (!control.starts_with(p)) continue;
        auto n = parseCount(control.substr(p.size()));
        if (!n) return std::nullopt;
        t.kind = kind;
        t.number = *n;
        t.hasControl = true;
        return t;
    }
    return std::nullopt;
}

class Session {
public:
    // With a session file, the work it holds is put back before the start;
    // a file that cannot be read is set aside and reported on `errors`.
    Session(std::ostream& log, std::ostream& errors, std::string file)
        : log_(log), toolkit_(log), check_(toolkit_), app_(check_), file_(std::move(file))
    {
        if (!file_.empty()) {
            const SessionLoad load = loadSessionFile(file_);
            if (load.work) {
                app_.restoreWork(*load.work);
                check_.restored(app_);
            }
            if (load.unreadable) {
                errors << "bookkeeper-replay: session " << file_ << " cannot be read; ";
                if (load.setAsideAs.empty()) {
                    errors << "it stays where it is and this run is not saved\n";
                    file_.clear();  // never written over unread
                } else {
                    errors << "set aside as " << load.setAsideAs << '\n';
                }
            }
        }
        app_.start();
    }

    // Saves the work to the session file, if there is one; false when it
    // could not be written.
    bool save() const { return file_.empty() || saveSessionFile(file_, app_.work()); }

    bool ended() const { return app_.ended(); }
    // What the session so far broke of the program's promises to its user.
    std::optional<std::string> broken() const { return check_.verify(app_); }
    // What the last line expected and the print area did not hold.
    std::optional<std::string> takeUnmet() { return std::exchange(unmet_, std::nullopt); }

    // Runs one script line; false if it is malformed.
    bool run(std::string_view line)
    {
        const size_t space = line.find(' ');
        const std::string_view verb = line.substr(0, space);
        const std::string_view rest = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);

        if (verb == "state" && space == std::string_view::npos) {
            log_ << "> " << line << '\n' << "visible:";
            for (FormId f : app_.windows().visibleFrontFirst()) log_ << ' ' << formName(f);
            log_ << '\n';
            return true;
        }
        if (verb == "subjects" && space == std::string_view::npos) {
            log_ << "> " << line << '\n';
            for (const lookup::Subject& subject : app_.browseSubjects(kMainForm, kKeyBox)) {
                log_ << "subject " << subject.name << '\n';
                for (const lookup::BrowseItem& item : subject.items) log_ << "key " << item.label << '\n';
            }
            return true;
        }
        if (verb == "rules" && space == std::string_view::npos) {
            log_ << "> " << line << '\n';
            for (const lookup::LookupRule& rule : lookup::LookupTable::instance().rules()) {
                log_ << "rule " << rule.number << " [" << rule.key << ']';
                for (const lookup::RuleAction& a : rule.actions)
                    if (a.kind == lookup::RuleAction::Kind::OpenWindow) log_ << ' ' << formName(a.window);
                log_ << '\n';
            }
            return true;
        }
        if (verb == "windows" && space == std::string_view::npos) {
            log_ << "> " << line << '\n';
            for (FormId f = kMainForm; f <= Application::lastWindow(); ++f) {
                log_ << "form " << formName(f) << " [" << app_.title(f) << ']';
                if (f != kMainForm) log_ << ' ' << formName(returnWindow(f));
                log_ << '\n';
            }
            return true;
        }
        if (verb == "amounts" && (rest == "fen" || rest == "exact")) {
            log_ << "> " << line << '\n';
            app_.setAmounts(rest == "fen" ? calc::Amounts::Fen : calc::Amounts::Exact);
            return true;
        }
        if (verb == "set") {
            // The text is everything after the one space that follows TextK.
            const size_t gap = rest.find(' ');
            auto t = parseTarget(rest.substr(0, gap));
            if (!t || !t->hasControl || t->kind != ControlKind::TextBox) return false;
            std::string text(gap == std::string_view::npos ? std::string_view{} : rest.substr(gap + 1));
            log_ << "> " << line << '\n';
            if (!report(app_.setText(t->form, t->number, text))) check_.typed(t->form, t->number, std::move(text));
            return true;
        }
        if (verb == "expect") return expect(rest);
        if (verb == "daxie") {
            // AMOUNT is an amount as a field takes it, wholly a number.
            std::optional<Num> amount;
            try {
                const FieldNumber field = readField(rest);
                if (field.found && field.whole) amount = field.value;
            } catch (const ArithmeticFault&) {
                // beyond every amount
            }
            if (!amount) return false;
            log_ << "> " << line << '\n';
            const std::string capital = calc::voucherCapital(*amount);
            log_ << "daxie [" << rest << "] [" << capital << "]\n";
            return true;
        }
        if (verb == "new" && space == std::string_view::npos) {
            log_ << "> " << line << '\n';
            check_.clearedAll();
            app_.clearAll();
            return true;
        }
        auto t = parseTarget(rest);
        if (!t || rest.find(' ') != std::string_view::npos) return false;
        if (verb == "click" && t->hasControl && t->kind != ControlKind::TextBox) {
            log_ << "> " << line << '\n';
            report(app_.click(t->form, t->kind, t->number));
            return true;
        }
        if (verb == "undo" && !t->hasControl) {
            log_ << "> " << line << '\n';
            report(app_.undoClear(t->form));
            return true;
        }
        if (verb == "vouchers" && !t->hasControl) {
            log_ << "> " << line << '\n';
            writeVouchers(t->form);
            return true;
        }
        if (verb == "close" && !t->hasControl) {
            log_ << "> " << line << '\n';
            report(app_.close(t->form));
            return true;
        }
        if (verb == "controls" && !t->hasControl) {
            log_ << "> " << line << '\n';
            writeControls(t->form);
            return true;
        }
        if (verb == "screen" && !t->hasControl) {
            log_ << "> " << line << '\n';
            if (const Window* w = app_.windows().find(t->form)) {
                const auto& lines = w->output().lines();
                for (size_t row = 0; row < lines.size(); ++row)
                    log_ << "screen " << formName(t->form) << ' ' << row << " [" << lines[row] << "]\n";
            }
            return true;
        }
        return false;
    }

private:
    // "FormN [TEXT]": some line of the print area is exactly TEXT.
    // "FormN CAPTION AMOUNT": the last result line with that caption prints
    // an amount equal to AMOUNT, a decimal number, as an exact number
    // ("1000", "1000.00" and "1E+3" all match " 1000 "); AMOUNT "-" means
    // the caption alone, a value never assigned. Nothing is logged; a miss is kept for takeUnmet.
    bool expect(std::string_view rest)
    {
        const size_t gap = rest.find(' ');
        auto t = parseTarget(rest.substr(0, gap));
        if (!t || t->hasControl || gap == std::string_view::npos) return false;
        const std::string_view what = rest.substr(gap + 1);
        static const std::vector<std::string> none;
        const Window* w = app_.windows().find(t->form);
        const std::vector<std::string>& lines = w ? w->output().lines() : none;

        if (what.size() >= 2 && what.front() == '[' && what.back() == ']') {
            const std::string_view text = what.substr(1, what.size() - 2);
            if (std::find(lines.begin(), lines.end(), text) == lines.end())
                unmet_ = "expected " + std::string(rest) + ", printed no such line";
            return true;
        }

        const size_t last = what.rfind(' ');
        if (last == std::string_view::npos) return false;
        const std::string_view caption = what.substr(0, last);
        const std::string_view amountText = what.substr(last + 1);
        std::optional<Num> amount;  // none: the caption alone
        if (amountText != "-") {
            // A plain decimal number: digits, a point, a sign, an exponent.
            if (amountText.find_first_not_of("0123456789.+-Ee") != std::string_view::npos) return false;
            try {
                const FieldNumber field = readField(amountText);
                if (!field.found || !field.whole) return false;
                amount = field.value;
            } catch (const ArithmeticFault&) {
                return false;
            }
        }

        std::vector<std::vector<std::string>> rows;  // a result line: its caption and its bare amount
        if (w) rows = w->output().tableRows(0, lines.size());
        std::optional<size_t> found;
        for (size_t row = rows.size(); row-- > 0;)
            if (rows[row].size() == 2 && rows[row][0] == caption) {
                found = row;
                break;
            }
        if (!found) {
            unmet_ = "expected " + std::string(rest) + ", printed no such line";
            return true;
        }
        const std::string& printed = rows[*found][1];
        bool met = printed.empty() == !amount;
        if (amount && met) {
            // The largest amounts print rounded up beyond the largest double
            // ("1.79769313486232E+308"), which no AMOUNT read above can equal.
            try {
                met = readNumber(printed) == *amount;
            } catch (const ArithmeticFault&) {
                met = false;
            }
        }
        if (!met) unmet_ = "expected " + std::string(rest) + ", printed [" + lines[*found] + "]";
        return true;
    }

    // The window as drawn: its client size, then each control in tab order
    // with its twip rectangle and caption (and its tooltip and its
    // placeholder text, if it has them),
    // then any two controls that overlap and any control that reaches
    // outside the client area.
    void writeControls(FormId form)
    {
        const WindowSpec spec = Application::windowSpec(form);
        const std::string name = formName(form);
        log_ << "window " << name << ' ' << spec.widthTwips << ' ' << spec.heightTwips << '\n';
        for (const ControlSpec& c : spec.controls) {
            const char* kind = c.kind == ControlKind::Label     ? "label"
                               : c.kind == ControlKind::TextBox ? "text"
                                                                : "button";
            log_ << "control " << name << ' ' << controlName(c) << ' ' << kind << ' ' << c.rect.left << ' '
                 << c.rect.top << ' ' << c.rect.width << ' ' << c.rect.height << " [" << c.caption << "]\n";
            if (!c.tip.empty()) log_ << "tip " << name << ' ' << controlName(c) << " [" << c.tip << "]\n";
            if (!c.placeholder.empty())
                log_ << "placeholder " << name << ' ' << controlName(c) << " [" << c.placeholder << "]\n";
        }
        const auto& cs = spec.controls;
        for (size_t i = 0; i < cs.size(); ++i) {
            const Rect& a = cs[i].rect;
            if (a.left < 0 || a.top < 0 || a.right() > spec.widthTwips || a.bottom() > spec.heightTwips)
                log_ << "outside " << name << ' ' << controlName(cs[i]) << '\n';
            for (size_t j = i + 1; j < cs.size(); ++j) {
                if (a.overlaps(cs[j].rect))
                    log_ << "overlap " << name << ' ' << controlName(cs[i]) << ' ' << controlName(cs[j]) << '\n';
            }
        }
    }

    // The entries of the window's last press as the voucher view shows
    // them: a voucher line with its totals, its lines, and the difference
    // of an entry that does not balance.
    void writeVouchers(FormId form)
    {
        const std::string name = formName(form);
        const std::vector<calc::Voucher> vouchers = app_.vouchers(form);
        for (size_t k = 0; k < vouchers.size(); ++k) {
            const calc::Voucher& v = vouchers[k];
            log_ << "voucher " << name << ' ' << k + 1 << " [" << v.summary << "] " << calc::bareNumber(v.debits) << ' '
                 << calc::bareNumber(v.credits) << " [" << calc::voucherCapital(v.debits) << "]\n";
            for (const calc::EntryLine& l : v.lines)
                log_ << "line " << name << ' ' << k + 1 << (l.debit ? " 借 [" : " 贷 [") << l.account << "] "
                     << l.amountText << '\n';
            if (!v.balanced())
                log_ << "unbalanced " << name << ' ' << k + 1 << ' ' << calc::bareNumber(v.difference()) << '\n';
        }
    }

    // Logs a refusal; true if the action was refused.
    bool report(const std::optional<std::string>& refusal)
    {
        if (refusal) log_ << "refused " << *refusal << '\n';
        return refusal.has_value();
    }

    std::ostream& log_;
    RecordingToolkit toolkit_;
    SessionCheck check_;
    Application app_;
    std::string file_;
    std::optional<std::string> unmet_;
};

}  // namespace

int runReplay(std::istream& script, std::ostream& log, std::ostream& errors, const ReplayOptions& options)
{
    Session session(log, errors, options.session);
    bool unmet = false;
    std::string line;
    for (long number = 1; !session.ended() && std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!session.run(line)) {
            log.flush();
            errors << "bookkeeper-replay: line " << number << ": cannot read \"" << line << "\"\n";
            return 2;
        }
        if (!session.save()) {
            log.flush();
            errors << "bookkeeper-replay: line " << number << ": the session file " << options.session
                   << " could not be written\n";
        }
        if (auto miss = session.takeUnmet()) {
            log.flush();
            errors << "bookkeeper-replay: line " << number << ": " << *miss << '\n';
            unmet = true;
        }
        if (options.check) {
            if (auto broken = session.broken()) {
                log.flush();
                errors << "bookkeeper-replay: line " << number << ": " << *broken << '\n';
                return 3;
            }
        }
    }
    return unmet ? 1 : 0;
}

}  // namespace bk
