// The unit's backup before an upload, and the change report after it.
#include "ui/CUploadBackup.h"

#include "compare/CSetupComparison.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "model/IMessagePrompt.h"
#include "ui/CBackupSettings.h"
#include "ui/CQ4150Doc.h"
#include "ui/QtText.h"
#include "unit/CQ4kUnit.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <utility>

CUploadBackup::CUploadBackup(CQ4150Doc& doc, const QString& folder)
    : m_doc(doc), m_strFolder(folder), m_pUnit(doc.CreateScratchUnit())
{
}

CUploadBackup::~CUploadBackup() = default;

bool CUploadBackup::Keep(const TransferResult& download, const CUnitImage& blocksRead)
{
    if (download.end == TransferEnd::Cancelled) {
        Refuse(QStringLiteral("The backup of the unit was stopped."));
        return false;
    }
    if (download.end != TransferEnd::Completed) {
        Refuse(download.reason.empty()
                   ? QStringLiteral("The unit's set-up could not be read for the backup.")
                   : QCoreApplication::translate("CUploadBackup", "The unit's set-up could not be read for the backup: %1.")
                         .arg(q4ui::ToQString(download.reason)));
        return false;
    }
    const QString folder = QDir::toNativeSeparators(m_strFolder);
    if (!QDir().mkpath(m_strFolder)) {
        Refuse(QStringLiteral("The backup folder %1 cannot be created.").arg(folder));
        return false;
    }
    QString path = CBackupSettings::NewFilePath(m_strFolder, QDateTime::currentDateTime());
    CDocumentFile file;
    if (!file.Save(*m_pUnit, path.toStdString())) {
        Refuse(QStringLiteral("The backup cannot be written in %1:\n%2").arg(folder, QString::fromStdString(file.GetError())));
        return false;
    }
    m_strPath = path;
    m_held = blocksRead;
    return true;
}

void CUploadBackup::Refuse(const QString& why) const
{
    m_doc.GetPrompt().Show(q4ui::ToCp1252(why + QStringLiteral("\nThe upload did not start: nothing was written to the unit.")),
                           IMessagePrompt::BTN_OK, true);
}

std::vector<CellDifference> CUploadBackup::GetChanges() const
{
    // The uploaded set-up as the unit now holds it, its blocks read back the way the backup's
    // were: a number the unit writes otherwise ("0.300" for "0.3") is no change.
    std::vector<CellDifference> changes =
        CSetupComparison::SettingsOnly(*m_doc.GetUnit(), CUnitVerification(*m_doc.GetUnit(), m_held).GetDifferences());
    for (CellDifference& change : changes)
        std::swap(change.textA, change.textB);  // the backup's text first
    return changes;
}
