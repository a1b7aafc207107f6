// The texts of a front end's own furniture, around what the windows show:
// the fault box, the print area's name and menu, the key box's browse menu.
// Every front end shows these same words.
#pragma once

#include <string_view>

namespace bk::ui_texts {

inline constexpr std::string_view kProgramName = "记账助手";
inline constexpr std::string_view kFaultTitle = "运算错误";
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kPrintArea = "计算结果";
inline constexpr std::string_view kCopy = "复制";
inline constexpr std::string_view kSelectAll = "全选";
inline constexpr std::string_view kCopyAsTable = "复制为表格";
inline constexpr std::string_view kBrowse = "按科目浏览";
// What choosing a key that the hint under the key box offers does.
inline constexpr std::string_view kHintKeyAction = "填入关键字框";
inline constexpr std::string_view kClose = "关闭";
// Where the program cannot close its own window (a browser tab).
inline constexpr std::string_view kEnded = "记账助手已退出。";
inline constexpr std::string_view kRestart = "重新开始";
// The list of keys offered as the user types in the key box.
inline constexpr std::string_view kCompletions = "匹配的关键字";
// The web page's bar of the windows on screen, one tab each.
inline constexpr std::string_view kOpenWindows = "打开的窗口";

// The main window's menu of the user's choices, and the one choice in it:
// money a window derives is rounded to the fen (on by default). Its
// shortcut, written as both front ends read it.
inline constexpr std::string_view kOptionsMenu = "选项";
inline constexpr std::string_view kAmountsToFen = "金额四舍五入到分";
inline constexpr std::string_view kAmountsToFenShortcut = "Ctrl+Shift+F";
// Said once at start-up when the file of the user's choices could not be
// read: it was renamed to the name that follows, and the program started
// with the defaults.
inline constexpr std::string_view kSettingsSetAside = "设置文件无法读取，已改名保存为：";
inline constexpr std::string_view kSettingsDefaults = "本次按默认设置启动。";

// The menus.
inline constexpr std::string_view kFileMenu = "文件(&F)";
inline constexpr std::string_view kEditMenu = "编辑(&E)";
inline constexpr std::string_view kMakeVouchers = "生成凭证";
inline constexpr std::string_view kUndoClear = "撤销清除";
inline constexpr std::string_view kClearAll = "新建（清除全部）";
// 新建（清除全部） asks first: it cannot be undone.
inline constexpr std::string_view kClearAllQuestion = "清除所有窗口中输入的数据和计算结果？此操作不能撤销。";

// The voucher view and what it prints and saves.
inline constexpr std::string_view kVoucher = "记账凭证";
inline constexpr std::string_view kVoucherNumber = "凭证号";
inline constexpr std::string_view kDate = "日期";
inline constexpr std::string_view kAttachments = "附件";
inline constexpr std::string_view kSheets = "张";
inline constexpr std::string_view kAttachmentCount = "附件张数";
inline constexpr std::string_view kSummary = "摘要";
inline constexpr std::string_view kAccount = "会计科目";
inline constexpr std::string_view kDebitAmount = "借方金额";
inline constexpr std::string_view kCreditAmount = "贷方金额";
inline constexpr std::string_view kTotal = "合计";
inline constexpr std::string_view kCapitalAmount = "金额大写";
inline constexpr std::string_view kUnbalanced = "借贷不平，差额";
inline constexpr std::string_view kNoVouchers = "最近一次计算没有打印会计分录，无法生成凭证。";
inline constexpr std::string_view kPrint = "打印…";
inline constexpr std::string_view kExportPdf = "导出PDF…";
inline constexpr std::string_view kSaveCsv = "另存为CSV…";
inline constexpr std::string_view kPdfFiles = "PDF 文件 (*.pdf)";
inline constexpr std::string_view kCsvFiles = "CSV 文件 (*.csv)";
inline constexpr std::string_view kNotSaved = "无法保存文件。";

// The work kept across runs could not be read at start-up.
inline constexpr std::string_view kSessionUnreadable = "上次保存的工作记录无法读取，已原样另存为：";
inline constexpr std::string_view kSessionFreshStart = "本次从空白开始。";
inline constexpr std::string_view kSessionNotSaved = "上次保存的工作记录无法读取，本次的工作不会保存，以免覆盖它。";

}  // namespace bk::ui_texts
