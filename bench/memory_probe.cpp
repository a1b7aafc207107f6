// Peak memory of the Qt program, for the memory benchmark: started with
// "all", it opens the program and creates and shows every one of its
// windows once; with "bare", a bare Qt window with one text box and one
// button, in the same font. Either way it prints its peak resident set in
// kilobytes and exits. Run it with QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
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
    if (!all && !bare) {
        std::fprintf(stderr, "usage: bookkeeper_memory_probe all|bare\n");
        return 2;
    }
    QApplication qtApp(argc, argv);
    bk::setUpChineseUi();
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
