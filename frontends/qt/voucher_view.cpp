#include "qt/voucher_view.h"

#include <QCursor>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "num/number_text.h"
#include "qt/core_text.h"
#include "qt/print_area.h"
#include "window/output_surface.h"
#include "window/ui_texts.h"

namespace bk {

namespace {

QString escaped(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped(); }
QString label(std::string_view s) { return fromCore(s).toHtmlEscaped(); }

}  // namespace

VoucherView::VoucherView(std::vector<calc::Voucher> vouchers, const QString& title, QWidget* parent)
    : QDialog(parent), vouchers_(std::move(vouchers))
{
    setObjectName(QStringLiteral("voucherView"));
    setWindowTitle(fromCore(ui_texts::kVoucher) + QStringLiteral(" — ") + title);
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    date_ = new QLineEdit(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")), this);
    date_->setObjectName(QStringLiteral("voucherDate"));
    attachments_ = new QLineEdit(this);
    attachments_->setObjectName(QStringLiteral("voucherAttachments"));
    fields->addRow(fromCore(ui_texts::kDate), date_);
    fields->addRow(fromCore(ui_texts::kAttachmentCount), attachments_);
    layout->addLayout(fields);
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("voucherText"));
    view_->setOpenLinks(false);
    connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { offerAccounts(link); });
    layout->addWidget(view_, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto add = [buttons](std::string_view caption, const char* name) {
        QPushButton* b = buttons->addButton(fromCore(caption), QDialogButtonBox::ActionRole);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    connect(add(ui_texts::kPrint, "print"), &QPushButton::clicked, this, [this] { print(); });
    connect(add(ui_texts::kExportPdf, "exportPdf"), &QPushButton::clicked, this, [this] { choosePdf(); });
    connect(add(ui_texts::kCopyAsTable, "copyAsTable"), &QPushButton::clicked, this, [this] { copyAsTable(); });
    connect(add(ui_texts::kSaveCsv, "saveCsv"), &QPushButton::clicked, this, [this] { chooseCsv(); });
    QPushButton* close = buttons->addButton(fromCore(ui_texts::kClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(date_, &QLineEdit::textChanged, this, [this] { refresh(); });
    connect(attachments_, &QLineEdit::textChanged, this, [this] { refresh(); });
    refresh();
    resize(760, 560);
}

calc::VoucherSheet VoucherView::sheet() const
{
    return {date_->text().toStdString(), attachments_->text().toStdString()};
}

QString VoucherView::html(bool pages) const
{
    const calc::VoucherSheet s = sheet();
    const QString right = QStringLiteral(" align=\"right\"");
    QString html = QStringLiteral("<html><body>");
    for (size_t k = 0; k < vouchers_.size(); ++k) {
        const calc::Voucher& v = vouchers_[k];
        const QString page = pages && k > 0 ? QStringLiteral(" style=\"page-break-before: always\"") : QString();
        html += QStringLiteral("<h2 align=\"center\"%1>%2</h2>").arg(page, label(ui_texts::kVoucher));
        html +=
            QStringLiteral("<p>%1：%2 &nbsp;&nbsp; %3：%4 &nbsp;&nbsp; %5 %6 %7</p>")
                .arg(label(ui_texts::kVoucherNumber), QString::number(k + 1), label(ui_texts::kDate), escaped(s.date),
                     label(ui_texts::kAttachments), escaped(s.attachments), label(ui_texts::kSheets));
        html += QStringLiteral(
                    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><tr><th>%1</th><th>%2</th>"
                    "<th>%3</th><th>%4</th></tr>")
                    .arg(label(ui_texts::kSummary), label(ui_texts::kAccount), label(ui_texts::kDebitAmount),
                         label(ui_texts::kCreditAmount));
        for (size_t i = 0; i < v.lines.size(); ++i) {
            const calc::EntryLine& l = v.lines[i];
            const QString amount = escaped(fenAmount(l.amount));
            QString account = escaped(calc::shownAccount(l));
            if (!pages && l.accounts.size() > 1)  // a drop-down on the screen; the account chosen in print
                account = QStringLiteral("<a href=\"account:%1:%2\">%3 ▾</a>")
                              .arg(QString::number(k), QString::number(i), account);
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td%3>%4</td><td%3>%5</td></tr>")
                        .arg(i == 0 ? escaped(v.summary) : QString(), account, right, l.debit ? amount : QString(),
                             l.debit ? QString() : amount);
        }
        html +=
            QStringLiteral("<tr><td><b>%1</b></td><td>%2：%3</td><td%4><b>%5</b></td><td%4><b>%6</b></td></tr>")
                .arg(label(ui_texts::kTotal), label(ui_texts::kCapitalAmount), escaped(calc::voucherCapital(v.debits)),
                     right, escaped(fenAmount(v.debits)), escaped(fenAmount(v.credits)));
        html += QStringLiteral("</table>");
        if (!v.balanced())
            html += QStringLiteral("<p style=\"color: #c00000\"><b>⚠ %1 %2</b></p>")
                        .arg(label(ui_texts::kUnbalanced), escaped(fenAmount(v.difference())));
        if (!pages) html += QStringLiteral("<br>");
    }
    html += QStringLiteral("</body></html>");
    return html;
}

void VoucherView::refresh()
{
    const int scrolled = view_->verticalScrollBar()->value();
    view_->setHtml(html(false));
    view_->verticalScrollBar()->setValue(scrolled);
}

void VoucherView::chooseAccount(size_t voucher, size_t line, size_t choice)
{
    if (voucher >= vouchers_.size() || line >= vouchers_[voucher].lines.size()) return;
    calc::chooseAccount(vouchers_[voucher].lines[line], choice);
    refresh();
}

void VoucherView::offerAccounts(const QUrl& link)
{
    const QStringList parts = link.toString().split(QLatin1Char(':'));
    if (parts.size() != 3 || parts[0] != QStringLiteral("account")) return;
    const size_t voucher = parts[1].toULongLong();
    const size_t line = parts[2].toULongLong();
    if (voucher >= vouchers_.size() || line >= vouchers_[voucher].lines.size()) return;
    const calc::EntryLine& l = vouchers_[voucher].lines[line];
    QMenu menu(this);
    for (size_t n = 0; n < l.accounts.size(); ++n) {
        QAction* a = menu.addAction(QString::fromStdString(calc::shownAccount(l.accounts[n])));
        a->setCheckable(true);
        a->setChecked(l.accounts[n] == l.account);
        connect(a, &QAction::triggered, this, [this, voucher, line, n] { chooseAccount(voucher, line, n); });
    }
    menu.exec(QCursor::pos());
}

void VoucherView::printOn(QPagedPaintDevice& device) const
{
    QTextDocument document;
    document.setHtml(html(true));
    document.print(&device);
}

void VoucherView::print()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, const_cast<VoucherView*>(this));
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

bool VoucherView::exportPdf(const QString& path) const
{
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(fromCore(ui_texts::kVoucher));
        writer.setCreator(fromCore(ui_texts::kProgramName));
        printOn(writer);
    }  // written out as the writer goes
    return QFileInfo(path).size() > 0;
}

bool VoucherView::saveCsv(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string csv = csvText(calc::voucherRows(vouchers_, sheet()));
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    return file.commit();
}

void VoucherView::copyAsTable() const { copyRowsAsTable(calc::voucherRows(vouchers_, sheet())); }

void VoucherView::choosePdf()
{
    const QString path = QFileDialog::getSaveFileName(
        this, fromCore(ui_texts::kExportPdf), fromCore(ui_texts::kVoucher) + ".pdf", fromCore(ui_texts::kPdfFiles));
    if (!path.isEmpty() && !exportPdf(path))
        QMessageBox::warning(this, fromCore(ui_texts::kVoucher), fromCore(ui_texts::kNotSaved));
}

void VoucherView::chooseCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, fromCore(ui_texts::kSaveCsv), fromCore(ui_texts::kVoucher) + ".csv", fromCore(ui_texts::kCsvFiles));
    if (!path.isEmpty() && !saveCsv(path))
        QMessageBox::warning(this, fromCore(ui_texts::kVoucher), fromCore(ui_texts::kNotSaved));
}

}  // namespace bk
