// The real Qt windows, driven offscreen: typing a key, clicking, the close
// box, the print area and the fault message.
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QCompleter>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <set>

#include "app/application.h"
#include "app/navigation.h"
#include "lookup/lookup_table.h"
#include "lookup/subjects.h"
#include "ui/qt/qt_toolkit.h"

using bk::Application;
using bk::QtToolkit;

class GuiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtToolkit> toolkit_;
    std::unique_ptr<Application> app_;

    QWidget* window(int form) const { return toolkit_->window(form); }
    template <class T> T* control(int form, const char* name) const
    {
        QWidget* w = window(form);
        return w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
    }
    void typeKey(const QString& key)
    {
        // Chinese text goes in as an input method would commit it.
        QLineEdit* edit = control<QLineEdit>(1, "Text1");
        QVERIFY(edit);
        edit->setText(key);
    }
    void click(int form, const char* button)
    {
        auto* b = control<QPushButton>(form, button);
        QVERIFY2(b, button);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Closes the fault box that the next click may open.
    void closeFaultBoxes()
    {
        QTimer::singleShot(0, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
        });
    }
    bool visible(int form) const { return window(form) && window(form)->isVisible(); }

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
        toolkit_ = std::make_unique<QtToolkit>();
        app_ = std::make_unique<Application>(*toolkit_);
        toolkit_->attach(app_.get());
        app_->start();
    }
    void cleanup()
    {
        app_.reset();
        toolkit_.reset();
    }

    void startsWithTheMainWindowAtItsSize()
    {
        QVERIFY(visible(1));
        QCOMPARE(window(1)->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(window(1)->size(), QSize(761, 519));  // 11415 x 7785 twips
        QCOMPARE(control<QLineEdit>(1, "Text1")->geometry(), QRect(512, 112, 169, 33));
        QCOMPARE(control<QPushButton>(1, "Command1")->text(), QStringLiteral("确定"));
        QCOMPARE(control<QPushButton>(1, "Command2")->text(), QStringLiteral("退出"));
        QCOMPARE(control<QPushButton>(1, "Command3")->text(), QStringLiteral("取消"));
        QCOMPARE(control<QLabel>(1, "Label1")->text(), QStringLiteral("财务报表填写事项"));
        // The key box has the focus; the tab order runs on through the buttons.
        QVERIFY(QTest::qWaitForWindowActive(window(1)));
        QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(1, "Text1"));
        QCOMPARE(control<QLineEdit>(1, "Text1")->nextInFocusChain(), control<QPushButton>(1, "Command1"));
    }

    // The key box lists keys as the user types, by characters or by pinyin
    // initials; picking one fills the box, and only 确定 looks it up.
    void keyBoxOffersKeys()
    {
        QLineEdit* edit = control<QLineEdit>(1, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(1)));
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClicks(edit, QStringLiteral("jtgz"));
        QCompleter* completer = edit->completer();
        QVERIFY(completer);
        QTRY_VERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->popup()->model()->index(0, 0).data().toString(), QStringLiteral("计提工资"));

        QAbstractItemView* popup = completer->popup();
        popup->setCurrentIndex(popup->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("计提工资"));
        QCOMPARE(app_->windows().find(1)->text(1), std::string("计提工资"));
        QVERIFY(app_->windows().find(1)->output().lines().empty());

        // Chinese committed by an input method lists the keys containing it.
        edit->clear();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("固定资产"));
        QApplication::sendEvent(edit, &commit);
        QCOMPARE(edit->text(), QStringLiteral("固定资产"));
        QTRY_VERIFY(completer->popup()->isVisible());
        const QAbstractItemModel* offered = completer->popup()->model();
        QVERIFY(offered->rowCount() >= 5);
        QCOMPARE(offered->index(0, 0).data().toString(), QStringLiteral("固定资产原价"));
        grab(completer->popup(), QStringLiteral("form1-completer"));
        for (int row = 0; row < offered->rowCount(); ++row)
            QVERIFY(offered->index(row, 0).data().toString().contains(QStringLiteral("固定资产")));

        // Text still being composed is not typed yet: nothing is offered for it.
        completer->popup()->hide();
        QInputMethodEvent preedit(QStringLiteral("yingshou"), {});
        QApplication::sendEvent(edit, &preedit);
        QCOMPARE(edit->text(), QStringLiteral("固定资产"));
        QVERIFY(!completer->popup()->isVisible());
    }

    // In the empty key box the Down arrow opens the keys by subject; the
    // keyboard walks it, and choosing a key fills the box without looking it up.
    void keyBoxBrowsesBySubject()
    {
        QLineEdit* edit = control<QLineEdit>(1, "Text1");
        QVERIFY(QTest::qWaitForWindowActive(window(1)));
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
        QTest::keyClick(keys, Qt::Key_Down);
        QCOMPARE(keys->activeAction()->text(), QStringLiteral("营业利润"));
        QTest::keyClick(keys, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(edit->text(), QStringLiteral("营业利润"));
        QCOMPARE(app_->windows().find(1)->text(1), std::string("营业利润"));
        QVERIFY(app_->windows().find(1)->output().lines().empty());  // not looked up
        QVERIFY(!window(34));

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

    // Enter and Escape in the key box press no button.
    void enterAndEscapeDoNothing()
    {
        typeKey(QStringLiteral("货币资金"));
        QTest::keyClick(control<QLineEdit>(1, "Text1"), Qt::Key_Return);
        QTest::keyClick(control<QLineEdit>(1, "Text1"), Qt::Key_Escape);
        QVERIFY(visible(1));
        QVERIFY(!window(2));
    }

    void keyOpensTwoCalculatorsAndExitReturns()
    {
        typeKey(QStringLiteral("利润总额"));
        click(1, "Command1");
        QVERIFY(!visible(1));
        QVERIFY(visible(35));
        QVERIFY(visible(46));
        QCOMPARE(window(46)->windowTitle(), QStringLiteral("Form46"));
        click(46, "Command3");
        QVERIFY(!visible(46));
        QVERIFY(visible(35));
        QVERIFY(visible(1));
        // The typed key is still there.
        QCOMPARE(control<QLineEdit>(1, "Text1")->text(), QStringLiteral("利润总额"));
    }

    void unknownKeyChangesNothing()
    {
        typeKey(QStringLiteral(" 货币资金"));
        click(1, "Command1");
        QVERIFY(visible(1));
        QVERIFY(!window(2));
    }

    void closeBoxOfACalculatorIsItsExit()
    {
        typeKey(QStringLiteral("材料成本差异率"));
        click(1, "Command1");
        QVERIFY(visible(18));
        window(18)->close();
        QVERIFY(!visible(18));
        QVERIFY(visible(19));  // Form18 returns to Form19, not to the main window
        QVERIFY(!visible(1));
    }

    void captionLabelOpensItsCalculator()
    {
        typeKey(QStringLiteral("累计折旧"));
        click(1, "Command1");
        QVERIFY(visible(79));
        auto* label = control<QLabel>(79, "Label6");
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("累计折旧"));
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(visible(25));
        QVERIFY(visible(79));
        // The other captions are inert.
        QTest::mouseClick(control<QLabel>(79, "Label1"), Qt::LeftButton);
        QCOMPARE(app_->windows().visibleFrontFirst().front(), 25);
    }

    void typedTextReachesTheCalculator()
    {
        typeKey(QStringLiteral("材料成本差异"));
        click(1, "Command1");
        auto* rate = control<QLineEdit>(19, "Text1");
        QVERIFY(rate);
        QTest::keyClicks(rate, QStringLiteral("0.02"));
        QCOMPARE(app_->windows().find(19)->text(1), std::string("0.02"));
    }

    void printAreaDrawsLinesAndScrolls()
    {
        QWidget* main = window(1);
        const QRect printArea(0, 0, 400, 170);  // left of the controls
        QCOMPARE(inkIn(grab(main, QStringLiteral("form1-empty")), printArea), 0);

        // "应收账款损失" prints nine lines.
        typeKey(QStringLiteral("应收账款损失"));
        click(1, "Command1");
        QVERIFY(inkIn(grab(main, QStringLiteral("form1-printed")), printArea) > 500);

        // The lines are still there after a calculator was opened and left:
        // the window shown again draws what the program printed on it.
        typeKey(QStringLiteral("利润总额"));
        click(1, "Command1");
        QVERIFY(!visible(1));
        click(46, "Command3");
        click(35, "Command3");
        QVERIFY(visible(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // as the event loop would
        main = window(1);
        QVERIFY(inkIn(grab(main, QStringLiteral("form1-reshown")), printArea) > 500);
        QCOMPARE(control<QLineEdit>(1, "Text1")->text(), QStringLiteral("利润总额"));

        // More lines than fit: the newest line is scrolled into view.
        typeKey(QStringLiteral("应收账款损失"));
        for (int press = 0; press < 5; ++press) click(1, "Command1");
        const QImage scrolled = grab(main, QStringLiteral("form1-scrolled"));
        QVERIFY(inkIn(scrolled, QRect(0, main->height() - 40, 300, 40)) > 20);
        QScrollBar* bar = nullptr;
        for (auto* b : main->findChildren<QScrollBar*>())
            if (b->orientation() == Qt::Vertical) bar = b;
        QVERIFY(bar);
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        click(1, "Command3");  // 取消
        QCOMPARE(inkIn(grab(main, QStringLiteral("form1-cleared")), printArea), 0);
        QVERIFY(!bar->isVisible());

        typeKey(QStringLiteral("货币资金"));
        click(1, "Command1");
        const QRect calculatorPrintArea(0, 0, 250, 30);
        QCOMPARE(inkIn(grab(window(2), QStringLiteral("form2-empty")), calculatorPrintArea), 0);
        click(2, "Command1");
        QVERIFY(inkIn(grab(window(2), QStringLiteral("form2")), calculatorPrintArea) > 50);
    }

    // An overflow in a calculator shows a Chinese message box; after 确定 the
    // program goes on with its windows, inputs and printed lines as they were.
    void faultMessageIsChinese()
    {
        typeKey(QStringLiteral("货币资金"));
        click(1, "Command1");
        click(2, "Command1");
        control<QLineEdit>(2, "Text1")->setText(QStringLiteral("1e308"));
        control<QLineEdit>(2, "Text2")->setText(QStringLiteral("1e308"));
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
        click(2, "Command1");
        QCOMPARE(text, QStringLiteral("运行时错误 6：溢出"));
        QCOMPARE(button, QStringLiteral("确定"));
        QVERIFY(visible(2));
        QVERIFY(!app_->ended());
        QCOMPARE(control<QLineEdit>(2, "Text1")->text(), QStringLiteral("1e308"));
        QCOMPARE(app_->windows().find(2)->output().lines(), std::vector<std::string>{"货币资金 0 "});
    }

    void everyCalculatorLaysOutCleanly()
    {
        for (int form = 2; form <= 100; ++form) {
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
                    click(1, "Command1");
                }
                QVERIFY(visible(form));
                // A window that divides by an empty field faults on this
                // press; its fault box is closed at once.
                closeFaultBoxes();
                click(form, "Command1");
                grab(window(form), QStringLiteral("form%1").arg(form));
                // Again with an amount in every field, to see real numbers
                // printed beside the controls.
                click(form, "Command2");
                for (auto* edit : window(form)->findChildren<QLineEdit*>()) edit->setText(QStringLiteral("1234.5"));
                closeFaultBoxes();
                click(form, "Command1");
                QVERIFY(!app_->ended());
                grab(window(form), QStringLiteral("form%1-filled").arg(form));
                click(form, "Command3");
                QVERIFY(visible(1) || visible(bk::returnWindow(form)));
                if (!visible(1)) click(bk::returnWindow(form), "Command3");
            }
        }
    }

    // Form46 with revenue 1000, cost 600 and income tax 100, pressed once.
    QPlainTextEdit* pressedForm46()
    {
        typeKey(QStringLiteral("利润总额"));
        click(1, "Command1");
        control<QLineEdit>(46, "Text1")->setText(QStringLiteral("1000"));
        control<QLineEdit>(46, "Text6")->setText(QStringLiteral("600"));
        control<QLineEdit>(46, "Text14")->setText(QStringLiteral("100"));
        click(46, "Command1");
        return control<QPlainTextEdit>(46, "printArea");
    }

    // The printed lines can be selected and copied as text, and copied as a
    // table: tab-separated with bare amounts, as an HTML table, and as the
    // plain lines. Nothing on the window changes.
    void printedLinesCopyAsTextAndAsTable()
    {
        QPlainTextEdit* area = pressedForm46();
        QVERIFY(area);
        const auto printed = app_->windows().find(46)->output().lines();
        QCOMPARE(printed.size(), size_t{29});
        QCOMPARE(area->document()->blockCount(), 29);

        // Lines 0 to 7 selected: the entry's heading, its six lines and the blank line after it.
        QTextCursor cursor(area->document());
        cursor.setPosition(area->document()->findBlockByNumber(8).position(), QTextCursor::KeepAnchor);
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
                 QStringLiteral("结转收入\n主营业务收入（借）\t1000\n其他业务收入（借）\t0\n公允价值变动损益（借）\t0\n"
                                "投资收益（借）\t0\n营业外收入（借）\t0\n本年利润（贷）\t1000\n\n"));
        QCOMPARE(data->text(), QStringLiteral("结转收入\n主营业务收入（借） 1000 \n其他业务收入（借） 0 \n公允价值变动损益（借） 0 \n"
                                              "投资收益（借） 0 \n营业外收入（借） 0 \n本年利润（贷） 1000 \n\n"));
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
        const QString table = QString::fromUtf8(QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/tab-separated-values")));
        QCOMPARE(table.count(QLatin1Char('\n')), 29);
        QVERIFY(table.contains(QStringLiteral("\n结转本年利润\n本年利润（借）\t300\n利润分配-未分配利润（贷）\t300\n\n利润总额\t400\n营业利润\t400\n")));
        QVERIFY(table.endsWith(QStringLiteral("营业利润\t400\n")));

        // Ctrl+C copies the selection as printed.
        area->setFocus();
        QTextCursor line(area->document()->findBlockByNumber(1));
        line.select(QTextCursor::LineUnderCursor);
        area->setTextCursor(line);
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("主营业务收入（借） 1000 "));

        // The window shows just what was printed, before and after.
        QCOMPARE(app_->windows().find(46)->output().lines(), printed);
        QStringList shown;
        for (const std::string& l : printed) shown << QString::fromStdString(l);
        QCOMPARE(area->toPlainText(), shown.join(QLatin1Char('\n')));
    }

    // A screen reader hears each text box by its caption, each button by its
    // text, and can read the printed lines.
    void controlsAreNamedForAssistiveTechnology()
    {
        QPlainTextEdit* area = pressedForm46();
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(control<QLineEdit>(46, "Text1"));
        QVERIFY(field);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("主营业务收入（贷）"));
        QCOMPARE(control<QLabel>(46, "Label14")->buddy(), control<QLineEdit>(46, "Text14"));
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(46, "Text14"))->text(QAccessible::Name),
                 QStringLiteral("所得税费用（借）"));
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control<QPushButton>(46, "Command2"));
        QVERIFY(button);
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("取消"));

        QAccessibleInterface* printed = QAccessible::queryAccessibleInterface(area);
        QVERIFY(printed);
        QCOMPARE(printed->text(QAccessible::Name), QStringLiteral("计算结果"));
        QAccessibleTextInterface* text = printed->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY(all.startsWith(QStringLiteral("结转收入")));
        QVERIFY(all.contains(QStringLiteral("本年利润（贷） 1000 ")));

        // A field under a heading, without a caption of its own, is named by the heading.
        click(46, "Command3");
        click(35, "Command3");
        typeKey(QStringLiteral("发放股利"));
        click(1, "Command1");
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(74, "Text2"))->text(QAccessible::Name),
                 QStringLiteral("应收股利"));
        // The main window's key box is named by the heading above it.
        click(74, "Command3");
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLineEdit>(1, "Text1"))->text(QAccessible::Name),
                 QStringLiteral("财务报表填写事项"));
    }

    // A field whose caption alone may mislead says what to type, on the box
    // and on its caption, and to a screen reader; other fields say nothing.
    void fieldsExplainTheirCaptions()
    {
        typeKey(QStringLiteral("票据存取贴现"));
        click(1, "Command1");
        QLineEdit* days = control<QLineEdit>(86, "Text9");
        QVERIFY(days);
        QCOMPARE(days->toolTip(), QStringLiteral("贴现日至到期日的天数"));
        QCOMPARE(control<QLabel>(86, "Label12")->toolTip(), days->toolTip());
        QCOMPARE(QAccessible::queryAccessibleInterface(days)->text(QAccessible::Description), days->toolTip());
        QVERIFY(control<QLineEdit>(86, "Text8")->toolTip().isEmpty());
        QVERIFY(control<QLabel>(86, "Label11")->toolTip().isEmpty());
    }

    // At twice the scale the windows keep their layout and are drawn at the
    // full resolution (run with QT_SCALE_FACTOR=2).
    void scaledWindowsStaySharp()
    {
        if (window(1)->devicePixelRatio() != 2) QSKIP("run with QT_SCALE_FACTOR=2");
        QVERIFY(pressedForm46());
        for (int form : {46, 1}) {
            if (form == 1) {
                click(46, "Command3");
                click(35, "Command3");  // the main window with its formula line
            }
            QVERIFY(visible(form));
            QWidget* w = window(form);
            const bk::WindowSpec spec = Application::windowSpec(form);
            QCOMPARE(w->size(), QSize((spec.widthTwips + 7) / 15, (spec.heightTwips + 7) / 15));
            const QImage image = grab(w, QStringLiteral("form%1-2x").arg(form));
            QCOMPARE(image.size(), w->size() * 2);  // a device pixel for every half logical pixel
            QVERIFY(inkIn(image, QRect(0, 0, 600, 40)) > 400);
        }
    }

    void exitEndsTheProgram()
    {
        typeKey(QStringLiteral("货币资金"));
        click(1, "Command1");
        click(2, "Command3");
        click(1, "Command2");
        QVERIFY(app_->ended());
        QVERIFY(!visible(1));
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
