// The backup settings and the names of the backup files.
#include "ui/CBackupSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr char ENABLED_KEY[] = "Backup/Enabled";
constexpr char FOLDER_KEY[] = "Backup/Folder";

}  // namespace

CBackupSettings CBackupSettings::Load()
{
    QSettings stored;
    CBackupSettings settings;
    settings.m_bEnabled = stored.value(QLatin1String(ENABLED_KEY), true).toBool();
    settings.m_strFolder = stored.value(QLatin1String(FOLDER_KEY)).toString().trimmed();
    if (settings.m_strFolder.isEmpty())
        settings.m_strFolder = DefaultFolder();
    return settings;
}

void CBackupSettings::Save() const
{
    QSettings stored;
    stored.setValue(QLatin1String(ENABLED_KEY), m_bEnabled);
    stored.setValue(QLatin1String(FOLDER_KEY), m_strFolder.trimmed());
}

QString CBackupSettings::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Q4150/backups");
}

QString CBackupSettings::NewFilePath(const QString& folder, const QDateTime& time)
{
    // The digits of the time whatever the locale, so that the names sort by time.
    const QString stem = QDir(folder).filePath(QStringLiteral("unit-") + time.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    QString path = stem + QStringLiteral(".q4g");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral("-%1.q4g").arg(n);
    return path;
}
