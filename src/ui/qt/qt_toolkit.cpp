#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QClipboard>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLibraryInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTextBlock>
#include <QTranslator>
#include <map>
#include <vector>

#include "app/application.h"
#include "lookup/completion.h"

namespace bk {

namespace {

// Fixed positions are in twips; Qt's device-independent pixels are 1/96
// inch, 15 twips each, and Qt scales them for high-dpi screens itself.
int px(int twips) { return (twips + 7) / 15; }
QRect toPixels(const Rect& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }

// The printed lines start a few pixels in from the window's edge.
constexpr int kInset = 3;

// The print area: the lines printed on the window, one font line apart from
// the top left, under the controls over the whole client area, in the
// window's own colours. They can be selected with the mouse and copied as
// in any read-only text view; its menu also copies them as a table that a
// spreadsheet takes as columns. It scrolls when the lines run past the
// bottom edge, the newest line in view.
class PrintArea : public QPlainTextEdit {
public:
    // The table rows of printed lines first .. first + count - 1.
    using Table = std::function<std::vector<std::vector<std::string>>(size_t first, size_t count)>;

    PrintArea(QWidget* parent, Table table) : QPlainTextEdit(parent), table_(std::move(table))
    {
        setObjectName(QStringLiteral("printArea"));
        setAccessibleName(QStringLiteral("计算结果"));
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setFocusPolicy(Qt::ClickFocus);  // not a stop of the Tab key between the fields
        document()->setDocumentMargin(kInset);
        QPalette colours = palette();
        colours.setColor(QPalette::Base, colours.color(QPalette::Window));
        colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
        setPalette(colours);
        setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
            auto* menu = new QMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            QAction* copyAction = menu->addAction(QStringLiteral("复制"), this, &QPlainTextEdit::copy);
            copyAction->setShortcut(QKeySequence::Copy);
            copyAction->setEnabled(textCursor().hasSelection());
            menu->addAction(QStringLiteral("全选"), this, &QPlainTextEdit::selectAll)->setShortcut(QKeySequence::SelectAll);
            menu->addAction(QStringLiteral("复制为表格"), this, &PrintArea::copyAsTable)->setEnabled(rows_ > 0);
            menu->popup(viewport()->mapToGlobal(at));
        });
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
    }
    void clearLines()
    {
        clear();
        rows_ = 0;
    }

    // The selected lines (every line the selection touches), or all lines
    // when nothing is selected, as a table for a spreadsheet (tab-separated
    // and as an HTML table) and as the plain lines for a text editor.
    void copyAsTable()
    {
        if (rows_ == 0) return;
        size_t first = 0;
        size_t count = static_cast<size_t>(rows_);
        const QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            const QTextBlock from = document()->findBlock(cursor.selectionStart());
            const QTextBlock to = document()->findBlock(cursor.selectionEnd());
            first = static_cast<size_t>(from.blockNumber());
            count = static_cast<size_t>(to.blockNumber() - from.blockNumber()) + 1;
            // A selection that ends at the very start of a line leaves that line out.
            if (count > 1 && cursor.selectionEnd() == to.position()) --count;
        }
        const auto rows = table_(first, count);
        QString plain;
        QString html = QStringLiteral("<table>");
        for (QTextBlock block = document()->findBlockByNumber(static_cast<int>(first));
             block.isValid() && static_cast<size_t>(block.blockNumber()) < first + count; block = block.next())
            plain += block.text() + QLatin1Char('\n');
        for (const auto& row : rows) {
            html += QStringLiteral("<tr>");
            for (const std::string& cell : row)
                html += QStringLiteral("<td>") + QString::fromStdString(cell).toHtmlEscaped() + QStringLiteral("</td>");
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
        auto* data = new QMimeData;
        data->setText(plain);
        data->setHtml(html);
        data->setData(QStringLiteral("text/tab-separated-values"), QByteArray::fromStdString(tabSeparated(rows)));
        QGuiApplication::clipboard()->setMimeData(data);
    }

private:
    Table table_;
    int rows_ = 0;
};

class ClickableLabel : public QLabel {
public:
    ClickableLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent), onClick_(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        QLabel::mousePressEvent(event);
        onClick_();
    }

private:
    std::function<void()> onClick_;
};

// A key box that also offers every key by subject: the Down arrow in the
// empty box, or 按科目浏览 in its context menu, opens a cascading menu of
// subjects and their keys. Choosing a key puts it into the box; 确定 is left
// to the user. With text in the box the Down arrow stays the completer's.
class KeyBox : public QLineEdit {
public:
    KeyBox(QWidget* parent, const std::vector<lookup::Subject>& subjects) : QLineEdit(parent), tree_(subjects)
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
        if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && text().isEmpty() &&
            !completing && !tree_.empty()) {
            browse();
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
        subjects_ = new QMenu(QStringLiteral("按科目浏览"), this);
        subjects_->setObjectName(QStringLiteral("subjectMenu"));
        for (const lookup::Subject& subject : tree_) {
            QMenu* keys = subjects_->addMenu(menuText(subject.name));
            for (std::string_view key : subject.keys) {
                const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
                QObject::connect(keys->addAction(menuText(key)), &QAction::triggered, this, [this, text] {
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
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).replace(QLatin1Char('&'), QStringLiteral("&&"));
    }

    const std::vector<lookup::Subject>& tree_;
    QMenu* subjects_ = nullptr;
};

}  // namespace

class FormWindow : public QWidget {
public:
    FormWindow(const WindowSpec& spec, Application*& app) : form_(spec.form), app_(app)
    {
        setWindowTitle(QString::fromStdString(formName(spec.form)));
        setFixedSize(px(spec.widthTwips), px(spec.heightTwips));

        // The print area lies beneath the controls over the whole client area.
        area_ = new PrintArea(this, [this](size_t first, size_t count) {
            const Window* held = app_ ? app_->windows().find(form_) : nullptr;
            return held ? held->output().tableRows(first, count) : std::vector<std::vector<std::string>>{};
        });
        area_->setGeometry(rect());

        QWidget* previous = nullptr;
        std::vector<std::pair<QLabel*, int>> buddies;
        for (const ControlSpec& c : spec.controls) {
            QWidget* w = makeControl(c);
            w->setGeometry(toPixels(c.rect));
            w->setObjectName(QString::fromStdString(controlName(c)));
            if (w->focusPolicy() != Qt::NoFocus) {
                if (previous) setTabOrder(previous, w);
                previous = w;
            }
            if (c.buddy) buddies.emplace_back(static_cast<QLabel*>(w), c.buddy);
        }
        // A text box is known by the caption that names it, also to a
        // screen reader.
        for (const auto& [label, number] : buddies) {
            if (auto it = edits_.find(number); it != edits_.end()) {
                label->setBuddy(it->second);
                label->setToolTip(it->second->toolTip());  // the caption explains as its box does
                it->second->setAccessibleName(label->text());
            }
        }
    }

    void printLine(int /*row*/, const QString& text) { area_->addLine(text); }
    void clearOutput() { area_->clearLines(); }

    // Puts back what the program holds for this window: the texts of its
    // boxes and the lines printed since the last clear.
    void restore(const Window& window)
    {
        for (const auto& [number, text] : window.texts()) {
            if (auto it = edits_.find(number); it != edits_.end()) {
                const QSignalBlocker quiet(it->second);  // not typed by the user
                it->second->setText(QString::fromStdString(text));
            }
        }
        const auto& lines = window.output().lines();
        for (size_t row = 0; row < lines.size(); ++row) printLine(static_cast<int>(row), QString::fromStdString(lines[row]));
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

private:
    QWidget* makeControl(const ControlSpec& c)
    {
        const QString caption = QString::fromStdString(c.caption);
        const int number = c.number;
        switch (c.kind) {
        case ControlKind::TextBox: {
            QLineEdit* edit = c.browses && app_ ? new KeyBox(this, app_->browseSubjects(form_, number))
                                                : new QLineEdit(this);
            QObject::connect(edit, &QLineEdit::textChanged, edit, [this, number](const QString& text) {
                if (app_) app_->setText(form_, number, text.toStdString());
            });
            edits_[number] = edit;
            if (!c.tip.empty()) {
                edit->setToolTip(QString::fromStdString(c.tip));
                edit->setAccessibleDescription(edit->toolTip());
            }
            if (c.completes) addCompleter(edit, number);
            return edit;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, this);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button, [this, number] {
                if (app_) app_->click(form_, ControlKind::Button, number);
            });
            return button;
        }
        case ControlKind::Label:
            break;
        }
        auto* label = new ClickableLabel(caption, this, [this, number] {
            if (app_) app_->click(form_, ControlKind::Label, number);
        });
        label->setWordWrap(true);
        if (c.clickable) label->setCursor(Qt::PointingHandCursor);
        return label;
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
    PrintArea* area_ = nullptr;
    std::map<int, QLineEdit*> edits_;  // TextN
};

QtToolkit::QtToolkit() = default;

QtToolkit::~QtToolkit()
{
    for (FormWindow* w : windows_) delete w;
    for (const QPointer<FormWindow>& w : retired_) delete w.data();
}

// A window's widgets are made when it is shown and let go when it is hidden:
// what it shows again (its texts and printed lines) is the program's, so
// memory stays with the windows on screen, however many were opened.
void QtToolkit::createWindow(const WindowSpec& spec) { specs_.at(static_cast<size_t>(spec.form)) = spec; }

QWidget* QtToolkit::window(FormId form) const
{
    if (form < kMainForm || form > kLastForm) return nullptr;
    return windows_[static_cast<size_t>(form)];
}

void QtToolkit::showWindow(FormId form)
{
    FormWindow*& w = windows_.at(static_cast<size_t>(form));
    if (!w) {
        w = new FormWindow(specs_.at(static_cast<size_t>(form)), app_);
        if (const Window* held = app_ ? app_->windows().find(form) : nullptr) w->restore(*held);
    }
    w->show();
    w->raise();
    w->activateWindow();
}

void QtToolkit::hideWindow(FormId form)
{
    FormWindow*& w = windows_.at(static_cast<size_t>(form));
    if (!w) return;
    w->hide();
    // The hide may come from inside one of the window's own handlers (its
    // 退出 button, its close box): it is deleted once that has returned.
    std::erase_if(retired_, [](const QPointer<FormWindow>& old) { return old.isNull(); });
    retired_.emplace_back(w);
    w->deleteLater();
    w = nullptr;
}

// A window without widgets draws its lines when it is shown again.
void QtToolkit::printLine(FormId form, int row, const std::string& text)
{
    if (FormWindow* w = windows_.at(static_cast<size_t>(form))) w->printLine(row, QString::fromStdString(text));
}

void QtToolkit::clearOutput(FormId form)
{
    if (FormWindow* w = windows_.at(static_cast<size_t>(form))) w->clearOutput();
}

void QtToolkit::showFault(FormId form, int /*code*/, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("运算错误"), QString::fromStdString(message),
                    QMessageBox::Ok, windows_.at(static_cast<size_t>(form)));
    box.exec();
}

void QtToolkit::quit()
{
    for (FormWindow* w : windows_)
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
