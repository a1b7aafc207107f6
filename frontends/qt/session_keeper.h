// Keeps the desktop program's work across runs: what every window holds is
// put back at start-up from a file in the user's data folder, and saved to
// it at most once a second while the user works, and on exit. The file is
// the core's session file (app/session.h), written atomically; one that
// cannot be read is set aside and the user told once.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <string>

namespace bk {

class Application;

class SessionKeeper : public QObject {
public:
    // Puts back the work the file holds into `app`, which has not started.
    SessionKeeper(Application& app, QString path);
    ~SessionKeeper() override;
    SessionKeeper(const SessionKeeper&) = delete;
    SessionKeeper& operator=(const SessionKeeper&) = delete;

    // The file in the user's data folder ($XDG_DATA_HOME/bookkeeper).
    static QString defaultPath();

    // Tells the user, once, that the file could not be read, and where it
    // was put; nothing when it was read.
    void reportUnreadable(QWidget* parent);
    // Saves now (the program ends, or the second has passed).
    void save();

private:
    Application& app_;
    std::string path_;
    bool keep_ = true;    // false: an unreadable file could not be set aside
    QString unreadable_;  // the report still to show
    QTimer soon_;
};

}  // namespace bk
