#include "qt/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/application.h"
#include "qt/core_text.h"
#include "qt/form_window.h"
#include "qt/settings.h"
#include "window/ui_texts.h"

namespace bk {

void buildMenus(QMenuBar* bar, FormWindow& window, bool calculator, ProgramSettings* settings)
{
    QMenu* file = bar->addMenu(fromCore(ui_texts::kFileMenu));
    file->setObjectName(QStringLiteral("fileMenu"));
    if (calculator) {
        QAction* vouchers =
            file->addAction(fromCore(ui_texts::kMakeVouchers), &window, [&window] { window.makeVouchers(); });
        vouchers->setObjectName(QStringLiteral("makeVouchers"));
        vouchers->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    }
    QAction* clearAll = file->addAction(fromCore(ui_texts::kClearAll), &window, [&window] { window.askClearAll(); });
    clearAll->setObjectName(QStringLiteral("clearAll"));
    clearAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    QMenu* edit = bar->addMenu(fromCore(ui_texts::kEditMenu));
    edit->setObjectName(QStringLiteral("editMenu"));
    // Ctrl+Z in a text box is the box's own undo; anywhere else in the
    // window (the print area) it brings back what 取消 cleared.
    QAction* undo = edit->addAction(fromCore(ui_texts::kUndoClear), &window, [&window] { window.undoClear(); });
    undo->setObjectName(QStringLiteral("undoClear"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QObject::connect(edit, &QMenu::aboutToShow, undo, [undo, &window] { undo->setEnabled(window.canUndoClear()); });
    QObject::connect(edit, &QMenu::aboutToHide, undo, [undo] { undo->setEnabled(true); });
    // The print area's own shortcut copies; the menu shows it.
    QAction* table = edit->addAction(fromCore(ui_texts::kCopyAsTable) + QStringLiteral("\tCtrl+Shift+C"), &window,
                                     [&window] { window.copyAsTable(); });
    table->setObjectName(QStringLiteral("copyAsTable"));

    // 选项 > 金额四舍五入到分: checked while derived money is rounded to the
    // fen. The choice takes effect at the next press of 确定 and is kept at once.
    if (!settings) return;
    QMenu* options = bar->addMenu(fromCore(ui_texts::kOptionsMenu) + QStringLiteral("(&O)"));
    QAction* toFen = options->addAction(fromCore(ui_texts::kAmountsToFen));
    toFen->setObjectName(QStringLiteral("amountsToFen"));
    toFen->setCheckable(true);
    Application& app = window.application();
    toFen->setChecked(app.amounts() == calc::Amounts::Fen);
    toFen->setShortcut(QKeySequence(fromCore(ui_texts::kAmountsToFenShortcut)));
    toFen->setShortcutContext(Qt::WindowShortcut);
    window.addAction(toFen);  // the shortcut works with the menu closed
    QObject::connect(toFen, &QAction::toggled, &window, [&app, settings](bool on) {
        const calc::Amounts amounts = on ? calc::Amounts::Fen : calc::Amounts::Exact;
        app.setAmounts(amounts);
        settings->setAmounts(amounts);
    });
}

}  // namespace bk
