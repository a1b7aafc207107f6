// The Qt Widgets adapter: real top-level windows for the program.
//
// It draws what the Application decides (windows, controls, printed lines,
// the fault message) and passes the user's clicks, text edits and close-box
// presses back to it. It holds no behaviour of its own.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

#include "window/toolkit.h"

namespace bk {

class Application;
class FormWindow;

class QtToolkit : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;

    // The Application to report user actions to; set before it starts.
    void attach(Application* app) { app_ = app; }

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
    Application* app_ = nullptr;
    std::map<FormId, FormWindow*> windows_;  // the windows drawn (or none), by form
    std::vector<QPointer<FormWindow>> letGo_;           // destroyed, to be deleted
};

}  // namespace bk
