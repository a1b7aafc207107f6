// A caption that opens a further calculator: drawn as a link (link colour,
// underlined, pointing hand), reached with Tab and opened with a click, Enter
// or Space; a screen reader hears its caption and what it does.
#pragma once

#include <QLabel>
#include <functional>

namespace bk {

class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& caption, QWidget* parent, std::function<void()> onOpen);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> onOpen_;
};

}  // namespace bk
