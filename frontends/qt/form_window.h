// A window of the program. Its controls stand at their fixed places on a
// page of the window's client size; a window larger than the screen shows
// that page in a scrolling view instead, and can be made smaller, so that
// nothing is ever out of reach. Where controls stand to the right of the
// print area, the print area gives up width first and they move left with
// its right edge, so that they stay in view.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "window/toolkit.h"

class QAction;
class QLineEdit;
class QMenuBar;
class QScrollArea;

namespace bk {

class Application;
class KeyBox;
class PrintArea;
class ProgramSettings;
class VoucherView;

// The frame and title bar that a window system adds around a window, as a
// guess for a window not shown yet.
constexpr QSize kWindowFrame(16, 48);

class FormWindow : public QWidget {
public:
    // The window's controls report the user's actions to `app`. The main
    // window also has the menu of the user's choices, kept in `settings`.
    // A window whose print area lies under its controls shows its lines
    // beside them, or below them on a narrow screen.
    FormWindow(const WindowSpec& spec, Application& app, ProgramSettings* settings = nullptr);

    // Draws the line the program printed at `row`, as the program shows it.
    void printLine(int row);
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
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addBrowseButton(KeyBox* keys);
    void fitToScreen();
    void placeBesidePrintArea();
    QWidget* makeControl(const ControlSpec& c, int enterPresses);
    void markField(int number);
    void focusKeyBox();
    void chooseHintKey(const QString& key);
    void addCompleter(QLineEdit* edit, int number);

    FormId form_;
    Application& app_;
    QScrollArea* view_ = nullptr;                            // shows the page, scrolling where it is larger
    QWidget* page_ = nullptr;                                // the client area
    bool linesBelow_ = false;                                // the printed lines stand below the fields
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
    QElapsedTimer shown_;              // since the window was last shown
    // The time of the last press on a button of any window (the event
    // clock's milliseconds).
    static inline std::optional<quint64> lastButtonPress_;
};

}  // namespace bk
