// The unit's backup before an upload, and the change report after it.
#include "ui/CUploadBackup.h"

#include "compare/CChangeList.h"
#include "model/CDocumentFile.h"
#include "model/IMessagePrompt.h"
#include "ui/CBackupSettings.h"
#include "ui/CQ4150Doc.h"
#include "ui/CoreTranslation.h"
#include "ui/QtText.h"
#include "unit/CQ4kUnit.h"

#include <QDateTime>
#include <QDir>

CUploadBackup::CUploadBackup(CQ4150Doc& doc, const QString& folder)
    : m_doc(doc), m_strFolder(folder), m_pUnit(doc.CreateScratchUnit())
{
}

CUploadBackup::~CUploadBackup() = default;

bool CUploadBackup::Keep(const TransferResult& download, const CUnitImage& blocksRead)
{
    if (download.end == TransferEnd::Cancelled) {
        Refuse(tr("The backup of the unit was stopped."));
        return false;
    }
    if (download.end != TransferEnd::Completed) {
        Refuse(download.reason.empty()
                   ? tr("The unit's set-up could not be read for the backup.")
                   : tr("The unit's set-up could not be read for the backup: %1.").arg(q4ui::TrCore(download.reason)));
        return false;
    }
    const QString folder = QDir::toNativeSeparators(m_strFolder);
    if (!QDir().mkpath(m_strFolder)) {
        Refuse(tr("The backup folder %1 cannot be created.").arg(folder));
        return false;
    }
    QString path = CBackupSettings::NewFilePath(m_strFolder, QDateTime::currentDateTime());
    CDocumentFile file;
    if (!file.Save(*m_pUnit, path.toStdString())) {
        Refuse(tr("The backup cannot be written in %1:\n%2").arg(folder, q4ui::TrCore(file.GetError())));
        return false;
    }
    m_strPath = path;
    m_held = blocksRead;
    return true;
}

void CUploadBackup::Refuse(const QString& why) const
{
    m_doc.GetPrompt().Show(q4ui::ToCp1252(why + QLatin1Char('\n') + tr("The upload did not start: nothing was written to the unit.")),
                           IMessagePrompt::BTN_OK, true);
}

std::vector<CellDifference> CUploadBackup::GetChanges() const
{
    return CChangeList::OfUpload(*m_doc.GetUnit(), m_held);
}
