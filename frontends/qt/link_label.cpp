#include "qt/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace bk {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent, std::function<void()> onOpen)
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

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) onOpen_();
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
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

}  // namespace bk
