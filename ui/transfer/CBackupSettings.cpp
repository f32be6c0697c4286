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
    settings.m_enabled = stored.value(QLatin1String(ENABLED_KEY), true).toBool();
    settings.m_folder = stored.value(QLatin1String(FOLDER_KEY)).toString().trimmed();
    if (settings.m_folder.isEmpty())
        settings.m_folder = DefaultFolder();
    settings.allBlocks = stored.value(QLatin1String(ALL_BLOCKS_KEY), false).toBool();
    return settings;
}

void CBackupSettings::Save() const
{
    QSettings stored;
    stored.setValue(QLatin1String(ENABLED_KEY), m_enabled);
    stored.setValue(QLatin1String(FOLDER_KEY), m_folder.trimmed());
    stored.setValue(QLatin1String(ALL_BLOCKS_KEY), allBlocks);
}

QString CBackupSettings::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Q4150/backups");
}
