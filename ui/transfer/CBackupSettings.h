// Whether the unit is read into a backup file before each upload, the folder those files go to,
// and whether an upload writes every block or only those the unit does not hold; kept in the
// settings under "Backup".
#pragma once

#include <QString>

class CBackupSettings {
public:
    // What was chosen last; on, into DefaultFolder(), until the user chose otherwise.
    static CBackupSettings Load();
    void Save() const;

    // "Q4150/backups" in the user's data folder (~/.local/share/Q4150/backups).
    static QString DefaultFolder();

    bool m_enabled = true;
    QString m_folder;
    bool allBlocks = false;
};
