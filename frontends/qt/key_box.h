// A key box that also offers every key by subject: the Down arrow, when the
// program says so, or 按科目浏览 in its context menu, opens a cascading menu
// of subjects and their keys. Choosing a key puts it into the box; 确定 is
// left to the user. Enter presses 确定; while a key is highlighted in the
// completer's list, it puts that key into the box first.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string_view>
#include <vector>

#include "lookup/subjects.h"

class QMenu;

namespace bk {

class KeyBox : public QLineEdit {
public:
    // Whether the Down arrow opens the subjects, given whether the list of
    // completions is open.
    using DownBrowses = std::function<bool(bool completionsOpen)>;

    KeyBox(QWidget* parent, const std::vector<lookup::Subject>& subjects, DownBrowses downBrowses,
           std::function<void()> onEnter);

    // Opens the subject menu under the box, its first subject selected.
    void browse();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QMenu* subjectMenu();

    const std::vector<lookup::Subject>& tree_;
    DownBrowses downBrowses_;
    std::function<void()> onEnter_;
    QMenu* subjects_ = nullptr;
};

}  // namespace bk
