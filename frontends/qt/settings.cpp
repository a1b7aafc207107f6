#include "qt/settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

namespace bk {

namespace {

const QString kAmountsKey = QStringLiteral("amounts");
const QString kPositionKey = QStringLiteral("mainWindow/position");

// Whether Qt can read the file as settings: readable text in UTF-8 that its
// INI reader takes without a format error.
bool readable(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0')) return false;
    QSettings s(file, QSettings::IniFormat);
    return s.status() == QSettings::NoError;
}

}  // namespace

QString ProgramSettings::defaultFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/settings.ini");
}

ProgramSettings::ProgramSettings(QString file) : file_(std::move(file))
{
    if (!QFileInfo::exists(file_)) return;
    if (!readable(file_)) {
        const QString aside = file_ + QStringLiteral(".unreadable-") +
                              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(file_, aside))
            setAside_ = aside;
        else
            writable_ = false;
        return;
    }
    QSettings s(file_, QSettings::IniFormat);
    if (s.value(kAmountsKey).toString() == QStringLiteral("exact")) amounts_ = calc::Amounts::Exact;
    if (const QVariant at = s.value(kPositionKey); at.typeId() == QMetaType::QPoint) mainWindowPosition_ = at.toPoint();
}

void ProgramSettings::setMainWindowPosition(QPoint at)
{
    if (mainWindowPosition_ == at) return;
    mainWindowPosition_ = at;
    if (!writable_) return;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(kPositionKey, at);
    s.sync();
}

void ProgramSettings::setAmounts(calc::Amounts amounts)
{
    amounts_ = amounts;
    if (!writable_) return;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(kAmountsKey, amounts == calc::Amounts::Fen ? QStringLiteral("fen") : QStringLiteral("exact"));
    s.sync();
}

}  // namespace bk
