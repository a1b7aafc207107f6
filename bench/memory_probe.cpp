// Memory of the Qt program, for the memory benchmarks. Peak: started with
// "all", it opens the program and creates and shows every one of its
// windows once; with "bare", a bare Qt window with one text box and one
// button, in the same font; either way it prints its peak resident set in
// kilobytes. At rest: with "rest", the program's main window as it starts;
// with "bare-rest", a bare Qt window with the main window's texts, in the
// same font; either way it prints its resident set in kilobytes when the
// window has been drawn, and again half a second later, the event loop
// running. Run it with QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <cstring>

#include "app/application.h"
#include "lookup/lookup_table.h"
#include "qt/chinese_ui.h"
#include "qt/qt_toolkit.h"

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The resident set now, in kilobytes.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Prints the resident set once `window` has been drawn, and half a second
// later; then ends the event loop.
int measureAtRest(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents();
    const long drawn = residentKilobytes();
    QTimer::singleShot(500, [drawn] {
        std::printf("%ld %ld\n", drawn, residentKilobytes());
        QCoreApplication::quit();
    });
    return QApplication::exec();
}

// A bare window with the texts of the program's main window.
void buildBareMain(QWidget& window)
{
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new QMenuBar(&window);
    bar->addMenu(QStringLiteral("选项(&O)"))->addAction(QStringLiteral("金额四舍五入到分"));
    layout->setMenuBar(bar);
    layout->addWidget(new QLabel(QStringLiteral("财务报表填写事项"), &window));
    layout->addWidget(new QLineEdit(&window));
    for (const char* caption : {"确定", "取消", "退出"})
        layout->addWidget(new QPushButton(QString::fromUtf8(caption), &window));
    window.resize(760, 520);
}

// What the event loop does between two clicks: draw, and delete what was
// let go.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every calculator opened by its key from the main window and left again;
// the main window stays.
void showEveryWindow(bk::Application& app)
{
    for (const auto& rule : bk::lookup::LookupTable::instance().rules()) {
        for (const auto& action : rule.actions) {
            if (action.kind != bk::lookup::RuleAction::Kind::OpenWindow) continue;
            app.setText(bk::kMainForm, 1, std::string(rule.key));
            app.click(bk::kMainForm, bk::ControlKind::Button, static_cast<int>(bk::MainButton::LookUp));
            settle();
            for (bk::FormId open : std::vector<bk::FormId>(app.windows().visibleFrontFirst()))
                if (open != bk::kMainForm) app.close(open);
            for (bk::FormId open : std::vector<bk::FormId>(app.windows().visibleFrontFirst()))
                if (open != bk::kMainForm) app.close(open);  // Form19 and Form79 after Form18 and Form25
            settle();
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool all = argc == 2 && std::strcmp(argv[1], "all") == 0;
    const bool bare = argc == 2 && std::strcmp(argv[1], "bare") == 0;
    const bool rest = argc == 2 && std::strcmp(argv[1], "rest") == 0;
    const bool bareRest = argc == 2 && std::strcmp(argv[1], "bare-rest") == 0;
    if (!all && !bare && !rest && !bareRest) {
        std::fprintf(stderr, "usage: bookkeeper_memory_probe all|bare|rest|bare-rest\n");
        return 2;
    }
    QApplication qtApp(argc, argv);
    bk::setUpChineseUi();
    if (rest) {
        bk::QtToolkit toolkit(QString::fromLocal8Bit(qgetenv("BOOKKEEPER_PROBE_SETTINGS")));
        toolkit.application().start();
        QWidget* main = toolkit.window(bk::kMainForm);
        return main ? measureAtRest(*main) : 1;
    }
    if (bareRest) {
        QWidget window;
        buildBareMain(window);
        return measureAtRest(window);
    }
    if (all) {
        bk::QtToolkit toolkit;
        bk::Application& app = toolkit.application();
        app.start();
        showEveryWindow(app);
        int created = 0;
        for (bk::FormId form = bk::kMainForm; form <= bk::Application::lastWindow(); ++form)
            created += app.windows().find(form) != nullptr;
        if (created != bk::Application::lastWindow()) {
            std::fprintf(stderr, "only %d windows were created\n", created);
            return 1;
        }
        std::printf("%ld\n", peakKilobytes());
    } else {
        QWidget window;
        auto* edit = new QLineEdit(&window);
        auto* button = new QPushButton(QStringLiteral("确定"), &window);
        edit->setGeometry(10, 10, 160, 30);
        button->setGeometry(10, 50, 100, 30);
        window.show();
        QCoreApplication::processEvents();
        std::printf("%ld\n", peakKilobytes());
    }
    return 0;
}
