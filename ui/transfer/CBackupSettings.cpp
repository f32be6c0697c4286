// The backup settings.
#include "ui/transfer/CBackupSettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

constexpr char ENABLED_KEY[] = "Backup/Enabled";
constexpr char FOLDER_KEY[] = "Backup/Folder";
constexpr char ALL_BLOCKS_KEY[] = "Backup/AllBlocks";

}  // namespace

CBackupSettings CBackupSettings::Load()
{
    QSettings stored;
    CBackupSettings settings;
    settings.m_bEnabled = stored.value(QLatin1String(ENABLED_KEY), true).toBool();
    settings.m_strFolder = stored.value(QLatin1String(FOLDER_KEY)).toString().trimmed();
    if (settings.m_strFolder.isEmpty())
        settings.m_strFolder = DefaultFolder();
    settings.allBlocks = stored.value(QLatin1String(ALL_BLOCKS_KEY), false).toBool();
    return settings;
}

void CBackupSettings::Save() const
{
    QSettings stored;
    stored.setValue(QLatin1String(ENABLED_KEY), m_bEnabled);
    stored.setValue(QLatin1String(FOLDER_KEY), m_strFolder.trimmed());
    stored.setValue(QLatin1String(ALL_BLOCKS_KEY), allBlocks);
}

QString CBackupSettings::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Q4150/backups");
}
