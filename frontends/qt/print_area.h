// The print area: the lines printed on the window, one font line apart from
// the top left, in the window's own colours. A result line shows its amount
// right-aligned in a column after the caption, as the program shows amounts
// (grouped, a 0 before the point); the lines of each press after the first
// are set apart from those above by a rule. A double click on an amount
// selects all of it, sign and point included. They can be selected with the
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

// Puts rows on the clipboard for a spreadsheet: tab-separated text, the
// same as text/tab-separated-values, and an HTML table (复制为表格).
void copyRowsAsTable(const std::vector<std::vector<std::string>>& rows);

class PrintArea : public QPlainTextEdit {
public:
    // The table rows that the program copies for a selection of the lines.
    using Table = std::function<std::vector<std::vector<std::string>>(const std::optional<LineSelection>&)>;

    // Lines wrap at the edge where `wraps`, else they scroll sideways.
    PrintArea(QWidget* parent, Table table, bool wraps = false);

    // Lines arrive one after the other, row 0 first; `startsPress`: the first
    // line of a later press.
    void addLine(const ShownLine& line, bool startsPress);
    void clearLines();

    // The lines the program copies for the selection, as a table for a
    // spreadsheet: tab-separated rows, also as the plain text (so that a
    // paste without formatting gives columns as well), and as an HTML table.
    void copyAsTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeColumn();
    int room() const;  // the width a line has before it wraps
    LinePosition linePosition(int at) const;
    void openMenu(const QPoint& at);

    Table table_;
    int rows_ = 0;
    std::vector<int> amountAt_;     // per line: where its amount starts in the text, or -1
    std::vector<int> pressStarts_;  // the lines that begin a later press
    int column_ = 0;                // the right edge of the amounts, from the text's left
    bool wraps_ = false;
    QPointer<QMenu> menu_;
};

}  // namespace bk
