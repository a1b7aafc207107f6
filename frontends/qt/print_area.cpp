#include "qt/print_area.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
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
// Between the longest caption and the widest amount of the column.
constexpr int kColumnGap = 16;

}  // namespace

PrintArea::PrintArea(QWidget* parent, Table table, bool wraps)
    : QPlainTextEdit(parent), table_(std::move(table)), wraps_(wraps)
{
    setObjectName(QStringLiteral("printArea"));
    setAccessibleName(fromCore(ui_texts::kPrintArea));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
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

void PrintArea::addLine(const ShownLine& line, bool startsPress)
{
    QString text = fromCore(line.caption);
    int amountAt = -1;
    if (line.amount) {
        const QString amount = fromCore(*line.amount);
        const QFontMetrics metrics(font());
        const int wanted = metrics.horizontalAdvance(text) + kColumnGap + metrics.horizontalAdvance(amount);
        // Where caption and amount do not fit across, the amount stands
        // under the caption, still in the column.
        if (wraps_ && wanted > room()) text += QChar(QChar::LineSeparator);
        text += QLatin1Char('\t');
        amountAt = static_cast<int>(text.size());
        text += amount;
        if (wanted > column_) {
            column_ = wanted;
            placeColumn();
        }
    }
    if (startsPress) pressStarts_.push_back(rows_);
    amountAt_.push_back(amountAt);
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
    amountAt_.clear();
    pressStarts_.clear();
    column_ = 0;
}

// The amounts end at one tab stop: right of the widest caption with the
// widest amount, or at the edge of lines that wrap.
void PrintArea::placeColumn()
{
    int at = column_;
    if (wraps_) at = std::min(at, room());
    QTextOption option = document()->defaultTextOption();
    if (at > 0) option.setTabs({QTextOption::Tab(at, QTextOption::RightTab)});
    option.setWrapMode(wraps_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
}

int PrintArea::room() const { return viewport()->width() - 2 * kInset - 4; }

void PrintArea::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    if (wraps_ && column_ > 0) placeColumn();
}

// A rule above the first line of each later press, across the area.
void PrintArea::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    if (pressStarts_.empty()) return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    const QPointF offset = contentOffset();
    for (int row : pressStarts_) {
        const QTextBlock block = document()->findBlockByNumber(row);
        if (!block.isValid()) continue;
        const int y = static_cast<int>(blockBoundingGeometry(block).translated(offset).top());
        if (y < event->rect().top() - 1 || y > event->rect().bottom() + 1) continue;
        painter.drawLine(kInset, y, viewport()->width() - kInset, y);
    }
}

// On an amount (or the room before it) a double click takes the whole
// amount, as a number is one word to a bookkeeper.
void PrintArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QTextCursor at = cursorForPosition(event->position().toPoint());
    const int row = at.blockNumber();
    if (event->button() == Qt::LeftButton && row >= 0 && row < static_cast<int>(amountAt_.size()) &&
        amountAt_[static_cast<size_t>(row)] >= 0 && at.positionInBlock() >= amountAt_[static_cast<size_t>(row)] - 1) {
        const QTextBlock block = at.block();
        QTextCursor amount(block);
        amount.setPosition(block.position() + amountAt_[static_cast<size_t>(row)]);
        amount.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        setTextCursor(amount);
        event->accept();
        return;
    }
    QPlainTextEdit::mouseDoubleClickEvent(event);
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
    copyRowsAsTable(rows);
}

void copyRowsAsTable(const std::vector<std::vector<std::string>>& rows)
{
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
