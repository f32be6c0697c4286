// The "Backup Settings" dialog: whether the unit is backed up before each upload, and the folder
// the backup files go to.
#pragma once

#include "ui/CBackupSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class CBackupSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CBackupSettingsDlg(const CBackupSettings& settings, QWidget* parent = nullptr);

    // What the dialog shows; an empty folder is the default one.
    CBackupSettings GetSettings() const;
    QCheckBox* GetEnabled() const { return m_pEnabled; }
    QLineEdit* GetFolder() const { return m_pFolder; }

private:
    void OnBrowse();

    QCheckBox* m_pEnabled;
    QLineEdit* m_pFolder;
    QPushButton* m_pBrowse;
};
