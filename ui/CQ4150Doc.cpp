// The document's unit and its file.
#include "ui/CQ4150Doc.h"

#include "model/CArchive.h"
#include "model/CDocumentFile.h"
#include "transfer/CUnitConnection.h"
#include "unit/CQ4kUnit.h"

#include <QFileInfo>

CQ4150Doc::CQ4150Doc(IMessagePrompt& prompt)
    : m_prompt(prompt), m_pUnit(std::make_unique<CQ4kUnit>(prompt)),
      m_pConnection(std::make_unique<CUnitConnection>(&prompt)), m_strTitle(QStringLiteral("Untitled"))
{
}

CQ4150Doc::~CQ4150Doc() = default;

bool CQ4150Doc::OnNewDocument()
{
    m_bModified = false;
    SetUntitled();
    if (!m_pUnit)
        return false;
    return m_pUnit->Initialize() != 0;
}

void CQ4150Doc::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        m_pUnit->Initialize();
    m_pUnit->Serialize(ar);
}

CQ4150Doc::LOAD_RESULT CQ4150Doc::OnOpenDocument(const QString& path, QString& error)
{
    CDocumentFile file;
    std::vector<uint8_t> bytes;
    if (!file.ReadBytes(path.toStdString(), bytes)) {
        error = QString::fromStdString(file.GetError());
        return LOAD_NOT_READ;
    }
    if (!file.LoadBytes(*m_pUnit, std::move(bytes), path.toStdString())) {
        error = QStringLiteral("Unexpected file format.\n%1").arg(QString::fromStdString(file.GetError()));
        return LOAD_BAD_FORMAT;
    }
    SetPathName(path);
    m_bModified = false;
    return LOAD_OK;
}

bool CQ4150Doc::OnSaveDocument(const QString& path, QString& error)
{
    CDocumentFile file;
    if (!file.Save(*m_pUnit, path.toStdString())) {
        error = QStringLiteral("Failed to save document.\n%1").arg(QString::fromStdString(file.GetError()));
        return false;
    }
    SetPathName(path);
    m_bModified = false;
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
    m_strTitle = QStringLiteral("Untitled");
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
}

void CQ4150Doc::OnCommsetup()
{
    m_pConnection->CommSetup();
}
