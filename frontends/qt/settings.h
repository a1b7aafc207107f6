// The user's choices kept between runs: whether derived money is rounded to
// the fen, and where the main window stood. They live in an INI file in the user's configuration
// folder, which Qt writes through a temporary file and a rename, so a run
// stopped while writing leaves the old file whole.
//
// A file that cannot be read is never written over: it is renamed aside
// (name.unreadable-YYYYMMDD-HHMMSS), the program starts with the defaults
// and says so once. Where even the renaming fails, the choices of this run
// are not saved.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

#include "calc/calculator.h"

namespace bk {

class ProgramSettings {
public:
    // The file in the user's configuration folder.
    static QString defaultFile();

    explicit ProgramSettings(QString file = defaultFile());

    // Where an unreadable file was put this run, or empty.
    const QString& setAside() const { return setAside_; }

    calc::Amounts amounts() const { return amounts_; }
    // Remembers the choice (written at once).
    void setAmounts(calc::Amounts amounts);

    // The top left of the main window's frame when it was last left.
    std::optional<QPoint> mainWindowPosition() const { return mainWindowPosition_; }
    // Remembers it (written at once when it changed).
    void setMainWindowPosition(QPoint at);

private:
    QString file_;
    QString setAside_;
    bool writable_ = true;
    calc::Amounts amounts_ = calc::Amounts::Fen;
    std::optional<QPoint> mainWindowPosition_;
};

}  // namespace bk
