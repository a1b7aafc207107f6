// The desktop program: the main window and its calculators on Qt Widgets.
#include <QApplication>

#include "app/application.h"
#include "qt/program_icon.h"
#include "qt/chinese_ui.h"
#include "qt/qt_toolkit.h"

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    bk::setUpChineseUi();
    bk::setUpProgramIcon();

    bk::QtToolkit toolkit;
    bk::Application app(toolkit);
    toolkit.attach(&app);
    app.start();
    return QApplication::exec();
}
