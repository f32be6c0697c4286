// The unit: construction order, registry, defaults, sheets, the document record and copies.
#include "unit/CQ4kUnit.h"

#include "model/CArchive.h"
#include "model/StringTable.h"
#include "setup/alarms/CAlarm.h"
#include "setup/general/CGeneral.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"

namespace {

const SETUP_TYPE g_setupTypes[4] = {ST_GENERAL, ST_PHYSICAL, ST_LOGICAL, ST_ALARM};
const char* const g_strSetupLabels[4] = {"General", "Physical Inputs", "Logical Inputs", "Alarms"};

}  // namespace

CQ4kUnit::CQ4kUnit(IMessagePrompt& prompt)
{
    m_pSetupTypes[ST_GENERAL] = std::make_unique<CGeneral>();
    m_pSetupTypes[ST_PHYSICAL] = std::make_unique<CPhysicalInput>();
    m_pSetupTypes[ST_LOGICAL] = std::make_unique<CLogicalInput>();
    m_pSetupTypes[ST_ALARM] = std::make_unique<CAlarm>();
    for (int i = 0; i < 4; ++i) {
        m_pSetupTypes[i]->SetMessagePrompt(&prompt);
        m_registry.Register(i, m_pSetupTypes[i].get());
    }
}

CQ4kUnit::~CQ4kUnit() = default;

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
            // A failed save leaves the set-up as it is. A failed load puts the setup type being
            // read back to its defaults; the ones read before it keep what they read.
            if (ar.IsStoring())
                throw;
            type->Initialize();
            throw CArchiveException(CArchiveException::BAD_SCHEMA,
                                    FormatString(IDS_RECORD_DAMAGED, {type->m_strTitle, e.what()}));
        }
    }
    return 1;
}

uint32_t CQ4kUnit::GetTotalTransBytes(int direction) const
{
    uint32_t total = 0;
    for (const auto& type : m_pSetupTypes) {
        if (type)
            total += type->GetTotalTransBytes(direction);
    }
    return total;
}

unsigned long CQ4kUnit::GetDeviceNumber() const
{
    const auto* general = dynamic_cast<const CGeneral*>(m_pSetupTypes[ST_GENERAL].get());
    return general && general->GetSheet() ? general->GetDeviceNumber() : 0;
}

bool CQ4kUnit::IsOtherDevice(const CQ4kUnit& read) const
{
    unsigned long device = read.GetDeviceNumber();
    return device != 0 && device != GetDeviceNumber();
}

void CQ4kUnit::CopyFrom(const CQ4kUnit& other)
{
    for (int i = 0; i < 4; ++i) {
        if (m_pSetupTypes[i] && other.m_pSetupTypes[i])
            m_pSetupTypes[i]->CopyFrom(*other.m_pSetupTypes[i]);
    }
}
