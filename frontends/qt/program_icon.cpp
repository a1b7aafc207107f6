#include "qt/program_icon.h"

#include <QApplication>
#include <QIcon>
#include <QString>

namespace bk {

void setUpProgramIcon()
{
    const QString id = QString::fromLatin1(kDesktopId);
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(id);
}

}  // namespace bk
