#include "qt/key_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

#include "qt/core_text.h"
#include "window/ui_texts.h"

namespace bk {

namespace {

// Menu texts take "&" as a shortcut mark; a key's own "&" is doubled.
QString menuText(std::string_view s) { return fromCore(s).replace(QLatin1Char('&'), QStringLiteral("&&")); }

}  // namespace

KeyBox::KeyBox(QWidget* parent, const std::vector<lookup::Subject>& subjects, DownBrowses downBrowses,
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

void KeyBox::browse()
{
    QMenu* menu = subjectMenu();
    menu->popup(mapToGlobal(QPoint(0, height())));
    // The first subject highlighted as the keyboard highlights it, its keys
    // not open: the next Down moves to the next subject, Right opens it.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &down);
}

void KeyBox::keyPressEvent(QKeyEvent* event)
{
    // The completer's list, once made, is the active popup while it shows.
    const bool completing =
        completer() && QApplication::activePopupWidget() && QApplication::activePopupWidget() == completer()->popup();
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier && downBrowses_(completing)) {
        browse();
        return;
    }
    // Enter looks a key up: with the list open and a key highlighted in
    // it, that key, which goes into the box (the key, not its shown text);
    // else what was typed.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (completing) {
            QAbstractItemView* list = completer()->popup();
            const QModelIndexList chosen = list->selectionModel()->selectedIndexes();
            list->hide();
            if (!chosen.isEmpty()) setText(chosen.front().data(Qt::EditRole).toString());
        }
        event->accept();
        onEnter_();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The menu of subjects, made the first time it is wanted: most sessions
// never open it, and its 400-odd entries would cost every start.
QMenu* KeyBox::subjectMenu()
{
    if (subjects_) return subjects_;
    subjects_ = new QMenu(fromCore(ui_texts::kBrowse), this);
    subjects_->setObjectName(QStringLiteral("subjectMenu"));
    for (const lookup::Subject& subject : tree_) {
        QMenu* keys = subjects_->addMenu(menuText(subject.name));
        for (const lookup::BrowseItem& item : subject.items) {
            const QString text = fromCore(item.keys.front());
            QObject::connect(keys->addAction(menuText(lookup::menuLabel(item))), &QAction::triggered, this,
                             [this, text] {
                                 setText(text);
                                 setFocus(Qt::PopupFocusReason);
                             });
        }
    }
    return subjects_;
}

}  // namespace bk
