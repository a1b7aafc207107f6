#include "qt/qt_toolkit.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCompleter>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <QTextBlock>
#include <QTranslator>
#include <QVBoxLayout>
#include <map>
#include <optional>
#include <vector>

#include "app/application.h"
#include "lookup/completion.h"
#include "window/ui_texts.h"

namespace bk {

namespace {

// Fixed positions are in twips; Qt's device-independent pixels are 1/96
// inch, 15 twips each, and Qt scales them for high-dpi screens itself.
int px(int twips) { return (twips + 7) / 15; }
QRect toPixels(const Rect& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }
QString fromCore(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The printed lines start a few pixels in from the window's edge.
constexpr int kInset = 3;

// The print area: the lines printed on the window, one font line apart from
// the top left, in the window's own colours. They can be selected with the
// mouse or the keyboard (Shift+arrows, Ctrl+A) and copied (Ctrl+C) as in any
// read-only text view; Ctrl+Shift+C, or its menu (also from the Menu key or
// Shift+F10), copies them as a table that a spreadsheet takes as columns. It
// scrolls when the lines run past its edges, the newest line in view. It is
// the last stop of the Tab key.
class PrintArea : public QPlainTextEdit {
public:
    // The table rows that the program copies for a selection of the lines.
    using Table = std::function<std::vector<std::vector<std::string>>(const std::optional<LineSelection>&)>;

    PrintArea(QWidget* parent, Table table) : QPlainTextEdit(parent), table_(std::move(table))
    {
        setObjectName(QStringLiteral("printArea"));
        setAccessibleName(fromCore(ui_texts::kPrintArea));
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setFocusPolicy(Qt::StrongFocus);
        setTabChangesFocus(true);
        document()->setDocumentMargin(kInset);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
        setPalette(colours);
        setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { openMenu(at); });
        auto* asTable = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
        asTable->setContext(Qt::WidgetShortcut);
        QObject::connect(asTable, &QShortcut::activated, this, [this] { copyAsTable(); });
    }

    // Lines arrive one after the other, row 0 first.
    void addLine(const QString& text)
    {
        if (rows_ == 0)
            setPlainText(text);
        else
            appendPlainText(text);
        ++rows_;
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        horizontalScrollBar()->setValue(0);
    }
    void clearLines()
    {
        clear();
        rows_ = 0;
    }

    // The lines the program copies for the selection, as a table for a
    // spreadsheet: tab-separated rows, also as the plain text (so that a
    // paste without formatting gives columns as well), and as an HTML table.
    void copyAsTable()
    {
        if (rows_ == 0) return;
        std::optional<LineSelection> selection;
        const QTextCursor cursor = textCursor();
        if (cursor.hasSelection())
            selection = LineSelection{linePosition(cursor.anchor()), linePosition(cursor.position())};
        const auto rows = table_(selection);
        if (rows.empty()) return;
        QString html = QStringLiteral("<table>");
        for (const auto& row : rows) {
            html += QStringLiteral("<tr>");
            for (const std::string& cell : row)
                html += QStringLiteral("<td>") + QString::fromStdString(cell).toHtmlEscaped() + QStringLiteral("</td>");
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        const std::string tabbed = tabSeparated(rows);
        auto* mime = new QMimeData;
        mime->setText(QString::fromStdString(tabbed));
        mime->setHtml(html);
        mime->setData(QStringLiteral("text/tab-separated-values"), QByteArray::fromStdString(tabbed));
        QGuiApplication::clipboard()->setMimeData(mime);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        // The menu from the keyboard opens at the text cursor.
        if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
            openMenu(cursorRect().bottomLeft());
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

private:
    LinePosition linePosition(int at) const
    {
        const QTextBlock block = document()->findBlock(at);
        return {static_cast<size_t>(std::max(0, block.blockNumber())),
                static_cast<size_t>(std::max(0, at - block.position()))};
    }

    void openMenu(const QPoint& at)
    {
        if (menu_ && menu_->isVisible()) return;  // the Menu key may also arrive as a context-menu request
        auto* menu = new QMenu(this);
        menu->setObjectName(QStringLiteral("printAreaMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copyAction = menu->addAction(fromCore(ui_texts::kCopy), this, &QPlainTextEdit::copy);
        copyAction->setShortcut(QKeySequence::Copy);
        copyAction->setEnabled(textCursor().hasSelection());
        menu->addAction(fromCore(ui_texts::kSelectAll), this, &QPlainTextEdit::selectAll)
            ->setShortcut(QKeySequence::SelectAll);
        QAction* table = menu->addAction(fromCore(ui_texts::kCopyAsTable), this, &PrintArea::copyAsTable);
        table->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        table->setEnabled(rows_ > 0);
        menu_ = menu;
        menu->popup(viewport()->mapToGlobal(at));
        if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().first());
    }

    Table table_;
    int rows_ = 0;
    QPointer<QMenu> menu_;
};

// A caption that opens a further calculator: drawn as a link (link colour,
// underlined, pointing hand), reached with Tab and opened with a click, Enter
// or Space; a screen reader hears its caption and what it does.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& caption, QWidget* parent, std::function<void()> onOpen)
        : QLabel(parent), onOpen_(std::move(onOpen))
    {
        setText(QStringLiteral("<a href=\"open\">%1</a>").arg(caption.toHtmlEscaped()));
        setTextFormat(Qt::RichText);
        setTextInteractionFlags(Qt::NoTextInteraction);
        setIndent(0);  // in line with the plain captions, frame or not
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        setAccessibleName(caption);
        setAccessibleDescription(QStringLiteral("打开%1的计算窗口").arg(caption));
        // Where the keyboard is: a dotted frame, as buttons have.
        setStyleSheet(QStringLiteral(
            "QLabel { border: 1px solid transparent; } QLabel:focus { border: 1px dotted palette(highlight); }"));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLabel::mousePressEvent(event);
        if (event->button() == Qt::LeftButton) onOpen_();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
            event->modifiers() == Qt::NoModifier) {
            event->accept();
            onOpen_();
            return;
        }
        QLabel::keyPressEvent(event);
    }

private:
    std::function<void()> onOpen_;
};

// A key box that also offers every key by subject: the Down arrow, when the
// program says so, or 按科目浏览 in its context menu, opens a cascading menu
// of subjects and their keys. Choosing a key puts it into the box; 确定 is
// left to the user. Enter presses 确定, except while a key is highlighted in
// the completer's list: then it picks that key, and the next Enter looks it
// up.
class KeyBox : public QLineEdit {
public:
    // Whether the Down arrow opens the subjects, given whether the list of
    // completions is open.
    using DownBrowses = std::function<bool(bool completionsOpen)>;

    KeyBox(QWidget* parent, const std::vector<lookup::Subject>& subjects, DownBrowses downBrowses,
           std::function<void()> onEnter)
        : QLineEdit(parent), tree_(subjects), downBrowses_(std::move(downBrowses)), onEnter_(std::move(onEnter))
    {
        setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
            QMenu* menu = createStandardContextMenu();
            menu->setAttribute(Qt::WA_DeleteOnClose);
            QAction* first = menu->actions().value(0);
            menu->insertMenu(first, subjectMenu());
            menu->insertSeparator(first);
            menu->popup(mapToGlobal(at));
        });
    }

    // Opens the subject menu under the box, its first subject selected.
    void browse()
    {
        QMenu* menu = subjectMenu();
        menu->popup(mapToGlobal(QPoint(0, height())));
        if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().first());
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool completing = completer() && completer()->popup()->isVisible();
        if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && downBrowses_(completing)) {
            browse();
            return;
        }
        // With the list open and a key highlighted, the completer takes the
        // Enter and picks it; with none highlighted, the list has nothing
        // to pick and Enter looks up what was typed.
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            (!completing || !completer()->popup()->selectionModel()->hasSelection())) {
            if (completing) completer()->popup()->hide();
            event->accept();
            onEnter_();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    // The menu of subjects, made the first time it is wanted: most sessions
    // never open it, and its 400-odd entries would cost every start.
    QMenu* subjectMenu()
    {
        if (subjects_) return subjects_;
        subjects_ = new QMenu(fromCore(ui_texts::kBrowse), this);
        subjects_->setObjectName(QStringLiteral("subjectMenu"));
        for (const lookup::Subject& subject : tree_) {
            QMenu* keys = subjects_->addMenu(menuText(subject.name));
            for (const lookup::BrowseItem& item : subject.items) {
                const std::string_view key = item.keys.front();
                const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
                QObject::connect(keys->addAction(menuText(item.label)), &QAction::triggered, this, [this, text] {
                    setText(text);
                    setFocus(Qt::PopupFocusReason);
                });
            }
        }
        return subjects_;
    }

    // Menu texts take "&" as a shortcut mark; a key's own "&" is doubled.
    static QString menuText(std::string_view s)
    {
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))
            .replace(QLatin1Char('&'), QStringLiteral("&&"));
    }

    const std::vector<lookup::Subject>& tree_;
    DownBrowses downBrowses_;
    std::function<void()> onEnter_;
    QMenu* subjects_ = nullptr;
};

}  // namespace

// The client area of a window, which tells when its size changed.
class Page : public QWidget {
public:
    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (resized) resized();
    }
};

// The narrowest a print area with controls to its right is made on a small
// screen; its lines then scroll sideways.
constexpr int kNarrowestPrintArea = 200;

// A window of the program. Its controls stand at their fixed places on a
// page of the window's client size; a window larger than the screen shows
// that page in a scrolling view instead, and can be made smaller, so that
// nothing is ever out of reach. Where controls stand to the right of the
// print area, the print area gives up width first and they move left with
// its right edge, so that they stay in view.
class FormWindow : public QWidget {
public:
    FormWindow(const WindowSpec& spec, Application*& app) : form_(spec.form), app_(app)
    {
        const QString title = QString::fromStdString(spec.title.empty() ? formName(spec.form) : spec.title);
        setWindowTitle(title);
        setAccessibleName(title);

        page_ = new Page;
        page_->setObjectName(QStringLiteral("page"));
        natural_ = QSize(px(spec.widthTwips), px(spec.heightTwips));
        page_->resize(natural_);
        auto* view = new QScrollArea(this);
        view->setObjectName(QStringLiteral("view"));
        view->setFrameShape(QFrame::NoFrame);
        view->setWidgetResizable(true);
        view->setWidget(page_);
        view->setFocusPolicy(Qt::NoFocus);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);

        area_ = new PrintArea(page_, [this](const std::optional<LineSelection>& selection) {
            const Window* held = app_ ? app_->windows().find(form_) : nullptr;
            return held ? held->output().copiedRows(selection) : std::vector<std::vector<std::string>>{};
        });
        const Rect printArea =
            spec.printArea.width > 0 ? spec.printArea : Rect{0, 0, spec.widthTwips, spec.heightTwips};
        printRect_ = toPixels(printArea);
        area_->setGeometry(printRect_);

        QWidget* first = nullptr;
        QWidget* previous = nullptr;
        auto chain = [&first, &previous](QWidget* w) {
            if (previous) setTabOrder(previous, w);
            if (!first) first = w;
            previous = w;
        };
        std::vector<std::pair<const ControlSpec*, QLabel*>> buddies;
        for (const ControlSpec& c : spec.controls) {
            QWidget* w = makeControl(c, spec.enterPresses);
            w->setGeometry(toPixels(c.rect));
            if (w->x() >= printRect_.right()) rightOfPrint_.emplace_back(w, w->pos());
            w->setObjectName(QString::fromStdString(controlName(c)));
            if (w->focusPolicy() != Qt::NoFocus) chain(w);
            if (c.buddy) buddies.emplace_back(&c, static_cast<QLabel*>(w));
        }
        if (spec.hintArea.width > 0) {
            hint_ = new QWidget(page_);
            hint_->setObjectName(QStringLiteral("keyHint"));
            hint_->setGeometry(toPixels(spec.hintArea));
            if (hint_->x() >= printRect_.right()) rightOfPrint_.emplace_back(hint_, hint_->pos());
            auto* lines = new QVBoxLayout(hint_);
            lines->setContentsMargins(0, 0, 0, 0);
            lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            auto* message = new QLabel(hint_);
            message->setObjectName(QStringLiteral("hintMessage"));
            message->setWordWrap(true);
            lines->addWidget(message);
            hint_->hide();
            beforeHint_ = previous;
        }
        chain(area_);
        first->setFocus(Qt::OtherFocusReason);  // when the window is first active
        // A text box is known by the caption that names it, also to a
        // screen reader.
        for (const auto& [c, label] : buddies) {
            if (auto it = edits_.find(c->buddy); it != edits_.end()) {
                label->setBuddy(it->second);
                label->setToolTip(it->second->toolTip());  // the caption explains as its box does
                it->second->setAccessibleName(QString::fromStdString(c->caption));
            }
        }
        fitToScreen();
    }

    void printLine(int /*row*/, const QString& text) { area_->addLine(text); }
    void clearOutput() { area_->clearLines(); }

    // The hint's message, then each offered key as a link of its own, in
    // the tab order after the buttons; choosing one puts it into the key box.
    void showHint(const KeyHint& hint)
    {
        if (!hint_) return;
        const bool hadFocus = hint_->isAncestorOf(QApplication::focusWidget());
        for (QLabel* old : hint_->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^hintKey")))) {
            old->hide();
            old->deleteLater();
        }
        if (hint.message.empty()) {
            hint_->hide();
            if (hadFocus) focusKeyBox();
            return;
        }
        const QString message = QString::fromStdString(hint.message);
        hint_->findChild<QLabel*>(QStringLiteral("hintMessage"))->setText(message);
        QString spoken = message;
        QWidget* previous = beforeHint_;
        for (size_t i = 0; i < hint.keys.size(); ++i) {
            const QString key = QString::fromStdString(hint.keys[i]);
            auto* link = new LinkLabel(key, hint_, [this, key] { chooseHintKey(key); });
            link->setObjectName(QStringLiteral("hintKey%1").arg(i + 1));
            link->setAccessibleDescription(fromCore(ui_texts::kHintKeyAction));
            hint_->layout()->addWidget(link);
            if (previous) setTabOrder(previous, link);
            previous = link;
            spoken += (i == 0 ? QString() : QStringLiteral("、")) + key;
        }
        if (previous) setTabOrder(previous, area_);
        hint_->setAccessibleName(spoken);
        hint_->show();
        // A screen reader reads it out as it appears.
        QAccessibleEvent appeared(hint_, QAccessible::Alert);
        QAccessible::updateAccessibility(&appeared);
    }

    // Shows what the program holds for this window: the texts of its boxes
    // and the lines printed since the last clear.
    void restore(const WindowContent& content)
    {
        for (const auto& [number, text] : content.texts) {
            if (auto it = edits_.find(number); it != edits_.end()) {
                const QSignalBlocker quiet(it->second);  // not typed by the user
                it->second->setText(QString::fromStdString(text));
                markField(number);
            }
        }
        for (size_t row = 0; row < content.lines.size(); ++row)
            printLine(static_cast<int>(row), QString::fromStdString(content.lines[row]));
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The close box is this window's 退出; the Application decides.
        event->ignore();
        if (app_) app_->close(form_);
    }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && app_) app_->activated(form_);
        QWidget::changeEvent(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A press outside the completer's list closes it; on a button of this
        // window it also presses the button, so one click always acts.
        if (event->type() == QEvent::MouseButtonPress && popup_ && watched == popup_) {
            auto* press = static_cast<QMouseEvent*>(event);
            const QPoint global = press->globalPosition().toPoint();
            if (!popup_->rect().contains(popup_->mapFromGlobal(global))) {
                QWidget* under = page_->childAt(page_->mapFromGlobal(global));
                auto* button = qobject_cast<QPushButton*>(under);
                popup_->hide();
                if (button && press->button() == Qt::LeftButton && button->isEnabled()) button->click();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    // The window as large as its page, or as much of it as the screen holds.
    void fitToScreen()
    {
        const QSize page = natural_;
        const QScreen* screen = QGuiApplication::primaryScreen();
        // The window frame and title bar take room of their own.
        const QSize room = screen ? screen->availableGeometry().size() - QSize(16, 48) : page;
        if (page.width() <= room.width() && page.height() <= room.height()) {
            page_->setFixedSize(page);
            setFixedSize(page);
            return;
        }
        const int giveUp = rightOfPrint_.empty() ? 0 : std::max(0, printRect_.width() - kNarrowestPrintArea);
        page_->setMinimumSize(page.width() - giveUp, page.height());
        page_->setMaximumSize(page);
        page_->resized = [this] { placeBesidePrintArea(); };
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize most(page.width() + bar, page.height() + bar);
        setMinimumSize(std::min(page.width(), 200), std::min(page.height(), 150));
        setMaximumSize(most);
        resize(std::min(most.width(), room.width()), std::min(most.height(), room.height()));
    }

    // The page narrower than the window's own size: the print area gives up
    // the width, the controls right of it move left with it.
    void placeBesidePrintArea()
    {
        const int short_ = std::max(0, natural_.width() - page_->width());
        area_->setGeometry(printRect_.adjusted(0, 0, -short_, 0));
        for (const auto& [w, at] : rightOfPrint_) w->move(at - QPoint(short_, 0));
    }

    QWidget* makeControl(const ControlSpec& c, int enterPresses)
    {
        const QString caption = QString::fromStdString(c.caption);
        const int number = c.number;
        auto press = [this](int button) {
            return [this, button] {
                if (app_) app_->click(form_, ControlKind::Button, button);
            };
        };
        switch (c.kind) {
        case ControlKind::TextBox: {
            QLineEdit* edit = nullptr;
            if (c.browses && app_) {
                auto downBrowses = [this, number](bool completionsOpen) {
                    return app_ && app_->downOpensBrowse(form_, number, completionsOpen);
                };
                edit = new KeyBox(page_, app_->browseSubjects(form_, number), downBrowses, press(enterPresses));
            } else {
                edit = new QLineEdit(page_);
                QObject::connect(edit, &QLineEdit::returnPressed, edit, press(enterPresses));
            }
            QObject::connect(edit, &QLineEdit::textChanged, edit, [this, number](const QString& text) {
                if (app_) app_->setText(form_, number, text.toStdString());
                markField(number);
            });
            edits_[number] = edit;
            if (!c.tip.empty()) {
                tips_[number] = QString::fromStdString(c.tip);
                edit->setToolTip(tips_[number]);
                edit->setAccessibleDescription(edit->toolTip());
            }
            if (c.completes) addCompleter(edit, number);
            return edit;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, page_);
            // Enter on a focused button presses it, as Space does.
            button->setAutoDefault(true);
            QObject::connect(button, &QPushButton::clicked, button, press(number));
            return button;
        }
        case ControlKind::Label: break;
        }
        auto open = [this, number] {
            if (app_) app_->click(form_, ControlKind::Label, number);
        };
        QLabel* label = c.opens ? new LinkLabel(caption, page_, open) : new QLabel(caption, page_);
        label->setWordWrap(true);
        return label;
    }

    // A text box whose text is not wholly a number is marked, and says which
    // number was used.
    void markField(int number)
    {
        auto it = edits_.find(number);
        if (it == edits_.end() || !app_) return;
        QLineEdit* edit = it->second;
        const std::optional<std::string> note = app_->fieldNote(form_, number);
        QAction*& mark = marks_[number];
        if (!note) {
            if (mark) edit->removeAction(mark);
            delete mark;
            mark = nullptr;
            edit->setToolTip(tips_[number]);
            edit->setAccessibleDescription(tips_[number]);
            return;
        }
        const QString text = QString::fromStdString(*note);
        // The note first, then what the field is for, when it says.
        const QString full = tips_[number].isEmpty() ? text : text + QLatin1Char('\n') + tips_[number];
        if (!mark) {
            mark = new QAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), text, edit);
            mark->setObjectName(QStringLiteral("partlyRead"));
            edit->addAction(mark, QLineEdit::TrailingPosition);
        }
        mark->setToolTip(text);
        mark->setText(text);
        edit->setToolTip(full);
        edit->setAccessibleDescription(full);
    }

    void focusKeyBox()
    {
        if (auto it = edits_.find(1); it != edits_.end()) it->second->setFocus(Qt::OtherFocusReason);
    }

    // A key of the hint goes into the key box, ready for 确定.
    void chooseHintKey(const QString& key)
    {
        if (auto it = edits_.find(1); it != edits_.end()) {
            it->second->setText(key);
            it->second->setFocus(Qt::OtherFocusReason);
        }
    }

    // A popup list of what the Application offers for the text typed so far;
    // picking an entry puts it into the box. Text an input method is still
    // composing is not typed yet, so the list follows committed text only.
    void addCompleter(QLineEdit* edit, int number)
    {
        auto* model = new QStringListModel(edit);
        auto* completer = new QCompleter(model, edit);
        completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer->setMaxVisibleItems(static_cast<int>(lookup::kMaxCompletions));
        edit->setCompleter(completer);
        // Watched after the completer's own filter is in place, so first.
        popup_ = completer->popup();
        popup_->installEventFilter(this);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, number, model, completer](const QString& text) {
            QStringList keys;
            if (app_)
                for (const std::string& key : app_->completions(form_, number, text.toStdString()))
                    keys << QString::fromStdString(key);
            model->setStringList(keys);
            if (keys.isEmpty())
                completer->popup()->hide();
            else
                completer->complete();
        });
    }

    FormId form_;
    Application*& app_;
    Page* page_ = nullptr;
    QSize natural_;                                          // the page at the window's own size
    QRect printRect_;                                        // the print area at that size
    std::vector<std::pair<QWidget*, QPoint>> rightOfPrint_;  // and where each control right of it stands
    PrintArea* area_ = nullptr;
    QWidget* hint_ = nullptr;
    QWidget* beforeHint_ = nullptr;  // the hint's keys follow it in the tab order
    QPointer<QWidget> popup_;
    std::map<int, QLineEdit*> edits_;  // TextN
    std::map<int, QAction*> marks_;    // TextN -> its mark, while it has one
    std::map<int, QString> tips_;      // TextN -> what the field is for, where its window says
};

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit()
{
    for (const auto& [form, w] : windows_) delete w;
    for (const QPointer<FormWindow>& w : letGo_) delete w.data();
}

void QtToolkit::createWindow(const WindowSpec& spec, const WindowContent& content)
{
    if (windows_[spec.form]) destroyWindow(spec.form);
    auto* w = new FormWindow(spec, app_);
    w->restore(content);
    windows_[spec.form] = w;
}

void QtToolkit::destroyWindow(FormId form)
{
    FormWindow*& w = windows_[form];
    if (!w) return;
    // This may come from inside one of the window's own handlers (its 退出
    // button, its close box): it is deleted once that has returned, or with
    // the toolkit if the event loop never gets to it.
    std::erase_if(letGo_, [](const QPointer<FormWindow>& old) { return old.isNull(); });
    letGo_.emplace_back(w);
    w->deleteLater();
    w = nullptr;
}

QWidget* QtToolkit::window(FormId form) const
{
    const auto drawn = windows_.find(form);
    return drawn == windows_.end() ? nullptr : drawn->second;
}

void QtToolkit::showWindow(FormId form)
{
    FormWindow* w = windows_[form];
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

void QtToolkit::hideWindow(FormId form)
{
    if (FormWindow* w = windows_[form]) w->hide();
}

// A window without a drawing shows its lines when it is drawn again.
void QtToolkit::printLine(FormId form, int row, const std::string& text)
{
    if (FormWindow* w = windows_[form]) w->printLine(row, QString::fromStdString(text));
}

void QtToolkit::clearOutput(FormId form)
{
    if (FormWindow* w = windows_[form]) w->clearOutput();
}

void QtToolkit::showHint(FormId form, const KeyHint& hint)
{
    if (FormWindow* w = windows_[form]) w->showHint(hint);
}

void QtToolkit::showFault(FormId form, int /*code*/, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, fromCore(ui_texts::kFaultTitle), QString::fromStdString(message),
                    QMessageBox::Ok, windows_[form]);
    box.exec();
}

void QtToolkit::quit()
{
    for (const auto& [form, w] : windows_)
        if (w) w->hide();
    QCoreApplication::quit();
}

void setUpChineseUi()
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);

    // Qt's own texts (the message box's button, the text boxes' menus).
    auto* translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

}  // namespace bk
