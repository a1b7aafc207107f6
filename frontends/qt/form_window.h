// A window of the program. Its controls stand at their fixed places on a
// page of the window's client size; a window larger than the screen shows
// that page in a scrolling view instead, and can be made smaller, so that
// nothing is ever out of reach. Where controls stand to the right of the
// print area, the print area gives up width first and they move left with
// its right edge, so that they stay in view.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

#include "window/toolkit.h"

class QAction;
class QLineEdit;
class QMenuBar;

namespace bk {

class Application;
class PrintArea;
class ProgramSettings;
class VoucherView;

class FormWindow : public QWidget {
public:
    // The window's controls report the user's actions to `app`. The main
    // window also has the menu of the user's choices, kept in `settings`.
    FormWindow(const WindowSpec& spec, Application& app, ProgramSettings* settings = nullptr);

    void printLine(int row, const QString& text);
    void clearOutput();
    // The hint's message, then each offered key as a link of its own, in
    // the tab order after the buttons; choosing one puts it into the key box.
    void showHint(const KeyHint& hint);
    // Shows what the program holds for this window: the texts of its boxes
    // and the lines printed since the last clear.
    void restore(const WindowContent& content);

    // The menu items (qt/menus.cpp).
    Application& application() { return app_; }
    // 生成凭证: the entries of the last press as vouchers, in a view of their
    // own; a note when the press printed none.
    void makeVouchers();
    // 撤销清除: the lines 取消 cleared, back until the next press.
    void undoClear();
    bool canUndoClear() const;
    // 新建（清除全部）, once the user said yes.
    void askClearAll();
    void copyAsTable();
    // The voucher view 生成凭证 opened last, while it is open.
    VoucherView* voucherView() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToScreen();
    void placeBesidePrintArea();
    QWidget* makeControl(const ControlSpec& c, int enterPresses);
    void markField(int number);
    void focusKeyBox();
    void chooseHintKey(const QString& key);
    void addCompleter(QLineEdit* edit, int number);

    FormId form_;
    Application& app_;
    QWidget* page_ = nullptr;                                // the client area
    QMenuBar* menuBar_ = nullptr;                            // above it (qt/menus.cpp)
    QSize natural_;                                          // the page at the window's own size
    QRect printRect_;                                        // the print area at that size
    std::vector<std::pair<QWidget*, QPoint>> rightOfPrint_;  // and where each control right of it stands
    PrintArea* area_ = nullptr;
    QPointer<VoucherView> vouchers_;
    QWidget* hint_ = nullptr;
    QWidget* beforeHint_ = nullptr;  // the hint's keys follow it in the tab order
    QPointer<QWidget> popup_;
    std::map<int, QLineEdit*> edits_;  // TextN
    std::map<int, QAction*> marks_;    // TextN -> its mark, while it has one
    std::map<int, QString> tips_;      // TextN -> what the field is for, where its window says
};

}  // namespace bk
