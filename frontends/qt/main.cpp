// The desktop program: the main window and its calculators on Qt Widgets.
#include <QApplication>

#include "qt/chinese_ui.h"
#include "qt/program_icon.h"
#include "qt/qt_toolkit.h"

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    // The folder of the user's choices: ~/.config/bookkeeper on Linux.
    QCoreApplication::setApplicationName(QStringLiteral("bookkeeper"));
    bk::setUpChineseUi();
    bk::setUpProgramIcon();

    bk::QtToolkit toolkit;
    toolkit.application().start();
    return QApplication::exec();
}
