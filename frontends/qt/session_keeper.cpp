#include "qt/session_keeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <utility>

#include "app/application.h"
#include "app/session.h"
#include "qt/core_text.h"
#include "window/ui_texts.h"

namespace bk {

namespace {
// The longest the work typed waits before it is saved.
constexpr int kSaveWithinMs = 1000;
}  // namespace

QString SessionKeeper::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/bookkeeper/session.txt");
}

SessionKeeper::SessionKeeper(Application& app, QString path) : app_(app), path_(QFile::encodeName(path).toStdString())
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const SessionLoad load = loadSessionFile(path_);
    if (load.work) app_.restoreWork(*load.work);
    if (load.unreadable) {
        if (load.setAsideAs.empty()) {
            keep_ = false;  // never written over unread
            unreadable_ = fromCore(ui_texts::kSessionNotSaved);
        } else {
            unreadable_ = fromCore(ui_texts::kSessionUnreadable) + QLatin1Char('\n') +
                          QFile::decodeName(load.setAsideAs.c_str()) + QLatin1Char('\n') +
                          fromCore(ui_texts::kSessionFreshStart);
        }
    }
    soon_.setSingleShot(true);
    soon_.setInterval(kSaveWithinMs);
    connect(&soon_, &QTimer::timeout, this, [this] { save(); });
    // The first change starts the second; the changes within it are saved
    // with it.
    app_.onChange([this] {
        if (!soon_.isActive()) soon_.start();
    });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { save(); });
}

SessionKeeper::~SessionKeeper()
{
    app_.onChange({});
    if (soon_.isActive()) save();
}

void SessionKeeper::reportUnreadable(QWidget* parent)
{
    if (unreadable_.isEmpty()) return;
    const QString text = std::exchange(unreadable_, QString());
    QMessageBox::warning(parent, fromCore(ui_texts::kProgramName), text);
}

void SessionKeeper::save()
{
    soon_.stop();
    if (keep_) saveSessionFile(path_, app_.work());
}

}  // namespace bk
