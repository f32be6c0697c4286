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
      m_enabledBox(new QCheckBox(tr("&Back up the unit before each upload"), this)),
      m_folderEdit(new QLineEdit(settings.m_folder, this)),
      m_browseButton(new QPushButton(tr("B&rowse..."), this)),
      m_allBlocks(new QCheckBox(tr("&Write every block, also those the unit holds already"), this))
{
    setWindowTitle(tr("Backup Settings"));
    m_enabledBox->setChecked(settings.m_enabled);
    m_allBlocks->setChecked(settings.allBlocks);
    m_folderEdit->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    auto* label = new QLabel(tr("&Folder:"), this);
    label->setBuddy(m_folderEdit);
    // The folder matters only while backups are made.
    const QList<QWidget*> folderRow{label, m_folderEdit, m_browseButton};
    for (QWidget* widget : folderRow) {
        widget->setEnabled(settings.m_enabled);
        connect(m_enabledBox, &QCheckBox::toggled, widget, &QWidget::setEnabled);
    }
    connect(m_browseButton, &QPushButton::clicked, this, &CBackupSettingsDlg::OnBrowse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* folder = new QHBoxLayout;  // taken by the dialog's layout below
    folder->addWidget(label);
    folder->addWidget(m_folderEdit, 1);
    folder->addWidget(m_browseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabledBox);
    layout->addLayout(folder);
    layout->addWidget(m_allBlocks);
    layout->addWidget(buttons);
}

CBackupSettings CBackupSettingsDlg::GetSettings() const
{
    CBackupSettings settings;
    settings.m_enabled = m_enabledBox->isChecked();
    settings.m_folder = m_folderEdit->text().trimmed();
    if (settings.m_folder.isEmpty())
        settings.m_folder = CBackupSettings::DefaultFolder();
    settings.allBlocks = m_allBlocks->isChecked();
    return settings;
}

void CBackupSettingsDlg::OnBrowse()
{
    QString folder = QFileDialog::getExistingDirectory(this, tr("Backup Folder"), m_folderEdit->text());
    if (!folder.isEmpty())
        m_folderEdit->setText(QDir::toNativeSeparators(folder));
}
