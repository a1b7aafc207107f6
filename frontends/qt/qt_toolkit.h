// The Qt Widgets adapter: real top-level windows for the program.
//
// It holds the program's Application, made with this toolkit to draw on, and
// draws what the Application decides (windows, controls, printed lines, the
// fault message); each window it makes passes the user's clicks, text edits
// and close-box presses back to that Application. It holds no behaviour of
// its own.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "app/application.h"
#include "qt/settings.h"
#include "window/toolkit.h"

namespace bk {

class FormWindow;
class QtToolkit;

// The Enter that looks a key up (or presses any button) acts once: it does
// not reach the window it opens. The key held down repeats, and a quick
// second Enter (pick a key, then look it up, as the habit goes) would press
// 确定 in the new window before the user has seen it. So a repeated Enter
// presses nothing, and a window that appeared on an Enter takes no Enter
// until the user has done something else in it or half a second has gone.
class EnterGuard : public QObject {
public:
    explicit EnterGuard(QtToolkit& toolkit) : toolkit_(toolkit) {}
    // The window was shown; on an Enter when that Enter came just before.
    void shown(FormId form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr qint64 kSettleMs = 500;
    QtToolkit& toolkit_;
    QElapsedTimer lastEnter_;                // the last Enter that acted
    std::map<FormId, QElapsedTimer> fresh_;  // shown on an Enter, untouched since
};

class QtToolkit : public Toolkit {
public:
    // The user's choices are read from, and kept in, `settingsFile`.
    explicit QtToolkit(const QString& settingsFile = ProgramSettings::defaultFile());
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    // The program behind the windows; its start() shows the main window.
    Application& application() { return app_; }

    void createWindow(const WindowSpec& spec, const WindowContent& content) override;
    void destroyWindow(FormId form) override;
    void showWindow(FormId form) override;
    void hideWindow(FormId form) override;
    void setTitle(FormId form, const std::string& title) override;
    void printLine(FormId form, int row, const std::string& text) override;
    void clearOutput(FormId form) override;
    void showHint(FormId form, const KeyHint& hint) override;
    void showFault(FormId form, int code, const std::string& message) override;
    void quit() override;

    // The window of that form while it is drawn, else nullptr.
    QWidget* window(FormId form) const;
    // The form whose window holds the widget, or 0.
    FormId formOf(const QWidget* widget) const;

private:
    void reportSettingsSetAside();
    void place(FormId form, FormWindow* w);

    ProgramSettings settings_;
    bool setAsideReported_ = false;
    QRect lastLeft_;  // the frame of the window hidden last
    // What the window system adds around a window, as seen on the last one
    // shown; until then the guess kWindowFrame.
    QSize frame_;
    std::map<FormId, FormWindow*> windows_;    // the windows drawn (or none), by form
    std::vector<QPointer<FormWindow>> letGo_;  // destroyed, to be deleted
    std::unique_ptr<EnterGuard> enterGuard_;
    // Made last, once the toolkit it draws on is whole; it draws nothing
    // before start().
    Application app_{*this};
};

}  // namespace bk
