#include "qt/print_area.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <algorithm>

#include "qt/core_text.h"
#include "window/ui_texts.h"

namespace bk {

namespace {

// The printed lines start a few pixels in from the window's edge.
constexpr int kInset = 3;

}  // namespace

PrintArea::PrintArea(QWidget* parent, Table table) : QPlainTextEdit(parent), table_(std::move(table))
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

void PrintArea::addLine(const QString& text)
{
    if (rows_ == 0)
        setPlainText(text);
    else
        appendPlainText(text);
    ++rows_;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    horizontalScrollBar()->setValue(0);
}

void PrintArea::clearLines()
{
    clear();
    rows_ = 0;
}

void PrintArea::copyAsTable()
{
    if (rows_ == 0) return;
    std::optional<LineSelection> selection;
    const QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        selection = LineSelection{linePosition(cursor.anchor()), linePosition(cursor.position())};
    const auto rows = table_(selection);
    if (rows.empty()) return;
    const std::string tabbed = tabSeparated(rows);
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(tabbed));
    mime->setHtml(QString::fromStdString(tableHtml(rows)));
    mime->setData(QStringLiteral("text/tab-separated-values"), QByteArray::fromStdString(tabbed));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void PrintArea::keyPressEvent(QKeyEvent* event)
{
    // The menu from the keyboard opens at the text cursor.
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        openMenu(cursorRect().bottomLeft());
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

LinePosition PrintArea::linePosition(int at) const
{
    const QTextBlock block = document()->findBlock(at);
    return {static_cast<size_t>(std::max(0, block.blockNumber())),
            static_cast<size_t>(std::max(0, at - block.position()))};
}

void PrintArea::openMenu(const QPoint& at)
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

}  // namespace bk
