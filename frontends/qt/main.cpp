// The desktop program: the main window and its calculators on Qt Widgets.
#include <QApplication>

#include "qt/chinese_ui.h"
#include "qt/program_icon.h"
#include "qt/qt_toolkit.h"

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    bk::setUpChineseUi();
    bk::setUpProgramIcon();

    bk::QtToolkit toolkit;
    toolkit.application().start();
    return QApplication::exec();
}
