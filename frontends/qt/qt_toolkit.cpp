#include "qt/qt_toolkit.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "qt/core_text.h"
#include "qt/form_window.h"
#include "window/placement.h"
#include "window/ui_texts.h"

namespace bk {

QtToolkit::QtToolkit(const QString& settingsFile)
    : settings_(settingsFile), frame_(kWindowFrame), enterGuard_(std::make_unique<EnterGuard>(*this))
{
    app_.setAmounts(settings_.amounts());
    if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(enterGuard_.get());
}

QtToolkit::~QtToolkit()
{
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(enterGuard_.get());
    for (const auto& [form, w] : windows_) delete w;
    for (const QPointer<FormWindow>& w : letGo_) delete w.data();
}

void QtToolkit::createWindow(const WindowSpec& spec, const WindowContent& content)
{
    if (windows_[spec.form]) destroyWindow(spec.form);
    auto* w = new FormWindow(spec, app_, spec.form == kMainForm ? &settings_ : nullptr);
    w->restore(content);
    windows_[spec.form] = w;
    if (spec.form == kMainForm && !settings_.setAside().isEmpty())
        QTimer::singleShot(0, w, [this] { reportSettingsSetAside(); });
}

// Once, when the main window is first drawn: the file stays where it was put.
void QtToolkit::reportSettingsSetAside()
{
    if (setAsideReported_) return;
    setAsideReported_ = true;
    auto* box = new QMessageBox(QMessageBox::Warning, fromCore(ui_texts::kProgramName),
                                fromCore(ui_texts::kSettingsSetAside) + QDir::toNativeSeparators(settings_.setAside()) +
                                    QStringLiteral("\n") + fromCore(ui_texts::kSettingsDefaults),
                                QMessageBox::Ok, windows_[kMainForm]);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("settingsSetAside"));
    box->open();
}

void QtToolkit::destroyWindow(FormId form)
{
    FormWindow*& w = windows_[form];
    if (!w) return;
    // This may come from inside one of the window's own handlers (its 退出
    // button, its close box): it is deleted once that has returned, or with
    // the toolkit if the event loop never gets to it.
    std::erase_if(letGo_, [](const QPointer<FormWindow>& old) { return old.isNull(); });
    letGo_.emplace_back(w);
    w->deleteLater();
    w = nullptr;
}

QWidget* QtToolkit::window(FormId form) const
{
    const auto drawn = windows_.find(form);
    return drawn == windows_.end() ? nullptr : drawn->second;
}

namespace {

Rect toRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QPoint topLeft(const Rect& r) { return {r.left, r.top}; }

// The room for windows on the screen at `at`, or on the main screen.
Rect roomAt(const QPoint& at)
{
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? toRect(screen->availableGeometry()) : Rect{0, 0, 1 << 20, 1 << 20};
}

}  // namespace

// Where a window appears: the main window where it stood last (also in an
// earlier run), a calculator beside the window in front or, opened in place
// of a window just left, cascaded from where that stood; wholly on the
// screen either way.
void QtToolkit::place(FormId form, FormWindow* w)
{
    // The frame a window system adds, as the last window shown had it.
    const QSize size = w->size() + frame_;
    const Rect sized{0, 0, size.width(), size.height()};
    if (form == kMainForm) {
        if (const auto at = settings_.mainWindowPosition())
            w->move(topLeft(keptOnScreen({at->x(), at->y(), size.width(), size.height()}, roomAt(*at))));
        return;
    }
    for (FormId front : app_.windows().visibleFrontFirst()) {
        FormWindow* opener = front == form ? nullptr : windows_[front];
        if (!opener || !opener->isVisible()) continue;
        const QRect beside = opener->frameGeometry();
        w->move(topLeft(placedBeside(toRect(beside), sized, roomAt(beside.center()))));
        return;
    }
    if (lastLeft_.isValid()) w->move(topLeft(cascadedFrom(toRect(lastLeft_), sized, roomAt(lastLeft_.center()))));
}

FormId QtToolkit::formOf(const QWidget* widget) const
{
    const QWidget* top = widget ? widget->window() : nullptr;
    // A popup of a window (the completer's list) stands for its box.
    if (top && top->focusProxy()) top = top->focusProxy()->window();
    for (const auto& [form, w] : windows_)
        if (w && w == top) return form;
    return 0;
}

void QtToolkit::showWindow(FormId form)
{
    FormWindow* w = windows_[form];
    if (!w) return;
    if (!w->isVisible()) place(form, w);  // a window on screen stays where it is
    enterGuard_->shown(form);
    w->show();
    if (w->frameGeometry().size() != w->size()) frame_ = w->frameGeometry().size() - w->size();
    w->raise();
    w->activateWindow();
}

void QtToolkit::hideWindow(FormId form)
{
    FormWindow* w = windows_[form];
    if (!w || !w->isVisible()) return;
    lastLeft_ = w->frameGeometry();
    if (form == kMainForm) settings_.setMainWindowPosition(w->pos());
    w->hide();
}

// The title also names the window for a screen reader.
void QtToolkit::setTitle(FormId form, const std::string& title)
{
    if (FormWindow* w = windows_[form]) {
        w->setWindowTitle(QString::fromStdString(title));
        w->setAccessibleName(w->windowTitle());
    }
}

// A window without a drawing shows its lines when it is drawn again.
void QtToolkit::printLine(FormId form, int row, const std::string& /*text*/)
{
    if (FormWindow* w = windows_[form]) w->printLine(row);
}

void QtToolkit::clearOutput(FormId form)
{
    if (FormWindow* w = windows_[form]) w->clearOutput();
}

void QtToolkit::showHint(FormId form, const KeyHint& hint)
{
    if (FormWindow* w = windows_[form]) w->showHint(hint);
}

void QtToolkit::showFault(FormId form, int /*code*/, const std::string& message)
{
    QMessageBox box(QMessageBox::Critical, fromCore(ui_texts::kFaultTitle), QString::fromStdString(message),
                    QMessageBox::Ok, windows_[form]);
    box.exec();
}

void QtToolkit::quit()
{
    if (FormWindow* main = windows_[kMainForm]; main && main->isVisible()) settings_.setMainWindowPosition(main->pos());
    for (const auto& [form, w] : windows_)
        if (w) w->hide();
    QCoreApplication::quit();
}

void EnterGuard::shown(FormId form)
{
    // Shown by the handler of that Enter, which has not returned yet.
    constexpr qint64 kSameEventMs = 200;
    if (lastEnter_.isValid() && lastEnter_.elapsed() < kSameEventMs)
        fresh_[form].start();
    else
        fresh_.erase(form);
}

bool EnterGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress) return false;
    const FormId form = watched->isWidgetType() ? toolkit_.formOf(static_cast<QWidget*>(watched)) : 0;
    if (!form) return false;
    const auto* key = type == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    if (!key || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) {
        fresh_.erase(form);  // the user works in the window
        lastEnter_.invalidate();
        return false;
    }
    if (key->isAutoRepeat()) return true;
    if (auto it = fresh_.find(form); it != fresh_.end()) {
        const bool tooSoon = it->second.elapsed() < kSettleMs;
        fresh_.erase(it);
        if (tooSoon) return true;
    }
    lastEnter_.start();
    return false;
}

}  // namespace bk
