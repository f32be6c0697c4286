// Alarm sheet: default rows and flag cells, channel reset, and the Flags property pop-up.
#include "setup/alarms/CAlarm.h"

#include "model/IMessagePrompt.h"
#include "model/NumberText.h"
#include "model/StringTable.h"
#include "setup/alarms/AlarmTables.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"

namespace {

const char g_AlarmTitle[] = "Alarm";
constexpr uint32_t CLR_PARM_GREY = 0x00D3D3D3;

}  // namespace

CAlarm::CAlarm()
{
    m_strTitle = g_AlarmTitle;
    m_nSetupType = ST_ALARM;
    m_nPrintCols = 10;
}

CAlarm::~CAlarm()
{
    m_pDataSheet.reset();
    for (auto& flags : m_FlagProps)
        flags.reset();
}

void CAlarm::Initialize()
{
    m_strTitle = g_AlarmTitle;
    m_nSetupType = ST_ALARM;
    m_nPrintCols = 10;
    m_bBlockWarned = 0;
    ResetToDefaultSheet();
    ResetFlagCells();
}

void CAlarm::CopyFrom(const CNordaSetupType& other)
{
    CNordaSetupType::CopyFrom(other);
    const auto& alarm = dynamic_cast<const CAlarm&>(other);
    for (size_t k = 0; k < m_FlagProps.size(); ++k) {
        m_FlagProps[k].reset();
        if (const CFlagArray* flags = alarm.m_FlagProps[k].get()) {
            auto copy = std::make_unique<CFlagArray>();
            for (const auto& cell : *flags)
                copy->push_back(cell ? std::make_unique<CNdChnData>(*cell) : nullptr);
            m_FlagProps[k] = std::move(copy);
        }
    }
    m_bBlockWarned = alarm.m_bBlockWarned;
}

void CAlarm::CreateDefDataSheet()
{
    // Every channel row starts alike but for its label: its cells are copies of the first
    // row's, which spares splitting the long LED and output lists 48 times.
    const CNdChnData* firstRow[ALARM_COLS] = {};

    ResetSheet();
    for (int r = 0; r <= ALARM_CHANNELS; ++r) {
        CSection section;
        section.reserve(ALARM_COLS);
        for (int c = 0; c < ALARM_COLS; ++c) {
            std::unique_ptr<CNdChnData> cell;
            if (r == 0) {
                cell = CreateLabelCell(g_AlarmLabels[c]);
            } else if (c == COL_LABEL || r == 1) {
                cell = CreateDefaultChn(r, c);
            } else {
                section.push_back(std::make_unique<CNdChnData>(*firstRow[c]));
                continue;
            }
            if (!cell->GetData().empty())
                cell->SetSelText(cell->GetData()[0]);
            if (r == 1)
                firstRow[c] = cell.get();
            section.push_back(std::move(cell));
        }
        m_pDataSheet->AddSection(std::move(section));
    }
    ResetFlagCells();
}

void CAlarm::ResetFlagCells()
{
    CNdChnData flagProto(DT_INT, 1, CTRL_LIST, CLR_GRID_DEFAULT);
    flagProto.AddData("OFF;ON");
    for (auto& flags : m_FlagProps) {
        if (!flags || flags->size() != ALARM_FLAGS) {
            flags = std::make_unique<CFlagArray>();
            for (int i = 0; i < ALARM_FLAGS; ++i)
                flags->push_back(std::make_unique<CNdChnData>());
        }
        for (size_t i = 0; i < ALARM_FLAGS; ++i) {
            std::unique_ptr<CNdChnData>& cell = (*flags)[i];
            if (!cell)
                cell = std::make_unique<CNdChnData>();
            *cell = flagProto;
            cell->SetPropName(g_flags[i]);
        }
    }
}

std::unique_ptr<CNdChnData> CAlarm::CreateDefaultChn(int row, int col) const
{
    if (col == COL_LABEL)
        return CreateLabelCell(q4::FormatD(row) + g_AlarmInp[row - 1]);
    if (col > COL_FLAGS) {
        auto parm = std::make_unique<CNdChnData>(DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT);
        parm->GetData().emplace_back();
        parm->m_crBkColour = CLR_PARM_GREY;
        return parm;
    }
    auto cell = std::make_unique<CNdChnData>(DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT);
    cell->AddProp(g_AlDefault[col - 1]);
    if (col == COL_TEXT)
        cell->m_nTextLen = 10;
    return cell;
}

void CAlarm::SetParm(int row, int col, const std::string& text)
{
    if (CNdChnData* p = GetProperty(row, col))
        p->SetSelText(text);
}

CPhysicalInput* CAlarm::GetPhysical() const
{
    return dynamic_cast<CPhysicalInput*>(GetSibling(ST_PHYSICAL));
}

CLogicalInput* CAlarm::GetLogical() const
{
    return dynamic_cast<CLogicalInput*>(GetSibling(ST_LOGICAL));
}

std::string CAlarm::GetGeneralBlock() const
{
    INordaSetupType* general = GetSibling(ST_GENERAL);
    return general ? general->GetCellText(11, 1) : std::string();
}

int CAlarm::HasItem(int row, int col, const std::string& text) const
{
    CNdChnData* p = GetProperty(row, col);
    int index = -1;
    return p && p->IsItemExist(text, index);
}

int CAlarm::SelectItem(int row, int col, const std::string& text)
{
    CNdChnData* p = GetProperty(row, col);
    int index = -1;
    if (!p || !p->IsItemExist(text, index))
        return 0;
    p->m_nCurSel = index;
    return 1;
}

CNdChnData* CAlarm::GetFlagCell(int channel, int i) const
{
    if (channel < 0 || channel >= ALARM_CHANNELS || i < 0)
        return nullptr;
    const auto& flags = m_FlagProps[static_cast<size_t>(channel)];
    if (!flags || i >= static_cast<int>(flags->size()))
        return nullptr;
    return (*flags)[static_cast<size_t>(i)].get();
}

std::string CAlarm::FlagSummary(int channel) const
{
    std::string summary;
    for (int i = 0; i < ALARM_FLAGS; ++i) {
        CNdChnData* flag = GetFlagCell(channel, i);
        if (flag && flag->GetDataAsString() == "ON" && !flag->GetName().empty())
            summary += flag->GetName()[0];
    }
    return summary.empty() ? "..." : summary;
}

int CAlarm::IsChannelActive(int row)
{
    if (row < 1 || row > ALARM_CHANNELS)
        return 0;
    CNdChnData* p = GetProperty(row, COL_INPREF);
    return p && p->GetDataAsString() != "OFF";
}

void CAlarm::ResetChannel(int row)
{
    if (row < 1 || row > ALARM_CHANNELS)
        return;
    for (int c : {COL_INPREF, COL_DYNREF, COL_SIGN, COL_LED, COL_OUTPUT}) {
        if (CNdChnData* p = GetProperty(row, c))
            p->m_nCurSel = 0;
    }
    auto setText = [this, row](int col, const char* text) {
        if (CNdChnData* p = GetProperty(row, col))
            p->SetText(text);
    };
    setText(COL_SETPOINT, "0");
    setText(COL_TEXT, "");
    setText(COL_DELAY, "0.3");
    setText(COL_FLAGS, "...");
    for (int c = COL_INPTP; c <= COL_MISC; ++c)
        setText(c, "");
    for (int i = 0; i < ALARM_FLAGS; ++i) {
        if (CNdChnData* flag = GetFlagCell(row - 1, i))
            flag->SetSelText("OFF");
    }
}

std::vector<std::string> CAlarm::GetSettingsOn(int row, int col) const
{
    std::vector<std::string> names;
    for (int i = 0; col == COL_FLAGS && i < ALARM_FLAGS; ++i) {
        const CNdChnData* flag = GetFlagCell(row - 1, i);
        if (flag && flag->GetDataAsString() == "ON")
            names.push_back(flag->GetName());
    }
    return names;
}

int CAlarm::GetPopupProperties(int row, int, PropList& props)
{
    if (!IsChannelActive(row)) {
        Error(row, 62007, GetTransState() != 1);
        return 0;
    }
    for (int i = 0; i < ALARM_FLAGS; ++i) {
        CNdChnData* flag = GetFlagCell(row - 1, i);
        if (!flag)
            continue;
        // The Block flag is always offered for editing; UpdateProperties warns when the
        // General setting keeps it from taking effect.
        if (i == 0)
            flag->m_bEditable = 1;
        props.push_back(std::make_unique<CNdChnData>(*flag));
    }
    return 1;
}

void CAlarm::UpdateProperties(int row, int, PropList& props)
{
    if (!IsChannelActive(row)) {
        Error(row, 62007, GetTransState() != 1);
        return;
    }
    std::string generalBlock = GetGeneralBlock();
    std::string summary;
    for (size_t i = 0; i < props.size() && i < ALARM_FLAGS; ++i) {
        CNdChnData* flag = GetFlagCell(row - 1, static_cast<int>(i));
        if (!flag || !props[i])
            continue;
        flag->SetPropName(props[i]->GetName());
        flag->Copy(*props[i]);
        bool on = flag->GetDataAsString() == "ON";
        if (i == 0 && on && generalBlock == "OFF")
            Prompt(LoadString(62009), false, true);
        if (on && !flag->GetName().empty())
            summary += flag->GetName()[0];
    }
    if (CNdChnData* p = GetProperty(row, COL_FLAGS))
        p->SetText(summary.empty() ? "..." : summary);
}
