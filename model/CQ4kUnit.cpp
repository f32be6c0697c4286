// The unit: construction order, registry, defaults, sheets and the document record.
#include "model/CQ4kUnit.h"

#include "link/ITransferQuestion.h"
#include "model/CArchive.h"
#include "setup/general/CGeneral.h"

namespace {

const SETUP_TYPE g_setupTypes[4] = {ST_GENERAL, ST_PHYSICAL, ST_LOGICAL, ST_ALARM};
const char* const g_strSetupLabels[4] = {"General", "Physical Inputs", "Logical Inputs", "Alarms"};

}  // namespace

CQ4kUnit::CQ4kUnit(IMessagePrompt& prompt) : m_pComDlg(std::make_unique<CComSetupDialog>(&prompt))
{
    m_pSetupTypes[ST_GENERAL] = std::make_unique<CGeneral>();
    for (int i = 0; i < 4; ++i) {
        if (m_pSetupTypes[i])
            m_pSetupTypes[i]->SetMessagePrompt(&prompt);
        INordaSetupType::m_pNordaSetupTypes[i] = m_pSetupTypes[i].get();
    }
}

CQ4kUnit::~CQ4kUnit()
{
    // The worker uses the setup types and the link: it ends before they go.
    WaitTransEnd();
    // Take our setup types out of the registry so that no entry outlives them.
    for (int i = 0; i < 4; ++i) {
        if (INordaSetupType::m_pNordaSetupTypes[i] == m_pSetupTypes[i].get())
            INordaSetupType::m_pNordaSetupTypes[i] = nullptr;
    }
    for (auto& type : m_pSetupTypes)
        type.reset();
}

int CQ4kUnit::Initialize()
{
    for (auto& type : m_pSetupTypes) {
        if (type)
            type->Initialize();
    }
    return 1;
}

int CQ4kUnit::GetNumTypeSetup(SETUP_TYPE types[], std::string labels[], unsigned& count)
{
    for (int i = 0; i < 4; ++i) {
        types[i] = g_setupTypes[i];
        labels[i] = g_strSetupLabels[i];
    }
    count = 4;
    return 1;
}

int CQ4kUnit::GetNdSetups(INordaSetupType* setups[], int* count)
{
    for (int i = 0; i < 4; ++i) {
        setups[i] = m_pSetupTypes[i].get();
        if (!setups[i])
            return 0;
    }
    *count = 4;
    return 1;
}

int CQ4kUnit::GetDataSheet(SETUP_TYPE type, std::unique_ptr<CDataSheet>& sheet)
{
    sheet.reset();
    if (type < 0 || type > 3 || !m_pSetupTypes[type] || !m_pSetupTypes[type]->m_pDataSheet)
        return 0;
    sheet = m_pSetupTypes[type]->m_pDataSheet->CreateView();
    return 1;
}

std::string CQ4kUnit::GetTitle(int index) const
{
    if (index < 0 || index > 3 || !m_pSetupTypes[index])
        return std::string();
    return m_pSetupTypes[index]->m_strTitle;
}

CNordaSetupType* CQ4kUnit::GetSetupType(int index) const
{
    if (index < 0 || index > 3)
        return nullptr;
    return m_pSetupTypes[index].get();
}

int CQ4kUnit::Serialize(CArchive& ar)
{
    unsigned version = FILE_VERSION;
    if (ar.IsStoring())
        ar.WriteUInt32(version);
    else
        version = ar.ReadUInt32();
    for (auto& type : m_pSetupTypes) {
        if (!type)
            continue;
        try {
            type->DoFileReadWrite(ar, version);
        } catch (const CArchiveException& e) {
            // The setup type that failed goes back to its defaults; the ones read before it
            // keep what they read.
            type->Initialize();
            throw CArchiveException(CArchiveException::BAD_SCHEMA,
                                    "the " + type->m_strTitle + " part of the file is damaged (" + e.what() + ")");
        }
    }
    return 1;
}

// ---- transfers ----------------------------------------------------------------------------------

void CQ4kUnit::SetTransferUi(IComSetupUi* comUi, ITransferQuestion* question)
{
    m_pComDlg->SetUi(comUi);
    m_pQuestion = question;
}

int CQ4kUnit::CommSetup()
{
    m_bCommReady = 0;
    if (m_pComDlg->DoCommSetup()) {
        const uint8_t wakeUp[3] = {0x20, 0x20, 0x20};
        m_pComDlg->Write(wakeUp, 3);
        m_bCommReady = 1;
    }
    return m_bCommReady;
}

int CQ4kUnit::CommSetupDirect(const std::string& port, const CLineSettings& settings)
{
    m_bCommReady = 0;
    if (m_pComDlg->ConfigureDirect(port, settings)) {
        const uint8_t wakeUp[3] = {0x20, 0x20, 0x20};
        m_pComDlg->Write(wakeUp, 3);
        m_bCommReady = 1;
    }
    return m_bCommReady;
}

int CQ4kUnit::UploadData()
{
    return StartTransfer(0);
}

int CQ4kUnit::DownloadData()
{
    return StartTransfer(1);
}

int CQ4kUnit::StartTransfer(int direction)
{
    WaitTransEnd();
    if (!m_bCommReady && !CommSetup())
        return 0;
    if (direction == 1)
        m_pComDlg->Purge();
    m_nTransDir = direction;
    m_bTransEnd = 0;
    CNordaSetupType::ResetTransData();
    m_pTransThread = std::thread(&CQ4kUnit::TransThread, this);
    return 1;
}

void CQ4kUnit::WaitTransEnd()
{
    if (m_pTransThread.joinable())
        m_pTransThread.join();
}

uint32_t CQ4kUnit::GetTotalTransBytes(int direction)
{
    uint32_t total = 0;
    for (auto& type : m_pSetupTypes) {
        if (type)
            total += type->GetTotalTransBytes(direction);
    }
    return total;
}

uint32_t CQ4kUnit::GetCurSendedNumBytes() const
{
    return CNordaSetupType::ReadProgressData();
}

std::string CQ4kUnit::GetTransTitle() const
{
    for (const auto& type : m_pSetupTypes) {
        if (type && type->m_nTransState != -1)
            return type->m_strTitle;
    }
    return std::string();
}

void CQ4kUnit::TransThread()
{
    for (;;) {
        int failed = -1;
        for (int i = 0; i < 4 && failed < 0; ++i) {
            CNordaSetupType* type = m_pSetupTypes[i].get();
            if (!type)
                continue;
            int done = m_nTransDir == 0 ? type->UploadData(m_pComDlg.get()) : type->DownloadData(m_pComDlg.get());
            if (!done)
                failed = i;
        }
        if (failed < 0)
            break;
        std::string format = m_nTransDir == 0 ? "Error to upload %s data" : "Error to download %s data";
        std::string message = format.replace(format.find("%s"), 2, GetTitle(failed));
        if (!m_pQuestion || !m_pQuestion->AskRetry(message))
            break;
        // Retry: the whole transfer again, from General, with the counter at 0.
        CNordaSetupType::ResetTransData();
    }
    m_bTransEnd = 1;
}
