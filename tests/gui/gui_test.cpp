// The real Qt windows, driven offscreen: typing a key, clicking, the close
// box, the print area and the fault message.
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QCompleter>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <set>

#include "app/application.h"
#include "app/navigation.h"
#include "gui/qt_program.h"
#include "lookup/completion.h"
#include "lookup/key_hint.h"
#include "lookup/lookup_table.h"
#include "lookup/subjects.h"
#include "qt/chinese_ui.h"
#include "qt/qt_toolkit.h"
#include "qt/voucher_view.h"
#include "support/test_support.h"
#include "window/print_layout.h"
#include "window/windows.h"

using bk::Application;

class GuiTest : public QObject, private QtProgram {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> settingsDir_;  // the user's choices, a new folder for each test

    QString settingsFile() const { return settingsDir_->filePath(QStringLiteral("settings.ini")); }
    // A new run of the program with the choices kept so far.
    void restart() { startProgram(settingsFile()); }

    QWidget* window(int form) const { return toolkit_->window(form); }
    template <class T>
    T* control(int form, const char* name) const
    {
        QWidget* w = window(form);
        return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    void typeKey(const QString& key)
    {
        // Chinese text goes in as an input method would commit it.
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(edit);
        edit->setText(key);
    }
    void click(int form, const char* button)
    {
        auto* b = control<QPushButton>(form, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // A button by its name: the main window's and a calculator's.
    void click(int form, bk::MainButton button)
    {
        click(form, qPrintable(QStringLiteral("Command%1").arg(static_cast<int>(button))));
    }
    void click(int form, bk::calc::CalcButton button)
    {
        click(form, qPrintable(QStringLiteral("Command%1").arg(static_cast<int>(button))));
    }
    // Closes the fault box that the next click may open.
    void closeFaultBoxes()
    {
        QTimer::singleShot(0, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
        });
    }
    bool visible(int form) const { return window(form) && window(form)->isVisible(); }
    QStringList printed(int form) const
    {
        QStringList lines;
        if (const auto* w = app_->windows().find(form))
            for (const std::string& l : w->output().lines()) lines << QString::fromStdString(l);
        return lines;
    }
    // The names of the widgets the Tab key reaches from `from`, one press each.
    QStringList tabStops(QWidget* from, int presses)
    {
        QStringList names;
        from->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << QApplication::focusWidget()->objectName();
        }
        return names;
    }
    // A click that comes through the window system, as a real one does: while
    // a popup is open it goes to the popup first.
    void systemClick(QWidget* target)
    {
        QWidget* top = target->window();
        const QPoint at = target->mapTo(top, target->rect().center());
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, at);
    }
    // Chinese text as an input method commits it.
    static void commit(QLineEdit* edit, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    }
    static qreal w1Scale() { return QGuiApplication::primaryScreen()->devicePixelRatio(); }
    static QScrollArea* view(QWidget* w) { return w->findChild<QScrollArea*>(QStringLiteral("view")); }
    // The window's client area under its menu bar, where its controls and
    // print area stand.
    static QWidget* pageOf(QWidget* w) { return w->findChild<QWidget*>(QStringLiteral("page")); }
    static int menuBarHeight(QWidget* w) { return w->findChild<QMenuBar*>(QStringLiteral("menuBar"))->height(); }

    // Number of pixels in the area that differ from the window's background.
    static int inkIn(const QImage& image, const QRect& area)
    {
        const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != background) ++ink;
        return ink;
    }
    static QImage grab(QWidget* w, const QString& name)
    {
        QCoreApplication::processEvents();  // let pending layouts happen, as the event loop would
        QImage image = w->grab().toImage();
        const QString dir = qEnvironmentVariable("BOOKKEEPER_GRAB_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            image.save(dir + QLatin1Char('/') + name + QLatin1String(".png"));
        }
        return image;
    }

private slots:
    void init()
    {
        settingsDir_ = std::make_unique<QTemporaryDir>();
        restart();
    }
    void cleanup() { endProgram(); }

    void startsWithTheMainWindowAtItsSize()
    {
        QVERIFY(visible(bk::kMainForm));
        QCOMPARE(window(bk::kMainForm)->windowTitle(), QStringLiteral("记账助手"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window(bk::kMainForm))->text(QAccessible::Name),
                 QStringLiteral("记账助手"));
        const bk::WindowSpec spec = Application::windowSpec(1);
        QCOMPARE(window(bk::kMainForm)->size(),
                 QSize((spec.widthTwips + 7) / 15, (spec.heightTwips + 7) / 15 + menuBarHeight(window(bk::kMainForm))));
        QCOMPARE(control<QLineEdit>(bk::kMainForm, "Text1")->size(), QSize(169, 33));
        QCOMPARE(control<QPushButton>(bk::kMainForm, "Command1")->text(), QStringLiteral("确定"));
        QCOMPARE(control<QPushButton>(bk::kMainForm, "Command2")->text(), QStringLiteral("退出"));
        QCOMPARE(control<QPushButton>(bk::kMainForm, "Command3")->text(), QStringLiteral("取消"));
        QCOMPARE(control<QLabel>(bk::kMainForm, "Label1")->text(), QStringLiteral("财务报表填写事项"));
        // The key box has the focus; Tab follows the screen: 确定 and 取消
        // side by side, then 退出 under them, then the printed lines.
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(bk::kMainForm, "Text1"));
        QCOMPARE(tabStops(control<QLineEdit>(bk::kMainForm, "Text1"), 5),
                 (QStringList{"Command1", "Command3", "Command2", "printArea", "Text1"}));
    }

    // The key box lists keys as the user types, by characters or by pinyin
    // initials, all of them (the list scrolls); none looks chosen until the
    // arrows choose it. Enter on the chosen one fills the box and looks it up.
    void keyBoxOffersKeys()
    {
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, QStringLiteral("jtgz"));
        QCompleter* completer = edit->completer();
        QVERIFY(completer);
        QTRY_VERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->popup()->model()->index(0, 0).data().toString(), QStringLiteral("计提工资"));
        QAbstractItemView* popup = completer->popup();
        QVERIFY(!popup->currentIndex().isValid());
        QVERIFY(!popup->selectionModel()->hasSelection());

        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("计提工资"));
        QCOMPARE(app_->windows().find(bk::kMainForm)->text(1), std::string("计提工资"));
        QVERIFY(!printed(1).isEmpty());  // looked up, and its window opened
        QTRY_VERIFY(window(bk::win::UnionAndEducationFunds) && window(bk::win::UnionAndEducationFunds)->isVisible());
        click(bk::win::UnionAndEducationFunds, bk::calc::CalcButton::Exit);

        // More keys than the list shows at once: every one is in it.
        click(bk::kMainForm, bk::MainButton::Clear);
        edit->clear();
        commit(edit, QStringLiteral("计提"));
        QTRY_VERIFY(popup->isVisible());
        const auto keys = app_->completions(1, 1, "计提");
        QVERIFY(keys.size() > bk::lookup::kVisibleCompletions);
        QCOMPARE(popup->model()->rowCount(), static_cast<int>(keys.size()));
        QCOMPARE(popup->model()->index(popup->model()->rowCount() - 1, 0).data().toString(),
                 QString::fromStdString(keys.back()));
        QVERIFY(popup->verticalScrollBar()->maximum() > 0);
        grab(popup, QStringLiteral("form1-completer-scrolls"));
        popup->hide();
        edit->clear();

        // Chinese committed by an input method lists the keys containing it.
        edit->clear();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("固定资产"));
        QApplication::sendEvent(edit, &commit);
        QCOMPARE(edit->text(), QStringLiteral("固定资产"));
        QTRY_VERIFY(completer->popup()->isVisible());
        const QAbstractItemModel* offered = completer->popup()->model();
        QVERIFY(offered->rowCount() >= 5);
        QCOMPARE(offered->index(0, 0).data().toString(), QStringLiteral("固定资产"));  // the key itself first
        QCOMPARE(offered->index(1, 0).data().toString(), QStringLiteral("固定资产原价"));
        grab(completer->popup(), QStringLiteral("form1-completer"));
        for (int row = 0; row < offered->rowCount(); ++row)
            QVERIFY(offered->index(row, 0).data().toString().contains(QStringLiteral("固定资产")));

        // Text still being composed is not typed yet: nothing is offered for it.
        completer->popup()->hide();
        QInputMethodEvent preedit(QStringLiteral("yingshou"), {});
        QApplication::sendEvent(edit, &preedit);
        QCOMPARE(edit->text(), QStringLiteral("固定资产"));
        QVERIFY(!completer->popup()->isVisible());

        // A key of the general standard is listed marked and goes into the box bare.
        QInputMethodEvent typed;
        typed.setCommitString(QStringLiteral("股价变动"));
        edit->clear();
        QApplication::sendEvent(edit, &typed);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(popup->model()->index(0, 0).data().toString(), QStringLiteral("股价变动【企业会计准则】"));
        grab(popup, QStringLiteral("form1-completer-marked"));
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(edit->text(), QStringLiteral("股价变动"));
        QTRY_VERIFY(window(bk::win::FairValueChange) && window(bk::win::FairValueChange)->isVisible());
        QCOMPARE(window(bk::win::FairValueChange)->windowTitle(),
                 QStringLiteral("股价变动【企业会计准则】 — 记账助手"));
        click(bk::win::FairValueChange, bk::calc::CalcButton::Compute);
        grab(window(bk::win::FairValueChange), QStringLiteral("form76-general-standard"));
        click(bk::win::FairValueChange, bk::calc::CalcButton::Exit);
    }

    // In the empty key box the Down arrow opens the keys by subject; the
    // keyboard walks it, and choosing a key fills the box without looking it up.
    void keyBoxBrowsesBySubject()
    {
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QTest::keyClick(edit, Qt::Key_Down);
        auto* menu = edit->findChild<QMenu*>(QStringLiteral("subjectMenu"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), static_cast<qsizetype>(bk::lookup::browseSubjects().size()));
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->activeAction()->text(), QStringLiteral("资产负债表项目"));
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->activeAction()->text(), QStringLiteral("利润表项目"));
        QTest::keyClick(menu, Qt::Key_Right);
        QMenu* keys = menu->activeAction()->menu();
        QVERIFY(keys);
        QTRY_VERIFY(keys->isVisible());
        grab(menu, QStringLiteral("form1-subjects"));
        grab(keys, QStringLiteral("form1-subject-keys"));
        QTRY_VERIFY(keys->activeAction());
        QCOMPARE(keys->activeAction()->text(), QStringLiteral("营业收入"));
        for (int i = 0; i < 3; ++i) QTest::keyClick(keys, Qt::Key_Down);  // past 营业成本 and 主营业务利润
        QCOMPARE(keys->activeAction()->text(), QStringLiteral("营业利润…"));  // it opens a calculator
        QTest::keyClick(keys, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("营业利润"));
        QCOMPARE(app_->windows().find(bk::kMainForm)->text(1), std::string("营业利润"));
        QVERIFY(app_->windows().find(bk::kMainForm)->output().lines().empty());  // not looked up
        QVERIFY(!window(bk::win::OperatingProfit));

        // With text in the box the Down arrow does not open it.
        QTest::keyClick(edit, Qt::Key_Down);
        QVERIFY(!menu->isVisible());

        // Escape closes it and leaves the box as it was.
        edit->clear();
        QTest::keyClick(edit, Qt::Key_Down);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(edit->text(), QString());

        // The context menu of the box offers the same menu as 按科目浏览.
        emit edit->customContextMenuRequested(QPoint(5, 5));
        auto* context = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(context);
        QCOMPARE(context->actions().value(0), menu->menuAction());
        QCOMPARE(menu->menuAction()->text(), QStringLiteral("按科目浏览"));
        grab(context, QStringLiteral("form1-context-menu"));
        context->close();
    }

    // Enter presses 确定: in the key box (with a key chosen in the open list,
    // on that key), on a focused button, and in a calculator's text box.
    // Escape closes the list.
    void enterPressesOk()
    {
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        typeKey(QStringLiteral("应收票据"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(printed(1), QStringList{QStringLiteral("应收票据")});

        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("jtgz"));
        QAbstractItemView* list = edit->completer()->popup();
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("jtgz"));
        QTest::keyClicks(edit, QStringLiteral(" "));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("计提工资"));
        QVERIFY(printed(1).size() > 1);                                      // picked and looked up at once
        click(bk::win::UnionAndEducationFunds, bk::calc::CalcButton::Exit);  // the window it opens

        // Initials typed with nothing chosen look up the key they name.
        click(bk::kMainForm, bk::MainButton::Clear);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("jtgz"));
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("jtgz"));
        QCOMPARE(printed(1).size(), 1);
        click(bk::win::UnionAndEducationFunds, bk::calc::CalcButton::Exit);

        // The list open but nothing highlighted in it: Enter looks up what was typed.
        click(bk::kMainForm, bk::MainButton::Clear);  // 取消, by the mouse
        edit->clear();
        commit(edit, QStringLiteral("应收票据"));
        QTRY_VERIFY(list->isVisible());
        QVERIFY(!list->selectionModel()->hasSelection());
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(printed(1), QStringList{QStringLiteral("应收票据")});

        click(bk::kMainForm, bk::MainButton::Clear);
        typeKey(QStringLiteral("应收票据"));
        control<QPushButton>(bk::kMainForm, "Command1")->setFocus();
        QTest::keyClick(control<QPushButton>(bk::kMainForm, "Command1"), Qt::Key_Return);
        QCOMPARE(printed(1), QStringList{QStringLiteral("应收票据")});
        control<QPushButton>(bk::kMainForm, "Command3")->setFocus();
        QTest::keyClick(control<QPushButton>(bk::kMainForm, "Command3"), Qt::Key_Enter);
        QVERIFY(printed(1).isEmpty());

        typeKey(QStringLiteral("货币资金"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(visible(2));
        QLineEdit* cash = control<QLineEdit>(bk::win::CashFunds, "Text1");
        QTest::keyClicks(cash, QStringLiteral("1500"));
        QTest::keyClick(cash, Qt::Key_Return);
        QCOMPARE(printed(2), QStringList{QStringLiteral("货币资金 1500 ")});
        QVERIFY(visible(2));
    }

    // With the completer's list showing, one click on 确定 closes the list
    // and looks the key up.
    void firstClickActsWithTheListOpen()
    {
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        commit(edit, QStringLiteral("应收票据"));
        QAbstractItemView* list = edit->completer()->popup();
        QTRY_VERIFY(list->isVisible());
        systemClick(control<QPushButton>(bk::kMainForm, "Command1"));
        QVERIFY(!list->isVisible());
        QCOMPARE(printed(1), QStringList{QStringLiteral("应收票据")});
        QVERIFY(!edit->completer()->popup()->isVisible());
        // A click elsewhere only closes the list.
        edit->clear();
        commit(edit, QStringLiteral("应收票据"));
        QTRY_VERIFY(list->isVisible());
        systemClick(control<QLabel>(bk::kMainForm, "Label1"));
        QVERIFY(!list->isVisible());
        QCOMPARE(printed(1).size(), 1);
    }

    void keyOpensTwoCalculatorsAndExitReturns()
    {
        typeKey(QStringLiteral("利润总额"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(!visible(bk::kMainForm));
        QVERIFY(visible(35));
        QVERIFY(visible(46));
        QCOMPARE(window(bk::win::PeriodEndClosing)->windowTitle(), QStringLiteral("利润总额 — 记账助手"));
        QCOMPARE(window(bk::win::TotalProfit)->windowTitle(), QStringLiteral("利润总额 — 记账助手"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window(bk::win::PeriodEndClosing))->text(QAccessible::Name),
                 window(bk::win::PeriodEndClosing)->windowTitle());
        click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Exit);
        QVERIFY(!visible(46));
        QVERIFY(visible(35));
        QVERIFY(visible(bk::kMainForm));
        // The typed key is still there.
        QCOMPARE(control<QLineEdit>(bk::kMainForm, "Text1")->text(), QStringLiteral("利润总额"));
    }

    // A window's title is the key that opened it, also when the window was
    // on screen already, and its accessible name follows.
    void titlesSayWhatWasTyped()
    {
        typeKey(QStringLiteral("盘亏"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QCOMPARE(window(bk::win::StockCountDifferences)->windowTitle(), QStringLiteral("盘亏 — 记账助手"));
        click(bk::win::StockCountDifferences, bk::calc::CalcButton::Exit);
        typeKey(QStringLiteral("利润总额"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        click(bk::win::TotalProfit, bk::calc::CalcButton::Exit);
        QVERIFY(visible(46));
        QWidget* shown = window(bk::win::PeriodEndClosing);
        typeKey(QStringLiteral("本年利润"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QCOMPARE(window(bk::win::PeriodEndClosing), shown);  // the same drawing, retitled
        QCOMPARE(window(bk::win::PeriodEndClosing)->windowTitle(), QStringLiteral("本年利润 — 记账助手"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window(bk::win::PeriodEndClosing))->text(QAccessible::Name),
                 QStringLiteral("本年利润 — 记账助手"));
    }

    // The Enter that looks a key up does not press 确定 in the window it
    // opens: neither a quick second Enter nor the key held down. A deliberate
    // Enter there does, after typing or after a pause.
    void enterDoesNotReachTheWindowItOpens()
    {
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        typeKey(QStringLiteral("货币资金"));
        QTest::keyClick(control<QLineEdit>(bk::kMainForm, "Text1"), Qt::Key_Return);
        QVERIFY(visible(2));
        QLineEdit* cash = control<QLineEdit>(bk::win::CashFunds, "Text1");
        QTest::keyClick(cash, Qt::Key_Return);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(cash, &held);
        QVERIFY(printed(2).isEmpty());
        QTest::keyClicks(cash, QStringLiteral("1500"));
        QTest::keyClick(cash, Qt::Key_Return);
        QCOMPARE(printed(2).size(), 1);

        click(bk::win::CashFunds, bk::calc::CalcButton::Exit);
        QVERIFY(visible(bk::kMainForm));
        QTest::keyClick(control<QLineEdit>(bk::kMainForm, "Text1"), Qt::Key_Return);
        QVERIFY(visible(2));
        QTest::qWait(600);
        QTest::keyClick(control<QLineEdit>(bk::win::CashFunds, "Text1"), Qt::Key_Return);
        QCOMPARE(printed(2).size(), 2);
    }

    // A key that matches nothing prints nothing; the hint under the key box
    // says so and offers the nearest keys, and the keyboard can choose one.
    // Spaces around a key are dropped.
    void unknownKeyGetsAHint()
    {
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        auto* hint = control<QWidget>(bk::kMainForm, "keyHint");
        QVERIFY(hint);
        QVERIFY(!hint->isVisible());
        typeKey(QStringLiteral("应收帐款"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(bk::kMainForm));
        QVERIFY(printed(1).isEmpty());
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->findChild<QLabel*>(QStringLiteral("hintMessage"))->text(),
                 QStringLiteral("没有找到“应收帐款”。您要找的是不是："));
        const auto links = hint->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^hintKey")));
        const auto keys = bk::lookup::hintKeys("应收帐款");
        QCOMPARE(keys.size(), size_t{5});
        QCOMPARE(keys.front(), std::string_view("应收账款"));
        QCOMPARE(links.size(), 5);
        for (size_t i = 0; i < keys.size(); ++i)
            QCOMPARE(QAccessible::queryAccessibleInterface(links[static_cast<qsizetype>(i)])->text(QAccessible::Name),
                     QString::fromUtf8(keys[i].data(), static_cast<qsizetype>(keys[i].size())));
        QVERIFY(
            QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Name).contains(QStringLiteral("应收账款")));
        // No control stands over it.
        for (auto* c : window(bk::kMainForm)
                           ->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Text|Command|Label)\\d+$"))))
            QVERIFY2(!c->geometry().intersects(hint->geometry()), qPrintable(c->objectName()));
        grab(window(bk::kMainForm), QStringLiteral("form1-hint"));

        // Tab from 退出 reaches the first key; Enter puts it into the box.
        control<QPushButton>(bk::kMainForm, "Command2")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control<QPushButton>(bk::kMainForm, "Command2"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), links[0]);
        QTest::keyClick(links[0], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), links[1]);
        QTest::keyClick(links[1], Qt::Key_Backtab);
        QTest::keyClick(links[0], Qt::Key_Return);
        QCOMPARE(control<QLineEdit>(bk::kMainForm, "Text1")->text(), QStringLiteral("应收账款"));
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(bk::kMainForm, "Text1"));
        QVERIFY(!hint->isVisible());
        QVERIFY(!window(bk::win::AccountsReceivable));

        // A hint with more keys than its area holds scrolls; Tab reaches the
        // last key and brings it into view.
        typeKey(QStringLiteral("计提"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the earlier hint's keys
        const auto many = hint->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^hintKey")));
        QCOMPARE(static_cast<size_t>(many.size()), bk::lookup::hintKeys("计提").size());
        auto* scroll = qobject_cast<QScrollArea*>(hint);
        QVERIFY(scroll);
        QTRY_VERIFY(scroll->verticalScrollBar()->maximum() > 0);
        many.front()->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 1; i < many.size(); ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), many.back());
        QVERIFY(scroll->viewport()->rect().contains(many.back()->mapTo(scroll->viewport(), QPoint(0, 0))));
        grab(window(bk::kMainForm), QStringLiteral("form1-hint-scrolls"));

        typeKey(QStringLiteral(" 应收账款\u3000"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(4));
        QCOMPARE(printed(1).size(), 1);
    }

    void closeBoxOfACalculatorIsItsExit()
    {
        typeKey(QStringLiteral("材料成本差异率"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(18));
        window(bk::win::CostVarianceRate)->close();
        QVERIFY(!visible(18));
        QVERIFY(visible(bk::win::CostVarianceIssued));  // Form18 returns to Form19, not to the main window
        QVERIFY(!visible(bk::kMainForm));
    }

    void captionLabelOpensItsCalculator()
    {
        typeKey(QStringLiteral("累计折旧"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(79));
        auto* label = control<QLabel>(bk::win::DepreciationByCostCentre, "Label6");
        QVERIFY(label);
        QVERIFY(label->text().contains(QStringLiteral(">累计折旧</a>")));
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(visible(25));
        QVERIFY(visible(79));
        // The other captions are inert.
        QTest::mouseClick(control<QLabel>(bk::win::DepreciationByCostCentre, "Label1"), Qt::LeftButton);
        QCOMPARE(app_->windows().visibleFrontFirst().front(), bk::win::Depreciation);
    }

    // The two captions that open a further calculator look like links and
    // work from the keyboard: Tab reaches them after the buttons, Space or
    // Enter opens.
    void linkCaptionsByKeyboard()
    {
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        typeKey(QStringLiteral("累计折旧"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        auto* link = control<QLabel>(bk::win::DepreciationByCostCentre, "Label6");
        QVERIFY(link);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->text().contains(QStringLiteral("<a ")));
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Name), QStringLiteral("累计折旧"));
        QCOMPARE(control<QLabel>(bk::win::DepreciationByCostCentre, "Label1")->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(control<QLabel>(bk::win::DepreciationByCostCentre, "Label1")->focusPolicy() == Qt::NoFocus);
        grab(window(bk::win::DepreciationByCostCentre), QStringLiteral("form79-link"));
        QCOMPARE(tabStops(control<QPushButton>(bk::win::DepreciationByCostCentre, "Command3"), 1),
                 QStringList{"Label6"});
        QTest::keyClick(link, Qt::Key_Space);
        QVERIFY(visible(25));
        click(bk::win::Depreciation, bk::calc::CalcButton::Exit);
        QVERIFY(!visible(25));
        QTest::keyClick(control<QLabel>(bk::win::DepreciationByCostCentre, "Label6"), Qt::Key_Return);
        QVERIFY(visible(25));

        click(bk::win::Depreciation, bk::calc::CalcButton::Exit);
        click(bk::win::DepreciationByCostCentre, bk::calc::CalcButton::Exit);
        typeKey(QStringLiteral("材料成本差异"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(control<QLabel>(bk::win::CostVarianceIssued, "Label1")
                    ->text()
                    .contains(QStringLiteral(">材料成本差异率</a>")));
        // The field it names is still known by the caption alone.
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(bk::win::CostVarianceIssued, "Text1"))
                     ->text(QAccessible::Name),
                 QStringLiteral("材料成本差异率"));
        QTest::keyClick(control<QLabel>(bk::win::CostVarianceIssued, "Label1"), Qt::Key_Enter);
        QVERIFY(visible(18));
    }

    // A text box whose text is not wholly a number is marked and says which
    // number was used; the amount is read as before.
    void partlyReadFieldIsMarked()
    {
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QLineEdit* cash = control<QLineEdit>(bk::win::CashFunds, "Text1");
        QLineEdit* bank = control<QLineEdit>(bk::win::CashFunds, "Text2");
        const struct {
            QString text;
            QString note;
        } cases[] = {{QStringLiteral("12abc"), QStringLiteral("只读取了 12")},
                     {QStringLiteral("1.2.3"), QStringLiteral("只读取了 1.2")},
                     {QStringLiteral("abc"), QStringLiteral("没有读到数字，按 0 计算")},
                     {QStringLiteral("5%"), QStringLiteral("按 5% 即 0.05 计算")},
                     {QStringLiteral("12"), QString()},
                     {QStringLiteral(" 1 000 "), QString()},
                     {QString(), QString()}};
        for (const auto& c : cases) {
            QTest::keyClick(cash, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(cash, Qt::Key_Delete);
            QTest::keyClicks(cash, c.text);
            QCOMPARE(cash->toolTip(), c.note);
            QCOMPARE(cash->findChild<QAction*>(QStringLiteral("partlyRead")) != nullptr, !c.note.isEmpty());
            // Without a note the box is described by its form, as its grey text says.
            QCOMPARE(QAccessible::queryAccessibleInterface(cash)->text(QAccessible::Description),
                     c.note.isEmpty() ? QStringLiteral("金额") : c.note);
        }
        QVERIFY(bank->toolTip().isEmpty());
        cash->setText(QStringLiteral("12abc"));
        grab(window(bk::win::CashFunds), QStringLiteral("form2-marked"));
        click(bk::win::CashFunds, bk::calc::CalcButton::Compute);
        QCOMPARE(printed(2), QStringList{QStringLiteral("货币资金 12 ")});
        // The mark comes back with the window.
        click(bk::win::CashFunds, bk::calc::CalcButton::Exit);
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QCOMPARE(control<QLineEdit>(bk::win::CashFunds, "Text1")->toolTip(), QStringLiteral("只读取了 12"));
    }

    void typedTextReachesTheCalculator()
    {
        typeKey(QStringLiteral("材料成本差异"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        auto* rate = control<QLineEdit>(bk::win::CostVarianceIssued, "Text1");
        QVERIFY(rate);
        QTest::keyClicks(rate, QStringLiteral("0.02"));
        QCOMPARE(app_->windows().find(bk::win::CostVarianceIssued)->text(1), std::string("0.02"));
    }

    void printAreaDrawsLinesAndScrolls()
    {
        QWidget* main = pageOf(window(bk::kMainForm));
        const QRect printArea(0, 0, 400, 170);  // left of the controls
        QCOMPARE(inkIn(grab(main, QStringLiteral("form1-empty")), printArea), 0);

        // "应收账款损失" prints nine lines.
        typeKey(QStringLiteral("应收账款损失"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(inkIn(grab(main, QStringLiteral("form1-printed")), printArea) > 500);

        // The lines are still there after a calculator was opened and left:
        // the window shown again draws what the program printed on it.
        typeKey(QStringLiteral("利润总额"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(!visible(bk::kMainForm));
        click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Exit);
        click(bk::win::TotalProfit, bk::calc::CalcButton::Exit);
        QVERIFY(visible(bk::kMainForm));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // as the event loop would
        main = pageOf(window(bk::kMainForm));
        QVERIFY(inkIn(grab(main, QStringLiteral("form1-reshown")), printArea) > 500);
        QCOMPARE(control<QLineEdit>(bk::kMainForm, "Text1")->text(), QStringLiteral("利润总额"));

        // More lines than fit: the newest line is scrolled into view.
        typeKey(QStringLiteral("应收账款损失"));
        for (int press = 0; press < 5; ++press) click(bk::kMainForm, bk::MainButton::LookUp);
        const QImage scrolled = grab(main, QStringLiteral("form1-scrolled"));
        QVERIFY(inkIn(scrolled, QRect(0, main->height() - 40, 300, 40)) > 20);
        QScrollBar* bar = control<QPlainTextEdit>(bk::kMainForm, "printArea")->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        click(bk::kMainForm, bk::MainButton::Clear);  // 取消
        QCOMPARE(inkIn(grab(main, QStringLiteral("form1-cleared")), printArea), 0);
        QVERIFY(!bar->isVisible());

        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        const QRect calculatorPrintArea(0, 0, 250, 30);
        QCOMPARE(inkIn(grab(pageOf(window(bk::win::CashFunds)), QStringLiteral("form2-empty")), calculatorPrintArea),
                 0);
        click(bk::win::CashFunds, bk::calc::CalcButton::Compute);
        QVERIFY(inkIn(grab(pageOf(window(bk::win::CashFunds)), QStringLiteral("form2")), calculatorPrintArea) > 50);
    }

    // An overflow in a calculator shows a Chinese message box; after 确定 the
    // program goes on with its windows, inputs and printed lines as they were.
    void faultMessageIsChinese()
    {
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        click(bk::win::CashFunds, bk::calc::CalcButton::Compute);
        control<QLineEdit>(bk::win::CashFunds, "Text1")->setText(QStringLiteral("1e308"));
        control<QLineEdit>(bk::win::CashFunds, "Text2")->setText(QStringLiteral("1e308"));
        QString text;
        QString button;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            grab(box, QStringLiteral("fault"));
            text = box->text();
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            button = ok->text();
            ok->click();
        });
        click(bk::win::CashFunds, bk::calc::CalcButton::Compute);
        QCOMPARE(text, QStringLiteral("运行时错误 6：溢出"));
        QCOMPARE(button, QStringLiteral("确定"));
        QVERIFY(visible(2));
        QVERIFY(!app_->ended());
        QCOMPARE(control<QLineEdit>(bk::win::CashFunds, "Text1")->text(), QStringLiteral("1e308"));
        QCOMPARE(app_->windows().find(bk::win::CashFunds)->output().lines(), std::vector<std::string>{"货币资金 0 "});
    }

    // However many lines the lookup prints, and however long, the main
    // window shows them where no control covers them: they scroll, the
    // newest in view, and the longest fits across.
    void longMainOutputIsReadable()
    {
        QWidget* main = window(bk::kMainForm);
        auto* area = control<QPlainTextEdit>(bk::kMainForm, "printArea");
        for (auto* c :
             main->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Text|Command|Label)\\d+$|^keyHint$"))))
            QVERIFY2(!c->geometry().intersects(area->geometry()), qPrintable(c->objectName()));
        QCOMPARE(area->geometry().topLeft(), QPoint(0, 0));
        for (const QString& key : {QStringLiteral("代理出口"), QStringLiteral("结转盘盈")}) {
            typeKey(key);
            click(bk::kMainForm, bk::MainButton::LookUp);
        }
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        // Every line the lookup can print, each once.
        for (const auto& [key, rules] : bk::test::rulesByKey()) {
            bool printsOnly = !key.empty();
            for (int n : rules)
                for (const auto& a : bk::test::rules()[static_cast<size_t>(n)].actions)
                    printsOnly &= a.kind == bk::lookup::RuleAction::Kind::PrintLine;
            if (!printsOnly) continue;
            typeKey(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
            click(bk::kMainForm, bk::MainButton::LookUp);
        }
        QVERIFY(visible(bk::kMainForm));
        QVERIFY(printed(1).size() > 300);
        QCoreApplication::processEvents();
        QVERIFY(!area->horizontalScrollBar()->isVisible());  // the longest line fits across
        QScrollBar* bar = area->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(area->viewport()->rect().contains(area->cursorRect(QTextCursor(area->document()->lastBlock()))));
        grab(main, QStringLiteral("form1-long-output"));
        // The first line starts at the top of the print area.
        bar->setValue(0);
        QVERIFY(area->cursorRect(QTextCursor(area->document()->firstBlock())).top() < 8);
    }

    // The printed lines are a stop of the Tab key after the buttons; the
    // keyboard selects (Shift+arrows, Ctrl+A), copies (Ctrl+C), copies as a
    // table (Ctrl+Shift+C) and opens the menu (Menu key, Shift+F10).
    void printAreaByKeyboard()
    {
        QPlainTextEdit* area = pressedForm46();
        QVERIFY(QTest::qWaitForWindowActive(window(bk::win::PeriodEndClosing)));
        QCOMPARE(tabStops(control<QPushButton>(bk::win::PeriodEndClosing, "Command3"), 1), QStringList{"printArea"});
        QCOMPARE(QApplication::focusWidget(), area);
        area->moveCursor(QTextCursor::Start);
        QTest::keyClick(area, Qt::Key_Down);
        QTest::keyClick(area, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(area, Qt::Key_Down, Qt::ShiftModifier);
        grab(window(bk::win::PeriodEndClosing), QStringLiteral("form46-selected-by-keyboard"));
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("主营业务收入（借）\t1,000\n其他业务收入（借）\t0\n"));
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("主营业务收入（借）\t1000\n其他业务收入（借）\t0\n"));
        QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), area->toPlainText());

        for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers{}},
                                             std::pair{Qt::Key_F10, Qt::KeyboardModifiers{Qt::ShiftModifier}}}) {
            QTest::keyClick(area, key, modifiers);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QStringLiteral("printAreaMenu"));
            QCOMPARE(menu->actions().at(2)->text(), QStringLiteral("复制为表格"));
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
    }

    // Keys that do exactly the same stand in the browse menu as one item;
    // choosing it puts its first key in the box. The completer still offers
    // every one of them.
    void browseMenuMergesKeysThatDoTheSame()
    {
        QLineEdit* edit = control<QLineEdit>(bk::kMainForm, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QTest::keyClick(edit, Qt::Key_Down);
        auto* menu = edit->findChild<QMenu*>(QStringLiteral("subjectMenu"));
        QVERIFY(menu);
        QAction* merged = nullptr;
        QStringList all;
        for (QAction* subject : menu->actions())
            for (QAction* item : subject->menu()->actions()) {
                all << item->text();
                if (item->text() == QStringLiteral("产品毁损（产品毁坏、产品损坏）…")) merged = item;
            }
        QVERIFY(merged);
        QVERIFY(!all.contains(QStringLiteral("产品毁坏")));
        QVERIFY(all.contains(QStringLiteral("现金溢余（现金多余）")));
        QVERIFY(all.contains(QStringLiteral("应收票据")));  // it prints: no mark
        menu->close();
        merged->trigger();
        QCOMPARE(edit->text(), QStringLiteral("产品毁损"));
        for (const char* key : {"产品毁坏", "产品损坏", "现金多余"}) {
            const auto offered = app_->completions(1, 1, key);
            QVERIFY2(std::find(offered.begin(), offered.end(), std::string(key)) != offered.end(), key);
        }
    }

    // A window larger than the screen gets scroll bars and can be made
    // smaller; every control can be scrolled into view. A window that fits
    // keeps its size. Run at 1, 1.5 and 2 times the scale on a 1366 x 768
    // screen.
    void largeWindowsScroll()
    {
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        int scrolled = 0;
        for (const auto& [key, form] : {std::pair{"发工资", 82}, std::pair{"利润总额", 46}, std::pair{"", 1}}) {
            if (form == 1) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (form != 1) {
                typeKey(QString::fromUtf8(key));
                click(bk::kMainForm, bk::MainButton::LookUp);
            }
            QWidget* w = window(form);
            QVERIFY(w && w->isVisible());
            // A calculator too wide for the screen has its lines below its fields.
            const bk::WindowSpec natural = Application::windowSpec(form);
            const bool across = (natural.widthTwips + 7) / 15 <= room.width() - 16;
            const bk::WindowSpec spec = across ? natural : bk::printAreaBelow(natural, bk::kPrintHeightBelow);
            const QSize page((spec.widthTwips + 7) / 15, (spec.heightTwips + 7) / 15);
            QCoreApplication::processEvents();  // the layout, as the event loop would
            QWidget* shown = w->findChild<QWidget*>(QStringLiteral("page"));
            QCOMPARE(shown->height(), page.height());
            QVERIFY(shown->width() <= page.width());
            QVERIFY(w->width() <= room.width() && w->height() <= room.height());
            QVERIFY(w->minimumWidth() <= room.width() && w->minimumHeight() <= room.height());
            const bool fits =
                page.width() <= room.width() - 16 && page.height() + menuBarHeight(w) <= room.height() - 48;
            if (fits) {
                QCOMPARE(w->size(), page + QSize(0, menuBarHeight(w)));
            } else {
                ++scrolled;
                QVERIFY(w->minimumSize() != w->maximumSize());  // the user can resize it
                QScrollArea* v = view(w);
                QVERIFY(v->verticalScrollBar()->isVisible() || v->horizontalScrollBar()->isVisible());
                for (auto* c : w->findChildren<QPushButton*>()) {
                    v->ensureWidgetVisible(c, 0, 0);
                    const QRect at(c->mapTo(v->viewport(), QPoint(0, 0)), c->size());
                    QVERIFY2(v->viewport()->rect().contains(at), qPrintable(c->objectName()));
                }
                v->verticalScrollBar()->setValue(0);
                v->horizontalScrollBar()->setValue(0);
                if (form == 1) {
                    // The print area gives up width; the key box and the
                    // buttons stay in view across, and the lines scroll
                    // sideways in the print area itself.
                    QVERIFY(!v->horizontalScrollBar()->isVisible());
                    auto* area = control<QPlainTextEdit>(bk::kMainForm, "printArea");
                    for (auto* c : w->findChildren<QWidget*>(
                             QRegularExpression(QStringLiteral("^(Text|Command|Label)\\d+$|^browseButton$")))) {
                        QVERIFY2(c->x() + c->width() <= v->viewport()->width(), qPrintable(c->objectName()));
                        QVERIFY2(!c->geometry().intersects(area->geometry()), qPrintable(c->objectName()));
                    }
                    typeKey(QStringLiteral("代理出口"));
                    click(bk::kMainForm, bk::MainButton::LookUp);
                    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
                }
            }
            grab(w, QStringLiteral("form%1-on-office-screen").arg(form));
            if (form == bk::win::PeriodEndClosing) {
                click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Exit);
                click(bk::win::TotalProfit, bk::calc::CalcButton::Exit);
            } else if (form == bk::win::PayrollCycle) {
                click(bk::win::PayrollCycle, bk::calc::CalcButton::Exit);
            }
        }
        if (w1Scale() >= 2) QVERIFY(scrolled >= 2);  // Form82 and Form46 at least
    }

    void everyCalculatorLaysOutCleanly()
    {
        for (int form = bk::kFirstCalculator; form <= Application::lastWindow(); ++form) {
            const bk::WindowSpec spec = Application::windowSpec(form);
            const QRect client(0, 0, spec.widthTwips, spec.heightTwips);
            for (size_t i = 0; i < spec.controls.size(); ++i) {
                const auto& r = spec.controls[i].rect;
                const QRect a(r.left, r.top, r.width, r.height);
                QVERIFY2(client.contains(a), qPrintable(QStringLiteral("Form%1 %2").arg(form).arg(i)));
                for (size_t j = i + 1; j < spec.controls.size(); ++j) {
                    const auto& q = spec.controls[j].rect;
                    QVERIFY2(!a.intersects(QRect(q.left, q.top, q.width, q.height)),
                             qPrintable(QStringLiteral("Form%1 controls %2 and %3 overlap").arg(form).arg(i).arg(j)));
                }
            }
        }
        // A key that opens two windows leaves the second one open when the
        // first is left: it is pressed and grabbed where it stands.
        std::set<int> grabbed;
        for (const auto& rule : bk::lookup::LookupTable::instance().rules()) {
            for (const auto& action : rule.actions) {
                if (action.kind != bk::lookup::RuleAction::Kind::OpenWindow) continue;
                const int form = action.window;
                if (!grabbed.insert(form).second) continue;
                if (!visible(form)) {
                    typeKey(QString::fromStdString(std::string(rule.key)));
                    click(bk::kMainForm, bk::MainButton::LookUp);
                }
                QVERIFY(visible(form));
                // A window that divides by an empty field faults on this
                // press; its fault box is closed at once.
                closeFaultBoxes();
                click(form, bk::calc::CalcButton::Compute);
                QVERIFY2(drawnAsPrinted(form, QStringLiteral("form%1").arg(form)),
                         qPrintable(QStringLiteral("Form%1").arg(form)));
                // Again with an amount in every field: real numbers printed
                // beside the controls.
                click(form, bk::calc::CalcButton::Clear);
                for (auto* edit : window(form)->findChildren<QLineEdit*>()) edit->setText(QStringLiteral("1234.5"));
                closeFaultBoxes();
                click(form, bk::calc::CalcButton::Compute);
                QVERIFY(!app_->ended());
                QVERIFY2(drawnAsPrinted(form, QStringLiteral("form%1-filled").arg(form)),
                         qPrintable(QStringLiteral("Form%1").arg(form)));
                click(form, bk::calc::CalcButton::Exit);
                QVERIFY(visible(bk::kMainForm) || visible(bk::returnWindow(form)));
                if (!visible(bk::kMainForm)) click(bk::returnWindow(form), bk::calc::CalcButton::Exit);
            }
        }
    }

    // The calculator's grab shows ink left of its fields exactly when it has
    // printed a line that is not blank.
    bool drawnAsPrinted(int form, const QString& name)
    {
        const QRect lines(0, 0, 320, pageOf(window(form))->height());
        const int ink = inkIn(grab(pageOf(window(form)), name), lines);
        const QStringList all = printed(form);
        const bool any = std::any_of(all.begin(), all.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
        return any ? ink > 0 : ink == 0;
    }

    // Form46 with revenue 1000, cost 600 and income tax 100, at the year end, pressed once.
    QPlainTextEdit* pressedForm46()
    {
        typeKey(QStringLiteral("利润总额"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        control<QLineEdit>(bk::win::PeriodEndClosing, "Text15")->setText(QStringLiteral("1"));
        control<QLineEdit>(bk::win::PeriodEndClosing, "Text1")->setText(QStringLiteral("1000"));
        control<QLineEdit>(bk::win::PeriodEndClosing, "Text6")->setText(QStringLiteral("600"));
        control<QLineEdit>(bk::win::PeriodEndClosing, "Text14")->setText(QStringLiteral("100"));
        click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Compute);
        return control<QPlainTextEdit>(bk::win::PeriodEndClosing, "printArea");
    }

    // The printed lines can be selected and copied as text, and copied as a
    // table: tab-separated with bare amounts, as an HTML table, and as the
    // plain lines. Nothing on the window changes.
    void printedLinesCopyAsTextAndAsTable()
    {
        QPlainTextEdit* area = pressedForm46();
        QVERIFY(area);
        const auto printed = app_->windows().find(bk::win::PeriodEndClosing)->output().lines();
        QCOMPARE(printed.size(), size_t{27});
        QCOMPARE(area->document()->blockCount(), 27);

        // Lines 0 to 6 selected: the entry's heading, its five lines and the blank line after it.
        QTextCursor cursor(area->document());
        cursor.setPosition(area->document()->findBlockByNumber(7).position(), QTextCursor::KeepAnchor);
        area->setTextCursor(cursor);
        emit area->customContextMenuRequested(QPoint(5, 5));
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList names;
        for (QAction* a : menu->actions()) names << a->text();
        QCOMPARE(names, (QStringList{QStringLiteral("复制"), QStringLiteral("全选"), QStringLiteral("复制为表格")}));
        menu->actions().at(2)->trigger();
        menu->close();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(QString::fromUtf8(data->data(QStringLiteral("text/tab-separated-values"))),
                 QStringLiteral("结转收入\n主营业务收入（借）\t1000\n其他业务收入（借）\t0\n投资收益（借）\t0\n"
                                "营业外收入（借）\t0\n本年利润（贷）\t1000\n\n"));
        // A paste without formatting gives the same columns.
        QCOMPARE(data->text(), QString::fromUtf8(data->data(QStringLiteral("text/tab-separated-values"))));
        QVERIFY(data->html().contains(QStringLiteral("<tr><td>主营业务收入（借）</td><td>1000</td></tr>")));
        QVERIFY(data->html().contains(QStringLiteral("<tr></tr>")));

        // Nothing selected: every line; the closing lines carry the profit.
        area->setTextCursor(QTextCursor(area->document()));
        emit area->customContextMenuRequested(QPoint(5, 5));
        menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(!menu->actions().at(0)->isEnabled());  // 复制 wants a selection
        menu->actions().at(2)->trigger();
        menu->close();
        const QString table = QString::fromUtf8(
            QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/tab-separated-values")));
        QCOMPARE(table.count(QLatin1Char('\n')), 27);
        QVERIFY(table.contains(QStringLiteral(
            "\n结转本年利润\n本年利润（借）\t300\n利润分配-未分配利润（贷）\t300\n\n利润总额\t400\n营业利润\t400\n")));
        QVERIFY(table.endsWith(QStringLiteral("营业利润\t400\n")));

        // Ctrl+C copies the selection as printed.
        area->setFocus();
        QTextCursor line(area->document()->findBlockByNumber(1));
        line.select(QTextCursor::LineUnderCursor);
        area->setTextCursor(line);
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        // What is copied is what is seen: the amount as the column shows it.
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("主营业务收入（借）\t1,000"));

        // The window shows what was printed, each amount in its column;
        // the lines the program holds are unchanged.
        QCOMPARE(app_->windows().find(bk::win::PeriodEndClosing)->output().lines(), printed);
        QStringList shown;
        for (size_t row = 0; row < printed.size(); ++row) {
            const bk::ShownLine held = app_->windows().find(bk::win::PeriodEndClosing)->output().shownLine(row);
            shown << QString::fromStdString(held.caption) +
                         (held.amount ? QLatin1Char('\t') + QString::fromStdString(*held.amount) : QString());
        }
        QCOMPARE(area->toPlainText(), shown.join(QLatin1Char('\n')));
    }

    // On a 1366 x 768 screen at any scale, a calculator's fields, captions,
    // buttons and printed lines are all reachable without scrolling
    // sideways: the lines stand beside the fields where the window fits
    // across, below them where it does not, never under a control, and they
    // wrap rather than run off to the right. Grabbed after a press.
    void calculatorsFitTheOfficeScreen()
    {
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        const struct {
            const char* key;
            int form;
        } windows[] = {{"发工资", 82}, {"利润总额", 46}, {"盘盈", 63}, {"累计折旧计算", 25}};
        for (const auto& [key, form] : windows) {
            typeKey(QString::fromUtf8(key));
            click(bk::kMainForm, bk::MainButton::LookUp);
            QWidget* w = window(form);
            QVERIFY(w && w->isVisible());
            for (auto* edit : w->findChildren<QLineEdit*>()) edit->setText(QStringLiteral("1234567.8"));
            if (form == bk::win::Depreciation) {  // an asset of 1,480,705.11 whose groups all make sense
                const std::pair<const char*, const char*> asset[] = {
                    {"Text1", "0.05"},        {"Text2", "10"},       {"Text3", "1480705.11"}, {"Text4", "5"},
                    {"Text5", "1480705.11"},  {"Text6", "2"},        {"Text7", "1480705.11"}, {"Text8", "0.05"},
                    {"Text9", "10000"},       {"Text14", "1200"},    {"Text10", "2"},         {"Text11", "5"},
                    {"Text12", "1480705.11"}, {"Text13", "74035.26"}};
                for (const auto& [field, text] : asset)
                    control<QLineEdit>(bk::win::Depreciation, field)->setText(QString::fromUtf8(text));
            }
            closeFaultBoxes();
            click(form, bk::calc::CalcButton::Compute);
            QCoreApplication::processEvents();
            QVERIFY(w->width() <= room.width() && w->height() <= room.height());
            QScrollArea* v = view(w);
            QVERIFY2(!v->horizontalScrollBar()->isVisible(), key);
            auto* area = control<QPlainTextEdit>(form, "printArea");
            QVERIFY2(!printed(form).isEmpty(), key);
            QVERIFY2(!area->horizontalScrollBar()->isVisible(), key);  // the lines wrap
            QVERIFY(area->height() >= 150);
            const auto controls =
                w->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Text|Command|Label)\\d+$")));
            // Lines below the fields came into view with the press.
            if (area->y() > 0) {
                const QRect shown(area->mapTo(v->viewport(), QPoint(0, 0)), area->size());
                QVERIFY2(v->viewport()->rect().contains(shown), key);
            }
            // Scrolled down (only) as far as it takes, each is wholly in view.
            auto reach = [v](QWidget* c) {
                QScrollBar* down = v->verticalScrollBar();
                const int top = c->mapTo(v->widget(), QPoint(0, 0)).y();
                down->setValue(std::min(top, std::max(down->value(), top + c->height() - v->viewport()->height())));
                return QRect(c->mapTo(v->viewport(), QPoint(0, 0)), c->size());
            };
            for (QWidget* c : controls) {
                QVERIFY2(!c->geometry().intersects(area->geometry()), qPrintable(c->objectName()));
                QVERIFY2(v->viewport()->rect().contains(reach(c)),
                         qPrintable(QStringLiteral("Form%1 %2").arg(form).arg(c->objectName())));
            }
            QVERIFY(v->viewport()->rect().intersects(reach(area)));
            v->verticalScrollBar()->setValue(0);
            grab(w, QStringLiteral("form%1-pressed").arg(form));
            grab(v->widget(), QStringLiteral("form%1-pressed-page").arg(form));
            while (!visible(bk::kMainForm))
                click(app_->windows().visibleFrontFirst().front(), bk::calc::CalcButton::Exit);
        }
    }

    // Amounts stand in a column: grouped by thousands, a 0 before the point,
    // right-aligned; a double click on one selects all of it, sign and point
    // included, and copying it gives what is seen, which reads back as the
    // same number.
    void doubleClickSelectsAWholeAmount()
    {
        typeKey(QStringLiteral("材料成本差异率"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        control<QLineEdit>(bk::win::CostVarianceRate, "Text1")->setText(QStringLiteral("-93.01"));
        control<QLineEdit>(bk::win::CostVarianceRate, "Text3")->setText(QStringLiteral("4200"));
        click(bk::win::CostVarianceRate, bk::calc::CalcButton::Compute);
        QCOMPARE(printed(18), QStringList{QStringLiteral("材料成本差异率-.0221452380952381 ")});
        auto* area = control<QPlainTextEdit>(bk::win::CostVarianceRate, "printArea");
        QCOMPARE(area->toPlainText(), QStringLiteral("材料成本差异率\t-0.0221452380952381"));
        const QTextBlock line = area->document()->firstBlock();
        QTextCursor amountEnd(line);
        amountEnd.movePosition(QTextCursor::EndOfBlock);
        QTextCursor captionEnd(line);
        captionEnd.setPosition(line.position() + 7);
        // The amount ends at the column's right edge, well right of the caption.
        QVERIFY(area->cursorRect(amountEnd).left() > area->cursorRect(captionEnd).left() + 100);
        // A double click on its digits right of the point, as a user would.
        QTextCursor digits(line);
        digits.setPosition(line.position() + line.length() - 5);
        const QPoint at = area->cursorRect(digits).center();
        QTest::mouseDClick(area->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(area->textCursor().selectedText(), QStringLiteral("-0.0221452380952381"));
        area->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-0.0221452380952381"));
        // On the caption, a double click takes a word as anywhere else.
        QTextCursor caption(line);
        caption.setPosition(line.position() + 1);
        QTest::mouseDClick(area->viewport(), Qt::LeftButton, {}, area->cursorRect(caption).center());
        QVERIFY(!area->textCursor().selectedText().contains(QStringLiteral("0221")));
        // A large amount is grouped.
        control<QLineEdit>(bk::win::CostVarianceRate, "Text1")->setText(QStringLiteral("1480705.11"));
        control<QLineEdit>(bk::win::CostVarianceRate, "Text3")->setText(QStringLiteral("1"));
        click(bk::win::CostVarianceRate, bk::calc::CalcButton::Compute);
        QCOMPARE(area->document()->lastBlock().text(), QStringLiteral("材料成本差异率\t1,480,705.11"));
        grab(window(bk::win::CostVarianceRate), QStringLiteral("form18-column"));
    }

    // A double click on 确定 prints once, and each press's lines are set
    // apart from the last press's by a rule the program does not print.
    void doubleClickOnOkActsOnce()
    {
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        control<QLineEdit>(bk::win::CashFunds, "Text1")->setText(QStringLiteral("1500"));
        auto* ok = control<QPushButton>(bk::win::CashFunds, "Command1");
        const QPoint at = ok->rect().center();
        const QPoint global = ok->mapToGlobal(at);
        // As the window system delivers a double click: press, release, press, double click, release.
        quint64 time = 1'000'000;
        auto send = [&](QEvent::Type type, int after) {
            time += static_cast<quint64>(after);
            QMouseEvent event(type, QPointF(at), QPointF(global), Qt::LeftButton,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            event.setTimestamp(time);
            QApplication::sendEvent(ok, &event);
        };
        send(QEvent::MouseButtonPress, 0);
        send(QEvent::MouseButtonRelease, 60);
        send(QEvent::MouseButtonPress, 90);
        send(QEvent::MouseButtonDblClick, 0);
        send(QEvent::MouseButtonRelease, 60);
        QCOMPARE(printed(2), QStringList{QStringLiteral("货币资金 1500 ")});
        // A click well after the last acts again, set apart by a rule.
        send(QEvent::MouseButtonPress, 2000);
        send(QEvent::MouseButtonRelease, 60);
        QCOMPARE(printed(2).size(), 2);
        QVERIFY(!app_->windows().find(bk::win::CashFunds)->output().startsPress(0));
        QVERIFY(app_->windows().find(bk::win::CashFunds)->output().startsPress(1));
        auto* area = control<QPlainTextEdit>(bk::win::CashFunds, "printArea");
        const QImage image = grab(window(bk::win::CashFunds), QStringLiteral("form2-two-presses"));
        const int top = static_cast<int>(area->cursorRect(QTextCursor(area->document()->lastBlock())).top());
        const QPoint rule =
            area->viewport()->mapTo(window(bk::win::CashFunds), QPoint(area->viewport()->width() - 20, top));
        // Far right of the short line: only the rule puts ink there.
        const qreal scale = image.devicePixelRatio();
        auto device = [scale](int x, int y, int w, int h) {
            return QRectF(x * scale, y * scale, w * scale, h * scale).toRect();
        };
        QVERIFY(inkIn(image, device(rule.x() - 10, rule.y() - 2, 10, 5)) > 0);
        QCOMPARE(inkIn(image, device(rule.x() - 10, rule.y() - 12, 10, 5)), 0);

        // The press that opened a calculator: its second click does not
        // press a button of the new window.
        click(bk::win::CashFunds, bk::calc::CalcButton::Exit);
        typeKey(QStringLiteral("货币资金"));
        auto* lookUp = control<QPushButton>(bk::kMainForm, "Command1");
        time += 5000;
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(lookUp->rect().center()),
                          QPointF(lookUp->mapToGlobal(lookUp->rect().center())), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        press.setTimestamp(time);
        QApplication::sendEvent(lookUp, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(lookUp->rect().center()),
                            QPointF(lookUp->mapToGlobal(lookUp->rect().center())), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        release.setTimestamp(time + 60);
        QApplication::sendEvent(lookUp, &release);
        QVERIFY(visible(2));
        ok = control<QPushButton>(bk::win::CashFunds, "Command3");  // 退出 of the new window
        time += 150;
        QMouseEvent second(QEvent::MouseButtonPress, QPointF(ok->rect().center()),
                           QPointF(ok->mapToGlobal(ok->rect().center())), Qt::LeftButton, Qt::LeftButton,
                           Qt::NoModifier);
        second.setTimestamp(time);
        QApplication::sendEvent(ok, &second);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(ok->rect().center()),
                       QPointF(ok->mapToGlobal(ok->rect().center())), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        up.setTimestamp(time + 60);
        QApplication::sendEvent(ok, &up);
        QVERIFY(visible(2));
    }

    // Escape in a calculator is its 退出; the close box of a window just
    // shown ignores the second click of a double click meant for the one
    // it replaced.
    void escapeLeavesACalculator()
    {
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(QTest::qWaitForWindowActive(window(bk::win::CashFunds)));
        QTest::keyClick(control<QLineEdit>(bk::win::CashFunds, "Text1"), Qt::Key_Escape);
        QVERIFY(!visible(2));
        QVERIFY(visible(bk::kMainForm));
        // The main window has no 退出 on Escape.
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QTest::keyClick(control<QLineEdit>(bk::kMainForm, "Text1"), Qt::Key_Escape);
        QVERIFY(visible(bk::kMainForm));
        QVERIFY(!app_->ended());
    }

    // The main window comes back where it was, in this run and the next,
    // and wholly on the screen; a calculator opens beside the window that
    // opened it, or cascaded from the one it replaced, wholly on the screen.
    void windowsStayPut()
    {
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        window(bk::kMainForm)->move(60, 90);
        typeKey(QStringLiteral("累计折旧"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(79));
        const QRect form79 = window(bk::win::DepreciationByCostCentre)->frameGeometry();
        QVERIFY(room.contains(form79));
        if (QGuiApplication::primaryScreen()->devicePixelRatio() == 1)
            QCOMPARE(form79.topLeft(), QPoint(60 + 32, 90 + 32));  // cascaded from the main window
        QTest::mouseClick(control<QLabel>(bk::win::DepreciationByCostCentre, "Label6"), Qt::LeftButton);
        QVERIFY(visible(25));
        const QRect form25 = window(bk::win::Depreciation)->frameGeometry();
        QVERIFY(room.contains(form25));
        // Beside it where the screen has room, else cascaded from it: never over it.
        // (A cascade that would reach below the screen moves up, still below the opener's top.)
        QVERIFY(!form25.intersects(form79) || (form25.left() - form79.left() == 32 && form25.top() > form79.top()));
        // Form25 returns to Form79, which stays where it is.
        window(bk::win::DepreciationByCostCentre)->move(form79.topLeft() + QPoint(5, 7));
        click(bk::win::Depreciation, bk::calc::CalcButton::Exit);
        QCOMPARE(window(bk::win::DepreciationByCostCentre)->frameGeometry().topLeft(), form79.topLeft() + QPoint(5, 7));
        click(bk::win::DepreciationByCostCentre, bk::calc::CalcButton::Exit);
        QVERIFY(visible(bk::kMainForm));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(window(bk::kMainForm)->pos(), QPoint(60, 90));
        window(bk::kMainForm)->move(40, 100);
        click(bk::kMainForm, bk::MainButton::Exit);  // 退出: the next run starts there
        restart();
        QCOMPARE(window(bk::kMainForm)->pos(), QPoint(40, 100));

        // Kept from a larger screen: back wholly on this one.
        {
            QSettings s(settingsFile(), QSettings::IniFormat);
            s.setValue(QStringLiteral("mainWindow/position"), QPoint(5000, -300));
        }
        restart();
        QVERIFY2(room.contains(window(bk::kMainForm)->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window(bk::kMainForm)->frameGeometry().x())
                                .arg(window(bk::kMainForm)->frameGeometry().y())
                                .arg(window(bk::kMainForm)->frameGeometry().width())
                                .arg(window(bk::kMainForm)->frameGeometry().height())));
        QVERIFY(window(bk::kMainForm)->frameGeometry().right() > room.right() - 50);  // moved only as far as it takes
        QCOMPARE(window(bk::kMainForm)->y(), room.top());
    }

    // A button beside the key box opens the subjects as the Down arrow does:
    // the first subject highlighted, its keys not yet open; Down moves to the
    // next subject, Right opens it.
    void browseButtonOpensTheSubjects()
    {
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        auto* button = control<QToolButton>(bk::kMainForm, "browseButton");
        QVERIFY(button && button->isVisible());
        const QRect box = control<QLineEdit>(bk::kMainForm, "Text1")->geometry();
        QVERIFY(button->x() > box.right() && button->y() == box.y());
        for (auto* c : window(bk::kMainForm)
                           ->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(Text|Command|Label)\\d+$"))))
            QVERIFY2(!c->geometry().intersects(button->geometry()), qPrintable(c->objectName()));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), QStringLiteral("按科目浏览"));
        QTest::mouseClick(button, Qt::LeftButton);
        auto* menu = control<QMenu>(bk::kMainForm, "subjectMenu");
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), menu);  // no subject's keys open
        QCOMPARE(menu->activeAction()->text(), QStringLiteral("资产负债表项目"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QCOMPARE(menu->activeAction()->text(), QStringLiteral("利润表项目"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QMenu* keys = menu->activeAction()->menu();
        QTRY_VERIFY(keys->isVisible());
        QCOMPARE(QApplication::activePopupWidget(), keys);
        grab(window(bk::kMainForm), QStringLiteral("form1-browse-button"));
        QTest::keyClick(keys, Qt::Key_Escape);
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }

    // A screen reader hears each text box by its caption, each button by its
    // text, and can read the printed lines.
    // Form48 代销商品 pressed with 100 units at 10, cost 6 a unit, commission 10%.
    void pressForm48()
    {
        typeKey(QStringLiteral("代销商品"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(48));
        const char* typed[] = {"100", "10", "6", "0.1"};
        for (int n = 1; n <= 4; ++n)
            control<QLineEdit>(bk::win::Consignment, qPrintable(QStringLiteral("Text%1").arg(n)))
                ->setText(QString::fromLatin1(typed[n - 1]));
        click(bk::win::Consignment, bk::calc::CalcButton::Compute);
        // The menu bar's shortcuts act in the active window.
        window(bk::win::Consignment)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window(bk::win::Consignment)));
    }

    // 生成凭证 shows the press's entries as vouchers; they print to PDF one a
    // page, with the totals in figures and in capitals, and save as CSV in
    // UTF-8 with a byte order mark.
    void vouchersPrintToPdfAndSaveAsCsv()
    {
        pressForm48();
        QTest::keyClick(control<QLineEdit>(bk::win::Consignment, "Text1"), Qt::Key_G, Qt::ControlModifier);
        auto* view = window(bk::win::Consignment)->findChild<bk::VoucherView*>(QStringLiteral("voucherView"));
        QVERIFY(view && view->isVisible());
        view->findChild<QLineEdit*>(QStringLiteral("voucherDate"))->setText(QStringLiteral("2026-12-07"));
        view->findChild<QLineEdit*>(QStringLiteral("voucherAttachments"))->setText(QStringLiteral("3"));
        grab(view, QStringLiteral("form48-vouchers"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("凭证.pdf"));
        QVERIFY(view->exportPdf(pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY2(text.waitForFinished(20000), "pdftotext (poppler-utils, see scripts/setup.sh)");
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(printed.count(QLatin1Char('\f')), 5);  // five vouchers, one a page
        QCOMPARE(printed.count(QStringLiteral("记账凭证")), 5);
        for (const char* expected : {"2026-12-07", "附件 3 张", "收到清单", "应交税费-应交增值税（销项税额）",
                                     "1,130.00", "1,024.00", "壹仟壹佰叁拾元整", "壹仟零贰拾肆元整", "壹佰零陆元整"})
            QVERIFY2(printed.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!printed.contains(QStringLiteral("借贷不平")));

        const QString csv = dir.filePath(QStringLiteral("凭证.csv"));
        QVERIFY(view->saveCsv(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList rows = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(rows.at(0), QStringLiteral("凭证号,日期,附件张数,摘要,会计科目,借方金额,贷方金额"));
        QVERIFY(rows.contains(QStringLiteral("2,2026-12-07,3,收到清单,1122 应收账款,1130.00,")));
        QVERIFY(rows.contains(QStringLiteral("2,2026-12-07,3,合计,金额大写：壹仟壹佰叁拾元整,1130.00,1130.00")));
    }

    // A line naming alternatives (应收账款/银行存款) is a drop-down in the
    // voucher view showing the first; the CSV posts to the one chosen.
    void voucherAccountChosenFromAlternatives()
    {
        typeKey(QStringLiteral("价税分离"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QVERIFY(visible(101));
        control<QLineEdit>(bk::win::PriceAndTaxSplit, "Text1")->setText(QStringLiteral("11300"));
        click(bk::win::PriceAndTaxSplit, bk::calc::CalcButton::Compute);
        window(bk::win::PriceAndTaxSplit)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window(bk::win::PriceAndTaxSplit)));
        QTest::keyClick(control<QLineEdit>(bk::win::PriceAndTaxSplit, "Text1"), Qt::Key_G, Qt::ControlModifier);
        auto* view = window(bk::win::PriceAndTaxSplit)->findChild<bk::VoucherView*>(QStringLiteral("voucherView"));
        QVERIFY(view && view->isVisible());
        view->findChild<QLineEdit*>(QStringLiteral("voucherDate"))->setText(QStringLiteral("2026-12-07"));
        QVERIFY(view->html(false).contains(QStringLiteral("1122 应收账款 ▾")));
        QVERIFY(!view->html(true).contains(QStringLiteral("▾")));  // the print shows the account alone
        view->chooseAccount(0, 0, 1);
        grab(view, QStringLiteral("form101-vouchers"));

        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("凭证.csv"));
        QVERIFY(view->saveCsv(csv));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList rows = QString::fromUtf8(file.readAll().mid(3)).split(QStringLiteral("\r\n"));
        QVERIFY(rows.contains(QStringLiteral("1,2026-12-07,,销售,1002 银行存款,11300.00,")));
        QVERIFY(!rows.contains(QStringLiteral("1,2026-12-07,,销售,1122 应收账款,11300.00,")));
        QVERIFY(
            rows.contains(QStringLiteral("2,2026-12-07,,采购,1405 库存商品,10000.00,")));  // the others keep the first
    }

    // 取消 and then Ctrl+Z in the print area bring the lines back; after a
    // press nothing is brought back.
    void undoClearInThePrintArea()
    {
        pressForm48();
        const QStringList before = printed(48);
        QVERIFY(!before.isEmpty());
        click(bk::win::Consignment, bk::calc::CalcButton::Clear);
        QVERIFY(printed(48).isEmpty());
        auto* area = control<QPlainTextEdit>(bk::win::Consignment, "printArea");
        area->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(printed(48), before);
        QCOMPARE(area->document()->blockCount(), before.size());
        click(bk::win::Consignment, bk::calc::CalcButton::Clear);
        click(bk::win::Consignment, bk::calc::CalcButton::Compute);
        const QStringList pressed = printed(48);
        QTest::keyClick(area, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(printed(48), pressed);
    }

    void controlsAreNamedForAssistiveTechnology()
    {
        QPlainTextEdit* area = pressedForm46();
        QAccessibleInterface* field =
            QAccessible::queryAccessibleInterface(control<QLineEdit>(bk::win::PeriodEndClosing, "Text1"));
        QVERIFY(field);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("主营业务收入（贷）"));
        QCOMPARE(control<QLabel>(bk::win::PeriodEndClosing, "Label14")->buddy(),
                 control<QLineEdit>(bk::win::PeriodEndClosing, "Text14"));
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(bk::win::PeriodEndClosing, "Text14"))
                     ->text(QAccessible::Name),
                 QStringLiteral("所得税费用（借）"));
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(control<QPushButton>(bk::win::PeriodEndClosing, "Command2"));
        QVERIFY(button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("取消"));

        QAccessibleInterface* printed = QAccessible::queryAccessibleInterface(area);
        QVERIFY(printed);
        QCOMPARE(printed->text(QAccessible::Name), QStringLiteral("计算结果"));
        QAccessibleTextInterface* text = printed->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY(all.startsWith(QStringLiteral("结转收入")));
        QVERIFY(all.contains(QStringLiteral("本年利润（贷）\t1,000")));

        // A field under a heading, without a caption of its own, is named by the heading.
        click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Exit);
        click(bk::win::TotalProfit, bk::calc::CalcButton::Exit);
        typeKey(QStringLiteral("发放股利"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(bk::win::Dividends, "Text2"))
                     ->text(QAccessible::Name),
                 QStringLiteral("应收股利"));
        // The main window's key box is named by the heading above it.
        click(bk::win::Dividends, bk::calc::CalcButton::Exit);
        QCOMPARE(
            QAccessible::queryAccessibleInterface(control<QLineEdit>(bk::kMainForm, "Text1"))->text(QAccessible::Name),
            QStringLiteral("财务报表填写事项"));
    }

    // A field whose caption alone may mislead says what to type, on the box
    // and on its caption, and to a screen reader; other fields say nothing.
    void fieldsExplainTheirCaptions()
    {
        typeKey(QStringLiteral("票据存取贴现"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QLineEdit* days = control<QLineEdit>(bk::win::NoteDiscounting, "Text9");
        QVERIFY(days);
        QCOMPARE(days->toolTip(), QStringLiteral("贴现日至到期日的天数"));
        QCOMPARE(control<QLabel>(bk::win::NoteDiscounting, "Label12")->toolTip(), days->toolTip());
        QCOMPARE(QAccessible::queryAccessibleInterface(days)->text(QAccessible::Description), days->toolTip());
        QVERIFY(control<QLineEdit>(bk::win::NoteDiscounting, "Text8")->toolTip().isEmpty());
        QVERIFY(control<QLabel>(bk::win::NoteDiscounting, "Label11")->toolTip().isEmpty());
    }

    // A press that prints nothing says beside the buttons which fields are
    // empty; 取消 takes the note away.
    void emptyPressShowsANote()
    {
        typeKey(QStringLiteral("累计折旧计算"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        control<QLineEdit>(bk::win::Depreciation, "Text3")->setText(QStringLiteral("100000"));
        click(bk::win::Depreciation, bk::calc::CalcButton::Compute);
        QVERIFY(printed(25).isEmpty());
        auto* note = control<QWidget>(bk::win::Depreciation, "keyHint");
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->findChild<QLabel*>(QStringLiteral("hintMessage"))->text(),
                 QStringLiteral("没有算出结果：预计净残值率、预计使用寿命 为空"));
        grab(window(bk::win::Depreciation), QStringLiteral("form25-note"));
        click(bk::win::Depreciation, bk::calc::CalcButton::Clear);
        QVERIFY(!note->isVisible());
    }

    // A field with a default shows it in grey while it is empty, and the box
    // stays empty: the press takes the default, a text without a number says
    // so, a typed number replaces it.
    void fieldsShowTheirDefault()
    {
        typeKey(QStringLiteral("价税分离"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        QLineEdit* rate = control<QLineEdit>(bk::win::PriceAndTaxSplit, "Text3");
        QVERIFY(rate);
        QCOMPARE(rate->placeholderText(), QStringLiteral("13"));
        QVERIFY(rate->text().isEmpty());
        QCOMPARE(control<QLineEdit>(bk::win::PriceAndTaxSplit, "Text1")->placeholderText(), QStringLiteral("金额"));
        control<QLineEdit>(bk::win::PriceAndTaxSplit, "Text1")->setText(QStringLiteral("11300"));
        click(bk::win::PriceAndTaxSplit, bk::calc::CalcButton::Compute);
        QVERIFY(printed(101).contains(QStringLiteral("税率（%） 13 ")));
        grab(window(bk::win::PriceAndTaxSplit), QStringLiteral("form101-default"));
        rate->setText(QStringLiteral("约"));
        QCOMPARE(rate->toolTip().split(QLatin1Char('\n')).first(), QStringLiteral("没有读到数字，按默认值 13 计算"));
        rate->setText(QStringLiteral("6"));
        click(bk::win::PriceAndTaxSplit, bk::calc::CalcButton::Clear);
        click(bk::win::PriceAndTaxSplit, bk::calc::CalcButton::Compute);
        // 11300 / 1.06 = 10660.377… → 10660.38, the tax the rest.
        QVERIFY(printed(101).contains(QStringLiteral("税率（%） 6 ")));
        QVERIFY(printed(101).contains(QStringLiteral("税额 639.62 ")));
    }

    // At twice the scale the windows keep their layout and are drawn at the
    // full resolution (run with QT_SCALE_FACTOR=2).
    // 金额四舍五入到分 is on at first; its shortcut switches it off, for the
    // next press and the next run. A file of choices the program cannot read
    // is put aside whole, said once, and the program starts with the defaults.
    void amountsOptionIsRemembered()
    {
        auto* toFen = window(bk::kMainForm)->findChild<QAction*>(QStringLiteral("amountsToFen"));
        QVERIFY(toFen && toFen->isCheckable() && toFen->isChecked());
        QCOMPARE(toFen->text(), QStringLiteral("金额四舍五入到分"));
        QCOMPARE(app_->amounts(), bk::calc::Amounts::Fen);
        window(bk::kMainForm)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window(bk::kMainForm)));
        QTest::keyClick(control<QLineEdit>(bk::kMainForm, "Text1"), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!toFen->isChecked());
        QCOMPARE(app_->amounts(), bk::calc::Amounts::Exact);
        restart();
        QCOMPARE(app_->amounts(), bk::calc::Amounts::Exact);
        QVERIFY(!window(bk::kMainForm)->findChild<QAction*>(QStringLiteral("amountsToFen"))->isChecked());

        const QByteArray damaged("\xff\xfe[\0amounts=exact", 18);
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        restart();
        QCOMPARE(app_->amounts(), bk::calc::Amounts::Fen);
        QVERIFY(!QFile::exists(settingsFile()));
        const QStringList aside = QDir(settingsDir_->path()).entryList({QStringLiteral("settings.ini.unreadable-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(settingsDir_->filePath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), damaged);
        QTRY_VERIFY(window(bk::kMainForm)->findChild<QMessageBox*>(QStringLiteral("settingsSetAside")));
        QVERIFY(window(bk::kMainForm)
                    ->findChild<QMessageBox*>(QStringLiteral("settingsSetAside"))
                    ->text()
                    .contains(aside[0]));
    }

    void scaledWindowsStaySharp()
    {
        if (window(bk::kMainForm)->devicePixelRatio() != 2) QSKIP("run with QT_SCALE_FACTOR=2");
        QVERIFY(pressedForm46());
        for (int form : {46, 1}) {
            if (form == 1) {
                click(bk::win::PeriodEndClosing, bk::calc::CalcButton::Exit);
                click(bk::win::TotalProfit, bk::calc::CalcButton::Exit);  // the main window with its formula line
            }
            QVERIFY(visible(form));
            QWidget* w = window(form);
            const bk::WindowSpec natural = Application::windowSpec(form);
            const bool across =
                (natural.widthTwips + 7) / 15 <= QGuiApplication::primaryScreen()->availableGeometry().width() - 16;
            const bk::WindowSpec spec = across ? natural : bk::printAreaBelow(natural, bk::kPrintHeightBelow);
            QWidget* page = w->findChild<QWidget*>(QStringLiteral("page"));
            QCoreApplication::processEvents();
            QCOMPARE(page->height(), (spec.heightTwips + 7) / 15);
            QVERIFY(page->width() <= (spec.widthTwips + 7) / 15);
            const QImage image = grab(page, QStringLiteral("form%1-2x").arg(form));
            QCOMPARE(image.size(), page->size() * 2);  // a device pixel for every half logical pixel
            QVERIFY(inkIn(image, QRect(0, 0, 600, 40)) > 400);
        }
    }

    void exitEndsTheProgram()
    {
        typeKey(QStringLiteral("货币资金"));
        click(bk::kMainForm, bk::MainButton::LookUp);
        click(bk::win::CashFunds, bk::calc::CalcButton::Exit);
        click(bk::kMainForm, bk::MainButton::Exit);
        QVERIFY(app_->ended());
        QVERIFY(!visible(bk::kMainForm));
        QVERIFY(!visible(2));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bk::setUpChineseUi();
    GuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gui_test.moc"
