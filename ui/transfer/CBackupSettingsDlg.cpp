// The backup settings dialog.
#include "ui/transfer/CBackupSettingsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBackupSettingsDlg::CBackupSettingsDlg(const CBackupSettings& settings, QWidget* parent)
    : QDialog(parent),
      m_pEnabled(new QCheckBox(tr("&Back up the unit before each upload"), this)),
      m_pFolder(new QLineEdit(settings.m_strFolder, this)),
      m_pBrowse(new QPushButton(tr("B&rowse..."), this)),
      m_allBlocks(new QCheckBox(tr("&Write every block, also those the unit holds already"), this))
{
    setWindowTitle(tr("Backup Settings"));
    m_pEnabled->setChecked(settings.m_bEnabled);
    m_allBlocks->setChecked(settings.allBlocks);
    m_pFolder->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    auto* label = new QLabel(tr("&Folder:"), this);
    label->setBuddy(m_pFolder);
    // The folder matters only while backups are made.
    const QList<QWidget*> folderRow{label, m_pFolder, m_pBrowse};
    for (QWidget* widget : folderRow) {
        widget->setEnabled(settings.m_bEnabled);
        connect(m_pEnabled, &QCheckBox::toggled, widget, &QWidget::setEnabled);
    }
    connect(m_pBrowse, &QPushButton::clicked, this, &CBackupSettingsDlg::OnBrowse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* folder = new QHBoxLayout;  // taken by the dialog's layout below
    folder->addWidget(label);
    folder->addWidget(m_pFolder, 1);
    folder->addWidget(m_pBrowse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pEnabled);
    layout->addLayout(folder);
    layout->addWidget(m_allBlocks);
    layout->addWidget(buttons);
}

CBackupSettings CBackupSettingsDlg::GetSettings() const
{
    CBackupSettings settings;
    settings.m_bEnabled = m_pEnabled->isChecked();
    settings.m_strFolder = m_pFolder->text().trimmed();
    if (settings.m_strFolder.isEmpty())
        settings.m_strFolder = CBackupSettings::DefaultFolder();
    settings.allBlocks = m_allBlocks->isChecked();
    return settings;
}

void CBackupSettingsDlg::OnBrowse()
{
    QString folder = QFileDialog::getExistingDirectory(this, tr("Backup Folder"), m_pFolder->text());
    if (!folder.isEmpty())
        m_pFolder->setText(QDir::toNativeSeparators(folder));
}
