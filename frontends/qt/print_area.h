// The print area: the lines printed on the window, one font line apart from
// the top left, in the window's own colours. They can be selected with the
// mouse or the keyboard (Shift+arrows, Ctrl+A) and copied (Ctrl+C) as in any
// read-only text view; Ctrl+Shift+C, or its menu (also from the Menu key or
// Shift+F10), copies them as a table that a spreadsheet takes as columns. It
// scrolls when the lines run past its edges, the newest line in view. It is
// the last stop of the Tab key.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "window/output_surface.h"

class QMenu;

namespace bk {

class PrintArea : public QPlainTextEdit {
public:
    // The table rows that the program copies for a selection of the lines.
    using Table = std::function<std::vector<std::vector<std::string>>(const std::optional<LineSelection>&)>;

    PrintArea(QWidget* parent, Table table);

    // Lines arrive one after the other, row 0 first.
    void addLine(const QString& text);
    void clearLines();

    // The lines the program copies for the selection, as a table for a
    // spreadsheet: tab-separated rows, also as the plain text (so that a
    // paste without formatting gives columns as well), and as an HTML table.
    void copyAsTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    LinePosition linePosition(int at) const;
    void openMenu(const QPoint& at);

    Table table_;
    int rows_ = 0;
    QPointer<QMenu> menu_;
};

}  // namespace bk
