// The Qt Widgets adapter: real top-level windows for the program.
//
// It holds the program's Application, made with this toolkit to draw on, and
// draws what the Application decides (windows, controls, printed lines, the
// fault message); each window it makes passes the user's clicks, text edits
// and close-box presses back to that Application. It holds no behaviour of
// its own.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

#include "app/application.h"
#include "qt/settings.h"
#include "window/toolkit.h"

namespace bk {

class FormWindow;

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
    void printLine(FormId form, int row, const std::string& text) override;
    void clearOutput(FormId form) override;
    void showHint(FormId form, const KeyHint& hint) override;
    void showFault(FormId form, int code, const std::string& message) override;
    void quit() override;

    // The window of that form while it is drawn, else nullptr.
    QWidget* window(FormId form) const;

private:
    void reportSettingsSetAside();

    ProgramSettings settings_;
    bool setAsideReported_ = false;
    std::map<FormId, FormWindow*> windows_;    // the windows drawn (or none), by form
    std::vector<QPointer<FormWindow>> letGo_;  // destroyed, to be deleted
    // Made last, once the toolkit it draws on is whole; it draws nothing
    // before start().
    Application app_{*this};
};

}  // namespace bk
