#include "qt/form_window.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <string>

#include "app/application.h"
#include "app/navigation.h"
#include "lookup/completion.h"
#include "lookup/lookup_table.h"
#include "qt/core_text.h"
#include "qt/key_box.h"
#include "qt/link_label.h"
#include "qt/menus.h"
#include "qt/print_area.h"
#include "qt/settings.h"
#include "qt/voucher_view.h"
#include "window/print_layout.h"
#include "window/ui_texts.h"

namespace bk {

namespace {

// Fixed positions are in twips; Qt's device-independent pixels are 1/96
// inch, 15 twips each, and Qt scales them for high-dpi screens itself.
int px(int twips) { return (twips + 7) / 15; }
QRect toPixels(const Rect& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }

// The narrowest a print area with controls to its right is made on a small
// screen; its lines then scroll sideways.
constexpr int kNarrowestPrintArea = 200;

// A calculator's lines stand beside its fields where the whole window fits
// across the screen, else below them; never under them.
WindowSpec laidOut(const WindowSpec& spec)
{
    if (!controlsInPrintArea(spec)) return spec;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int across = screen ? screen->availableGeometry().width() - kWindowFrame.width() : px(spec.widthTwips);
    if (px(spec.widthTwips) <= across) {
        WindowSpec beside = spec;
        beside.printArea = printAreaBeside(spec);
        return beside;
    }
    return printAreaBelow(spec, kPrintHeightBelow);
}

}  // namespace

FormWindow::FormWindow(const WindowSpec& given, Application& app, ProgramSettings* settings)
    : form_(given.form), app_(app)
{
    const bool calculator = controlsInPrintArea(given);
    const WindowSpec spec = laidOut(given);
    linesBelow_ = calculator && !controlsInPrintArea(spec) && spec.printArea.top > 0;
    const QString title = QString::fromStdString(spec.title.empty() ? formName(spec.form) : spec.title);
    setWindowTitle(title);
    setAccessibleName(title);

    page_ = new QWidget;
    page_->setObjectName(QStringLiteral("page"));
    natural_ = QSize(px(spec.widthTwips), px(spec.heightTwips));
    page_->resize(natural_);
    auto* view = view_ = new QScrollArea(this);
    view->setObjectName(QStringLiteral("view"));
    view->setFrameShape(QFrame::NoFrame);
    view->setWidgetResizable(true);
    view->setWidget(page_);
    view->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    buildMenus(menuBar_, *this, spec.form != kMainForm, settings);
    layout->setMenuBar(menuBar_);

    area_ = new PrintArea(
        page_,
        [this](const std::optional<LineSelection>& selection) {
            const Window* held = app_.windows().find(form_);
            return held ? held->output().copiedRows(selection) : std::vector<std::vector<std::string>>{};
        },
        calculator);
    printRect_ = toPixels(spec.printArea);
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
        if (auto* button = qobject_cast<QPushButton*>(w)) button->installEventFilter(this);
        if (w->focusPolicy() != Qt::NoFocus) chain(w);
        if (c.browses) addBrowseButton(static_cast<KeyBox*>(w));
        if (c.buddy) buddies.emplace_back(&c, static_cast<QLabel*>(w));
    }
    if (spec.hintArea.width > 0) {
        // A hint may offer more keys than its area holds: it scrolls.
        auto* scroll = new QScrollArea(page_);
        hint_ = scroll;
        hint_->setObjectName(QStringLiteral("keyHint"));
        hint_->setGeometry(toPixels(spec.hintArea));
        if (hint_->x() >= printRect_.right()) rightOfPrint_.emplace_back(hint_, hint_->pos());
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* content = new QWidget;
        content->setObjectName(QStringLiteral("hintContent"));
        scroll->setWidget(content);
        content->setAutoFillBackground(false);
        scroll->viewport()->setAutoFillBackground(false);
        auto* lines = new QVBoxLayout(content);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* message = new QLabel(content);
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
    // Escape leaves a calculator as its 退出 does.
    if (calculator) {
        auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        leave->setContext(Qt::WindowShortcut);
        QObject::connect(leave, &QShortcut::activated, this, [this] { app_.close(form_); });
    }
    fitToScreen();
}

// A button right of the key box that opens the subject menu, for the mouse;
// the keyboard has the Down arrow.
void FormWindow::addBrowseButton(KeyBox* keys)
{
    auto* button = new QToolButton(page_);
    button->setObjectName(QStringLiteral("browseButton"));
    button->setArrowType(Qt::DownArrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(fromCore(ui_texts::kBrowse));
    button->setAccessibleName(fromCore(ui_texts::kBrowse));
    const QRect box = keys->geometry();
    button->setGeometry(box.right() + 3, box.top(), box.height(), box.height());
    if (button->x() >= printRect_.right()) rightOfPrint_.emplace_back(button, button->pos());
    QObject::connect(button, &QToolButton::clicked, keys, [keys] {
        keys->setFocus(Qt::OtherFocusReason);
        keys->browse();
    });
}

void FormWindow::printLine(int row)
{
    const Window* held = app_.windows().find(form_);
    if (!held) return;
    const OutputSurface& output = held->output();
    area_->addLine(output.shownLine(static_cast<size_t>(row)), output.startsPress(static_cast<size_t>(row)));
    // Lines below the fields come into view as they are printed.
    if (linesBelow_) {
        const QRect at = area_->geometry();
        view_->ensureVisible(at.center().x(), at.center().y(), 0, (at.height() + 3) / 2);
    }
}
void FormWindow::clearOutput() { area_->clearLines(); }

void FormWindow::showHint(const KeyHint& hint)
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
        const QString shown = i < hint.shown.size() ? QString::fromStdString(hint.shown[i]) : key;
        QWidget* content = static_cast<QScrollArea*>(hint_)->widget();
        auto* link = new LinkLabel(shown, content, [this, key] { chooseHintKey(key); });
        link->setObjectName(QStringLiteral("hintKey%1").arg(i + 1));
        link->setAccessibleDescription(fromCore(ui_texts::kHintKeyAction));
        content->layout()->addWidget(link);
        if (previous) setTabOrder(previous, link);
        previous = link;
        spoken += (i == 0 ? QString() : QStringLiteral("、")) + shown;
    }
    if (previous) setTabOrder(previous, area_);
    hint_->setAccessibleName(spoken);
    hint_->show();
    // A screen reader reads it out as it appears.
    QAccessibleEvent appeared(hint_, QAccessible::Alert);
    QAccessible::updateAccessibility(&appeared);
}

void FormWindow::restore(const WindowContent& content)
{
    for (const auto& [number, text] : content.texts) {
        if (auto it = edits_.find(number); it != edits_.end()) {
            const QSignalBlocker quiet(it->second);  // not typed by the user
            it->second->setText(QString::fromStdString(text));
            markField(number);
        }
    }
    for (size_t row = 0; row < content.lines.size(); ++row) printLine(static_cast<int>(row));
}

void FormWindow::makeVouchers()
{
    std::vector<calc::Voucher> vouchers = app_.vouchers(form_);
    if (vouchers.empty()) {
        QMessageBox::information(this, fromCore(ui_texts::kMakeVouchers), fromCore(ui_texts::kNoVouchers));
        return;
    }
    if (vouchers_) vouchers_->close();
    vouchers_ = new VoucherView(std::move(vouchers), windowTitle(), this);
    vouchers_->setAttribute(Qt::WA_DeleteOnClose);
    vouchers_->show();
}

VoucherView* FormWindow::voucherView() const { return vouchers_.data(); }

void FormWindow::undoClear() { app_.undoClear(form_); }
bool FormWindow::canUndoClear() const { return app_.canUndoClear(form_); }

void FormWindow::askClearAll()
{
    const auto answer =
        QMessageBox::question(this, fromCore(ui_texts::kClearAll), fromCore(ui_texts::kClearAllQuestion),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) app_.clearAll();
}

void FormWindow::copyAsTable() { area_->copyAsTable(); }

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The close box is this window's 退出; the Application decides. The
    // second click of a double click on the close box of the window this
    // one replaced is not meant for it.
    event->ignore();
    if (event->spontaneous() && shown_.isValid() && shown_.elapsed() < QApplication::doubleClickInterval()) return;
    app_.close(form_);
}
void FormWindow::showEvent(QShowEvent* event)
{
    shown_.start();
    QWidget::showEvent(event);
}
void FormWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) app_.activated(form_);
    QWidget::changeEvent(event);
}
bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A double click on a button acts once: its second press presses
    // neither that button again nor one of a window that the first opened.
    if (qobject_cast<QPushButton*>(watched)) {
        if (event->type() == QEvent::MouseButtonDblClick) return true;
        if (event->type() == QEvent::MouseButtonPress) {
            const quint64 at = static_cast<QMouseEvent*>(event)->timestamp();
            const quint64 interval = static_cast<quint64>(QApplication::doubleClickInterval());
            const bool second = lastButtonPress_ && at >= *lastButtonPress_ && at - *lastButtonPress_ < interval;
            lastButtonPress_ = at;
            if (second) return true;
        }
    }
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
    // The page of a window that scrolls changed its size.
    if (event->type() == QEvent::Resize && watched == page_) placeBesidePrintArea();
    return QWidget::eventFilter(watched, event);
}

// The window as large as its page, or as much of it as the screen holds.
void FormWindow::fitToScreen()
{
    const QSize page = natural_;
    // The menu bar stands above the page.
    const QSize menu(0, menuBar_ ? menuBar_->sizeHint().height() : 0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The window frame and title bar take room of their own.
    const QSize room = screen ? screen->availableGeometry().size() - kWindowFrame - menu : page;
    if (page.width() <= room.width() && page.height() <= room.height()) {
        page_->setFixedSize(page);
        setFixedSize(page + menu);
        return;
    }
    const int giveUp = rightOfPrint_.empty() ? 0 : std::max(0, printRect_.width() - kNarrowestPrintArea);
    page_->setMinimumSize(page.width() - giveUp, page.height());
    page_->setMaximumSize(page);
    page_->installEventFilter(this);  // its size changes move the controls beside the print area
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize most(page.width() + bar, page.height() + bar);
    setMinimumSize(QSize(std::min(page.width(), 200), std::min(page.height(), 150)) + menu);
    setMaximumSize(most + menu);
    resize(QSize(std::min(most.width(), room.width()), std::min(most.height(), room.height())) + menu);
}

// The page narrower than the window's own size: the print area gives up
// the width, the controls right of it move left with it.
void FormWindow::placeBesidePrintArea()
{
    const int short_ = std::max(0, natural_.width() - page_->width());
    area_->setGeometry(printRect_.adjusted(0, 0, -short_, 0));
    for (const auto& [w, at] : rightOfPrint_) w->move(at - QPoint(short_, 0));
}

QWidget* FormWindow::makeControl(const ControlSpec& c, int enterPresses)
{
    const QString caption = QString::fromStdString(c.caption);
    const int number = c.number;
    auto press = [this](int button) { return [this, button] { app_.click(form_, ControlKind::Button, button); }; };
    switch (c.kind) {
    case ControlKind::TextBox: {
        QLineEdit* edit = nullptr;
        if (c.browses) {
            auto downBrowses = [this, number](bool completionsOpen) {
                return app_.downOpensBrowse(form_, number, completionsOpen);
            };
            edit = new KeyBox(page_, app_.browseSubjects(form_, number), downBrowses, press(enterPresses));
        } else {
            edit = new QLineEdit(page_);
            QObject::connect(edit, &QLineEdit::returnPressed, edit, press(enterPresses));
        }
        QObject::connect(edit, &QLineEdit::textChanged, edit, [this, number](const QString& text) {
            app_.setText(form_, number, text.toStdString());
            markField(number);
        });
        edits_[number] = edit;
        if (!c.tip.empty()) {
            tips_[number] = QString::fromStdString(c.tip);
            edit->setToolTip(tips_[number]);
            edit->setAccessibleDescription(edit->toolTip());
        }
        // The number an empty field stands for, in grey; the box itself stays empty.
        if (!c.placeholder.empty()) edit->setPlaceholderText(QString::fromStdString(c.placeholder));
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
    auto open = [this, number] { app_.click(form_, ControlKind::Label, number); };
    QLabel* label = c.opens ? new LinkLabel(caption, page_, open) : new QLabel(caption, page_);
    label->setWordWrap(true);
    return label;
}

// A text box whose text is not wholly a number is marked, and says which
// number was used.
void FormWindow::markField(int number)
{
    auto it = edits_.find(number);
    if (it == edits_.end()) return;
    QLineEdit* edit = it->second;
    const std::optional<std::string> note = app_.fieldNote(form_, number);
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

void FormWindow::focusKeyBox()
{
    if (auto it = edits_.find(kKeyBox); it != edits_.end()) it->second->setFocus(Qt::OtherFocusReason);
}

// A key of the hint goes into the key box, ready for 确定.
void FormWindow::chooseHintKey(const QString& key)
{
    if (auto it = edits_.find(kKeyBox); it != edits_.end()) {
        it->second->setText(key);
        it->second->setFocus(Qt::OtherFocusReason);
    }
}

// A popup list of what the Application offers for the text typed so far;
// picking an entry puts it into the box. Text an input method is still
// composing is not typed yet, so the list follows committed text only.
namespace {

// The keys the list offers, each shown as the key box shows keys (one of the
// general standard marked) and put into the box as the key itself.
class KeyListModel : public QStringListModel {
public:
    using QStringListModel::QStringListModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        QVariant key = QStringListModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
        if (role != Qt::DisplayRole) return key;
        return QString::fromStdString(lookup::shownKey(key.toString().toStdString()));
    }
};

}  // namespace

void FormWindow::addCompleter(QLineEdit* edit, int number)
{
    auto* model = new KeyListModel(edit);
    auto* completer = new QCompleter(model, edit);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setMaxVisibleItems(static_cast<int>(lookup::kVisibleCompletions));  // it scrolls to the rest
    edit->setCompleter(completer);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [this, number, model, completer](const QString& text) {
        QStringList keys;
        for (const std::string& key : app_.completions(form_, number, text.toStdString()))
            keys << QString::fromStdString(key);
        model->setStringList(keys);
        // The list is made when it is first wanted, not with the window.
        // Watched after the completer's own filter is in place, so first.
        if (!popup_ && !keys.isEmpty()) {
            popup_ = completer->popup();
            popup_->installEventFilter(this);
        }
        if (keys.isEmpty()) {
            if (popup_) popup_->hide();
        } else {
            completer->complete();
            // Nothing is highlighted, nor looks it, until the arrows move
            // into the list: Enter then looks up what was typed.
            completer->popup()->setCurrentIndex(QModelIndex());
        }
    });
}

}  // namespace bk
