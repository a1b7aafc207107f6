// The program's icon on its real Qt windows, driven offscreen: every window
// hands the window system the built-in icon in each size of the hicolor
// theme, and the windows name the desktop entry that is installed.
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QWindow>
#include <QtTest>

#include "app/application.h"
#include "gui/qt_program.h"
#include "qt/chinese_ui.h"
#include "qt/program_icon.h"
#include "qt/qt_toolkit.h"

using bk::Application;

namespace {

const QList<int> kSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The sizes an icon holds an image for, as widths of square images.
QList<int> squareSizes(const QIcon& icon)
{
    QList<int> sizes;
    for (const QSize& s : icon.availableSizes()) {
        if (s.width() != s.height()) return {};
        sizes.append(s.width());
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

}  // namespace

class ProgramIconTest : public QObject, private QtProgram {
    Q_OBJECT

private:
    // What the window system is given for the window: the icon of its
    // native window.
    static QIcon shownIcon(QWidget* w) { return w && w->windowHandle() ? w->windowHandle()->icon() : QIcon(); }

private slots:
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    // One image drawn for each size, not one image scaled: transparent in
    // the corner outside the rounded tile, opaque in the middle.
    void iconHasEveryThemeSize()
    {
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(squareSizes(icon), kSizes);
        for (int size : kSizes) {
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        }
    }

    // The main window and the calculator that 确定 opens for a key.
    void windowsOpenedByTheUserShowIt()
    {
        QWidget* main = toolkit_->window(bk::kMainForm);
        QVERIFY(main && main->isVisible());
        QCOMPARE(squareSizes(shownIcon(main)), kSizes);

        QVERIFY(!app_->setText(bk::kMainForm, bk::kKeyBox, "应收账款"));
        QVERIFY(!app_->click(bk::kMainForm, bk::ControlKind::Button, static_cast<int>(bk::MainButton::LookUp)));
        QList<QWidget*> calculators;
        for (bk::FormId form = bk::kFirstCalculator; form <= bk::Application::lastWindow(); ++form)
            if (QWidget* w = toolkit_->window(form); w && w->isVisible()) calculators.append(w);
        QCOMPARE(calculators.size(), 1);
        QCOMPARE(squareSizes(shownIcon(calculators.front())), kSizes);
    }

    void everyWindowShowsIt()
    {
        const std::map<int, std::string> none;
        for (bk::FormId form = bk::kFirstCalculator; form <= bk::Application::lastWindow(); ++form) {
            toolkit_->createWindow(Application::windowSpec(form), {none, {}});
            toolkit_->showWindow(form);
            QWidget* w = toolkit_->window(form);
            QVERIFY2(w && w->isVisible(), qPrintable(QString::number(form)));
            QVERIFY2(squareSizes(shownIcon(w)) == kSizes, qPrintable(w->windowTitle()));
            toolkit_->hideWindow(form);
            toolkit_->destroyWindow(form);
        }
    }

    // The windows belong to the desktop entry that is installed, whose icon
    // has the same name.
    void windowsNameTheInstalledDesktopEntry()
    {
        const QString id = QGuiApplication::desktopFileName();
        QCOMPARE(id, QString::fromLatin1(bk::kDesktopId));
        QFile entry(QStringLiteral(BOOKKEEPER_PACKAGING_DIR "/") + id + QStringLiteral(".desktop"));
        QVERIFY2(entry.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(entry.fileName()));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("Icon=") + id));
        QVERIFY(QFile::exists(QStringLiteral(BOOKKEEPER_PACKAGING_DIR "/icons/hicolor/scalable/apps/") + id +
                              QStringLiteral(".svg")));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bk::setUpChineseUi();
    bk::setUpProgramIcon();
    ProgramIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "program_icon_test.moc"
