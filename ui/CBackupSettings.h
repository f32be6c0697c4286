// Whether the unit is read into a backup file before each upload, and the folder those files go
// to, kept in the settings under "Backup".
#pragma once

#include <QDateTime>
#include <QString>

class CBackupSettings {
public:
    // What was chosen last; on, into DefaultFolder(), until the user chose otherwise.
    static CBackupSettings Load();
    void Save() const;

    // "Q4150/backups" in the user's data folder (~/.local/share/Q4150/backups).
    static QString DefaultFolder();
    // The path of a new backup in folder, named by the time ("unit-2026-12-06-143015.q4g"); a
    // name a file already has gets "-2", "-3" ... so that no backup is ever overwritten.
    static QString NewFilePath(const QString& folder, const QDateTime& time);

    bool m_bEnabled = true;
    QString m_strFolder;
};
