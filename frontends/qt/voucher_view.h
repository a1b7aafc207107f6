// The voucher view: the journal entries of a calculator's last press as
// 记账凭证, one table each (摘要, 会计科目, 借方金额, 贷方金额, and a 合计
// row with both totals and the total in capital figures), with 日期 and 附件
// 张数 for the user to fill in, and an entry that does not balance marked
// with its difference. A line that names alternatives (应收账款/银行存款)
// shows its 会计科目 as a drop-down of them: clicking it offers the accounts
// in the caption's order, and print and CSV post to the one chosen. From it:
// print (Qt's print dialog), export to PDF, copy as a table and save as CSV.
#pragma once

#include <QDialog>
#include <vector>

#include "calc/vouchers.h"

class QLineEdit;
class QUrl;
class QTextBrowser;
class QPagedPaintDevice;

namespace bk {

class VoucherView : public QDialog {
public:
    VoucherView(std::vector<calc::Voucher> vouchers, const QString& title, QWidget* parent);

    // What the user filled in.
    calc::VoucherSheet sheet() const;
    // The vouchers as HTML for the screen and for print: with `pages`, each
    // voucher starts a page of its own.
    QString html(bool pages) const;
    // Prints every voucher on its own page as a PDF file; false when the
    // file could not be written.
    bool exportPdf(const QString& path) const;
    // Writes the rows of the vouchers as CSV; false when it could not.
    bool saveCsv(const QString& path) const;
    void copyAsTable() const;
    // Posts line `line` of voucher `voucher` to its account number `choice`
    // (of those its caption names), as choosing it from the drop-down does.
    void chooseAccount(size_t voucher, size_t line, size_t choice);

private:
    void offerAccounts(const QUrl& link);
    void refresh();
    void print();
    void choosePdf();
    void chooseCsv();
    void printOn(QPagedPaintDevice& device) const;

    std::vector<calc::Voucher> vouchers_;
    QLineEdit* date_ = nullptr;
    QLineEdit* attachments_ = nullptr;
    QTextBrowser* view_ = nullptr;
};

}  // namespace bk
