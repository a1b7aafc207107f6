// The desktop program: the main window and its calculators on Qt Widgets.
#include <QApplication>
#include <QTimer>

#include "qt/chinese_ui.h"
#include "qt/program_icon.h"
#include "qt/qt_toolkit.h"
#include "qt/session_keeper.h"

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    // The folder of the user's choices: ~/.config/bookkeeper on Linux.
    QCoreApplication::setApplicationName(QStringLiteral("bookkeeper"));
    bk::setUpChineseUi();
    bk::setUpProgramIcon();

    bk::QtToolkit toolkit;
    // The work of the last run is back in the windows before they are shown.
    bk::SessionKeeper keeper(toolkit.application(), bk::SessionKeeper::defaultPath());
    toolkit.application().start();
    QTimer::singleShot(0, &keeper, [&] { keeper.reportUnreadable(toolkit.window(bk::kMainForm)); });
    return QApplication::exec();
}
