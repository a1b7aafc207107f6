// The menu bar of a window: every menu of the desktop program is built here,
// in one place.
#pragma once

class QMenuBar;

namespace bk {

class FormWindow;
class ProgramSettings;

// 文件: 生成凭证 (a calculator's), 新建（清除全部）; 编辑: 撤销清除,
// 复制为表格; with `settings` (the main window's) 选项: 金额四舍五入到分,
// kept there. Each item acts on `window`.
void buildMenus(QMenuBar* bar, FormWindow& window, bool calculator, ProgramSettings* settings);

}  // namespace bk
