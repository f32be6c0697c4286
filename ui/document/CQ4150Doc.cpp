// The document's unit and its file.
#include "ui/document/CQ4150Doc.h"

#include "model/CArchive.h"
#include "model/CDocumentFile.h"
#include "ui/common/CoreTranslation.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitHistory.h"

#include <QFileInfo>

CQ4150Doc::CQ4150Doc(IMessagePrompt& prompt)
    : m_prompt(prompt), m_pUnit(std::make_unique<CQ4kUnit>(prompt)),
      m_strTitle(tr("Untitled"))
{
    m_pUnit->Initialize();
    m_pHistory = std::make_unique<CUnitHistory>(*m_pUnit, prompt);
}

CQ4150Doc::~CQ4150Doc() = default;

bool CQ4150Doc::OnNewDocument()
{
    m_bModified = false;
    SetUntitled();
    bool ok = m_pUnit->Initialize() != 0;
    m_pHistory->Reset();
    return ok;
}

bool CQ4150Doc::IsModified() const
{
    return m_bModified || !m_pHistory->IsSaved();
}

void CQ4150Doc::SetModifiedFlag(bool modified)
{
    m_bModified = modified;
    if (!modified)
        m_pHistory->MarkSaved();
}

bool CQ4150Doc::RecordChange(const QString& label)
{
    return m_pHistory->Record(label.toStdString());
}

void CQ4150Doc::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        m_pUnit->Initialize();
    m_pUnit->Serialize(ar);
    if (ar.IsLoading())
        m_pHistory->Reset();
}

q4::Status CQ4150Doc::OnOpenDocument(const QString& path)
{
    m_readDamaged = false;
    CDocumentFile file;
    q4::Result<std::vector<uint8_t>> bytes = file.ReadBytes(path.toStdString());
    if (!bytes)
        return q4::Failure{bytes.Reason()};
    q4::Status loaded = file.LoadBytes(*m_pUnit, std::move(bytes.Value()), path.toStdString());
    // What was read, whole or not, is where undo starts.
    m_pHistory->Reset();
    if (!loaded) {
        m_readDamaged = true;
        return loaded;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return {};
}

QString CQ4150Doc::OpenFailureText(const q4::Status& failure) const
{
    const QString reason = q4ui::TrCore(failure.Reason());
    return m_readDamaged ? tr("Unexpected file format.\n%1").arg(reason) : reason;
}

bool CQ4150Doc::OnSaveDocument(const QString& path, QString& error, bool* readOnly)
{
    CDocumentFile file;
    if (q4::Status saved = file.Save(*m_pUnit, path.toStdString()); !saved) {
        error = tr("Failed to save document.\n%1").arg(q4ui::TrCore(saved.Reason()));
        if (readOnly)
            *readOnly = file.IsTargetReadOnly();
        return false;
    }
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

std::vector<INordaSetupType*> CQ4150Doc::GetNdSetup() const
{
    std::vector<INordaSetupType*> setups;
    if (!m_pUnit)
        return setups;
    for (int i = 0; i < 4; ++i) {
        if (INordaSetupType* type = m_pUnit->GetSetupType(i))
            setups.push_back(type);
    }
    return setups;
}

void CQ4150Doc::SetPathName(const QString& path)
{
    m_strPathName = QFileInfo(path).absoluteFilePath();
    m_strTitle = QFileInfo(path).fileName();
}

void CQ4150Doc::SetUntitled()
{
    m_strPathName.clear();
    m_strTitle = tr("Untitled");
}

std::unique_ptr<CQ4kUnit> CQ4150Doc::CreateScratchUnit() const
{
    auto unit = std::make_unique<CQ4kUnit>(m_prompt);
    unit->Initialize();
    return unit;
}

void CQ4150Doc::TakeDownload(const CQ4kUnit& downloaded)
{
    m_pUnit->CopyFrom(downloaded);
    SetUntitled();
    // Undo can take the download back; the set-up is the unit's, not a changed file.
    m_pHistory->Record(tr("Download").toStdString());
    SetModifiedFlag(true);
}

void CQ4150Doc::TakeImport(const CQ4kUnit& imported)
{
    m_pUnit->CopyFrom(imported);
    SetUntitled();
    m_pHistory->Record(tr("Import").toStdString());
    SetModifiedFlag(true);
}
