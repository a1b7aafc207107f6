// What the Qt window tests share: the desktop program, a QtToolkit with
// the Application it holds, started for each test function and ended after
// it. A test class derives from QObject and from this.
#pragma once

#include <QString>
#include <memory>

#include "app/application.h"
#include "qt/qt_toolkit.h"
#include "qt/settings.h"

class QtProgram {
protected:
    // A new run of the program, its main window shown, with the user's
    // choices read from and kept in `settingsFile`; a run before it ends.
    void startProgram(const QString& settingsFile = bk::ProgramSettings::defaultFile())
    {
        endProgram();
        toolkit_ = std::make_unique<bk::QtToolkit>(settingsFile);
        app_ = &toolkit_->application();
        app_->start();
    }
    void endProgram()
    {
        app_ = nullptr;
        toolkit_.reset();
    }

    std::unique_ptr<bk::QtToolkit> toolkit_;
    bk::Application* app_ = nullptr;  // the toolkit's
};
