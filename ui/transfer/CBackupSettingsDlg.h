// The "Backup Settings" dialog: whether the unit is backed up before each upload, the folder the
// backup files go to, and whether an upload writes every block.
#pragma once

#include "ui/transfer/CBackupSettings.h"

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
    QCheckBox* GetEnabled() const { return m_enabledBox; }
    QLineEdit* GetFolder() const { return m_folderEdit; }
    QCheckBox* GetAllBlocks() const { return m_allBlocks; }

private:
    void OnBrowse();

    QCheckBox* m_enabledBox;
    QLineEdit* m_folderEdit;
    QPushButton* m_browseButton;
    QCheckBox* m_allBlocks;
};
