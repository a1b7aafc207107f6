// The desktop program killed while the user types keeps the work of all but
// the last second. Run by tests/gui/session_kill.cmake with XDG_DATA_HOME set
// to a folder of its own:
//   session_kill_test type EXPECTED   types into the main window and Form48,
//       writes what the windows hold to EXPECTED, waits more than a second,
//       types once more and kills itself with SIGKILL;
//   session_kill_test check EXPECTED  starts the program again: the windows
//       hold what EXPECTED says, and Form48 opened again shows it;
//   session_kill_test damaged          a damaged session file is set aside
//       unchanged and reported once.
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <string>

#include "app/application.h"
#include "qt/qt_toolkit.h"
#include "qt/session_keeper.h"
#include "window/windows.h"

namespace {

using bk::Application;

int failures = 0;
void expect(bool ok, const QString& what)
{
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    }
}

// What the windows hold, one line each: "FormN TextK TEXT" and "FormN line TEXT".
QString held(const Application& app)
{
    QString text;
    for (bk::FormId form = bk::kMainForm; form <= Application::lastWindow(); ++form) {
        const bk::Window* w = app.windows().find(form);
        if (!w) continue;
        for (const auto& [number, typed] : w->texts())
            if (!typed.empty())
                text += QStringLiteral("Form%1 Text%2 %3\n").arg(form).arg(number).arg(QString::fromStdString(typed));
        for (const std::string& line : w->output().lines())
            text += QStringLiteral("Form%1 line %2\n").arg(form).arg(QString::fromStdString(line));
    }
    return text;
}

template <class T>
T* control(bk::QtToolkit& toolkit, int form, const QString& name)
{
    QWidget* w = toolkit.window(form);
    return w ? w->findChild<T*>(name) : nullptr;
}

int type(const QString& expected)
{
    bk::QtToolkit toolkit;
    bk::SessionKeeper keeper(toolkit.application(), bk::SessionKeeper::defaultPath());
    toolkit.application().start();
    control<QLineEdit>(toolkit, 1, QStringLiteral("Text1"))->setText(QStringLiteral("代销商品"));
    QTest::mouseClick(control<QPushButton>(toolkit, 1, QStringLiteral("Command1")), Qt::LeftButton);
    const char* typed[] = {"100", "10", "6", "0.1"};
    for (int n = 1; n <= 4; ++n)
        QTest::keyClicks(control<QLineEdit>(toolkit, 48, QStringLiteral("Text%1").arg(n)),
                         QString::fromLatin1(typed[n - 1]));
    QTest::mouseClick(control<QPushButton>(toolkit, 48, QStringLiteral("Command1")), Qt::LeftButton);
    QTest::keyClicks(control<QLineEdit>(toolkit, 48, QStringLiteral("Text1")), QStringLiteral("5"));
    QFile out(expected);
    if (!out.open(QIODevice::WriteOnly)) return 2;
    out.write(held(toolkit.application()).toUtf8());
    out.close();
    QTest::qWait(1500);
    // Typed in the last second: it may be lost.
    QTest::keyClicks(control<QLineEdit>(toolkit, 48, QStringLiteral("Text2")), QStringLiteral("9"));
    ::kill(::getpid(), SIGKILL);
    return 2;
}

int check(const QString& expected)
{
    QFile in(expected);
    if (!in.open(QIODevice::ReadOnly)) return 2;
    const QString before = QString::fromUtf8(in.readAll());
    bk::QtToolkit toolkit;
    bk::SessionKeeper keeper(toolkit.application(), bk::SessionKeeper::defaultPath());
    Application& app = toolkit.application();
    app.start();
    expect(held(app) == before, QStringLiteral("the windows hold\n%1\ninstead of\n%2").arg(held(app), before));
    // The main window shows its key; 确定 opens Form48 with its texts and lines.
    auto* key = control<QLineEdit>(toolkit, 1, QStringLiteral("Text1"));
    expect(key && key->text() == QStringLiteral("代销商品"), QStringLiteral("the key box"));
    QTest::mouseClick(control<QPushButton>(toolkit, 1, QStringLiteral("Command1")), Qt::LeftButton);
    auto* quantity = control<QLineEdit>(toolkit, 48, QStringLiteral("Text1"));
    expect(quantity && quantity->text() == QStringLiteral("1005"), QStringLiteral("Form48.Text1 drawn"));
    auto* area = control<QPlainTextEdit>(toolkit, 48, QStringLiteral("printArea"));
    expect(area &&
               area->document()->blockCount() ==
                   static_cast<int>(app.windows().find(bk::win::Consignment)->output().lines().size()) &&
               // A line too long for the area has its amount under the caption.
               area->toPlainText().contains(QRegularExpression(QStringLiteral("应收账款（借）\n?\t1,130"))),
           QStringLiteral("Form48's lines drawn:\n%1").arg(area ? area->toPlainText() : QString()));
    return failures == 0 ? 0 : 1;
}

int damaged()
{
    const QString path = bk::SessionKeeper::defaultPath();
    const QByteArray garbage("bookkeeper session 1\nwindow 48 0\ntext 1 \\q\nend\n");
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return 2;
        file.write(garbage);
    }
    bk::QtToolkit toolkit;
    bk::SessionKeeper keeper(toolkit.application(), path);
    toolkit.application().start();
    QStringList shown;
    auto closeBox = [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    };
    QTimer::singleShot(0, closeBox);
    keeper.reportUnreadable(toolkit.window(bk::kMainForm));
    keeper.reportUnreadable(toolkit.window(bk::kMainForm));  // once only
    QFile aside(path + QStringLiteral(".unreadable"));
    expect(aside.open(QIODevice::ReadOnly) && aside.readAll() == garbage,
           QStringLiteral("the file set aside unchanged"));
    expect(shown.size() == 1 && shown.value(0).contains(aside.fileName()) &&
               shown.value(0).startsWith(QStringLiteral("上次保存的工作记录无法读取")),
           QStringLiteral("reported once: ") + shown.join(QLatin1Char('|')));
    expect(toolkit.application().windows().find(bk::win::Consignment) == nullptr, QStringLiteral("a fresh start"));
    keeper.save();
    QFile saved(path);
    expect(saved.open(QIODevice::ReadOnly) && saved.readAll() == "bookkeeper session 1\nend\n",
           QStringLiteral("a fresh file saved beside it"));
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == QLatin1String("type")) return type(file);
    if (mode == QLatin1String("check")) return check(file);
    if (mode == QLatin1String("damaged")) return damaged();
    std::fprintf(stderr, "usage: session_kill_test type|check EXPECTED | damaged\n");
    return 2;
}
