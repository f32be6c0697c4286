// Alarm validation: the rules of every column, the set point clamp, the dynamic reference,
// and the alarms' reactions to changes of the inputs and of the General "Block" setting.
#include "setup/alarms/CAlarm.h"

#include "model/ChannelNames.h"
#include "model/NumberText.h"
#include "model/StringTable.h"
#include "setup/logical/CLogicalInput.h"
#include "setup/physical/CPhysicalInput.h"

namespace {

// Alarm columns 10 to 16 copy these columns of the physical and logical input sheets.
constexpr int PH_PARM_FIRST = 1;
constexpr int LOG_PARM_FIRST = 13;
constexpr int PARM_COUNT = 7;
// The delay the unit can count, in seconds: 0.3 s to 255 hours.
constexpr double DELAY_MIN = 0.3;
constexpr double DELAY_MAX = 918000.0;

std::string ToUpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool IsAllDigits(const std::string& text)
{
    return text.find_first_not_of("0123456789") == std::string::npos;
}

bool BeginsWith(const std::string& text, char c)
{
    return !text.empty() && text[0] == c;
}

}  // namespace

int CAlarm::ValidateData(int row, int col, const std::string& text)
{
    return DoValidateData(row, col, text, false);
}

int CAlarm::DoValidateData(int row, int col, const std::string& text, bool asHeld)
{
    unsigned id = 0;
    CellAccess access = GetCellAccess(row, col);
    if (row < 1 || row > ALARM_CHANNELS) {
        id = 62000;
    } else if (col == COL_INPREF) {
        id = ValidateInpRef(row, text, asHeld);
    } else if (access.state == CellAccess::State::Inactive) {
        id = access.refusal;
    } else {
        switch (col) {
        case COL_DYNREF:
            id = ValidateDynRef(row, text, asHeld);
            break;
        case COL_SIGN:
            id = ValidateSign(row, text);
            break;
        case COL_SETPOINT:
            if (!CheckSetPoint(row, col, text, asHeld))
                id = 62003;
            break;
        case COL_TEXT:
            if (CNdChnData* p = GetProperty(row, col))
                p->SetText(text);
            break;
        case COL_DELAY:
            id = ValidateDelay(row, text);
            break;
        case COL_LED:
            if (!VerifyValid(row, col, text))
                id = 62005;
            break;
        case COL_OUTPUT:
            if (!VerifyValid(row, col, text))
                id = 62006;
            break;
        default:  // the Flags cell is changed through the property dialog; 0, 10-16 are read-only
            break;
        }
    }
    Error(row, id, 0);
    return id == 0;
}

int CAlarm::ValidateInpRef(int row, const std::string& typed, bool asHeld)
{
    std::string text = ToUpperAscii(typed);
    // Digits alone name a physical input by its last two digits: "11" is "IN 11".
    if (IsAllDigits(text)) {
        for (int i = 0; i <= 24; ++i) {
            std::string name = GetPhChnName(i);
            if (name.size() >= 2 && name.compare(name.size() - 2, 2, text) == 0) {
                text = name;
                break;
            }
        }
    }

    if (BeginsWith(text, 'I')) {
        int p = GetPhChnIndex(text);
        if (p < 0)
            return 62000;
        CPhysicalInput* physical = GetPhysical();
        if (!physical || !physical->IsChannelActive(p))
            return 62010;
        UpdateInpParms(row, p);
    } else if (BeginsWith(text, 'L')) {
        int n = GetLogChnIndex(text);
        CLogicalInput* logical = GetLogical();
        if (n < 0 || !logical || !logical->IsOtherParmActive(n, -1))
            return 62011;
        UpdateLogInpParms(row, n);
    } else {
        ResetChannel(row);
        return 62000;
    }

    // A name that is not among the choices leaves the selection as it was.
    if (!SelectItem(row, COL_INPREF, text))
        return 0;
    std::string dynRef = GetCellText(row, COL_DYNREF);
    if (dynRef != "OFF" && !VerifyDynRef(row, dynRef, asHeld))
        return 62008;
    return 0;
}

int CAlarm::ValidateDynRef(int row, const std::string& text, bool asHeld)
{
    if (text != "OFF")
        return VerifyDynRef(row, text, asHeld) ? 0 : 62001;
    if (!SelectItem(row, COL_DYNREF, "OFF"))
        return 62000;
    if (CellText(row, COL_SIGN) == "\xB1")
        SelectItem(row, COL_SIGN, "<");
    return 0;
}

int CAlarm::ValidateSign(int row, const std::string& text)
{
    if (text != "\xB1")
        return SelectItem(row, COL_SIGN, text) ? 0 : 62000;

    // A dynamic range needs a valid dynamic reference.
    std::string before = GetCellText(row, COL_SIGN);
    std::string dynRef = GetCellText(row, COL_DYNREF);
    unsigned id = 0;
    if (dynRef == "OFF")
        id = 62000;
    else if (!VerifyDynRef(row, dynRef))
        id = 62002;
    if (id)
        SelectItem(row, COL_SIGN, before);
    return id;
}

CellAccess CAlarm::GetCellAccess(int row, int col) const
{
    if (row >= 1 && row <= ALARM_CHANNELS && col >= COL_DYNREF && col <= COL_FLAGS) {
        const CNdChnData* inpRef = GetProperty(row, COL_INPREF);
        if (!inpRef || inpRef->GetDataAsString() == "OFF")
            return {CellAccess::State::Inactive, COL_INPREF, 62007};
    }
    return CNordaSetupType::GetCellAccess(row, col);
}

std::string CAlarm::GetInputHint(int row, int col) const
{
    if (col == COL_DELAY)
        return FormatString(IDS_HINT_DELAY, {q4::Format2g(DELAY_MIN), q4::FormatD(static_cast<long>(DELAY_MAX))});
    std::string lo;
    std::string hi;
    if (col == COL_SETPOINT && GetInputRange(row, lo, hi))
        return FormatString(IDS_HINT_SETPOINT, {lo, hi, GetCellText(row, COL_INPREF)});
    // A dynamic reference is a logical input: none in use, the cell offers only OFF.
    const CNdChnData* dynRef = col == COL_DYNREF && CellText(row, COL_INPREF) != "OFF" ? GetProperty(row, col) : nullptr;
    if (dynRef && dynRef->GetData().size() <= 1) {
        const INordaSetupType* logical = GetSibling(ST_LOGICAL);
        return FormatString(IDS_HINT_DYNREF_NO_LOGICAL, {logical ? logical->m_strTitle : std::string()});
    }
    return CNordaSetupType::GetInputHint(row, col);
}

int CAlarm::ValidateDelay(int row, const std::string& text)
{
    double delay = q4::AtoF(text);
    if (!(delay >= DELAY_MIN && delay <= DELAY_MAX))
        return 62004;
    if (CNdChnData* p = GetProperty(row, COL_DELAY))
        p->SetText(text);
    return 0;
}

int CAlarm::VerifyValid(int row, int col, const std::string& text)
{
    if (!IsChannelActive(row))
        return 0;
    return SelectItem(row, col, text);
}

bool CAlarm::GetInputRange(int row, std::string& loText, std::string& hiText) const
{
    std::string inpRef = GetCellText(row, COL_INPREF);
    bool physical = BeginsWith(inpRef, 'I');
    const INordaSetupType* source = physical ? static_cast<const INordaSetupType*>(GetPhysical()) : GetLogical();
    int srcRow = physical ? GetPhChnIndex(inpRef) : GetLogChnIndex(inpRef);
    if (srcRow < 0 || !source)
        return false;
    loText = source->GetCellText(srcRow, physical ? 4 : 16);
    hiText = source->GetCellText(srcRow, physical ? 6 : 18);
    return true;
}

int CAlarm::CheckSetPoint(int row, int col, const std::string& text, bool asHeld)
{
    std::string loText;
    std::string hiText;
    if (!GetInputRange(row, loText, hiText))
        return 0;

    // Limits and value compare in single precision, as the unit holds them.
    auto lo = static_cast<float>(q4::AtoF(loText));
    auto hi = static_cast<float>(q4::AtoF(hiText));
    auto value = static_cast<float>(q4::AtoF(text));
    std::string result = text;
    int inRange = 1;
    // Typed, a value beyond the range is moved to its nearest end; held, it stays.
    if (value < lo) {
        result = asHeld ? text : loText;
        inRange = 0;
    } else if (value > hi) {
        result = asHeld ? text : hiText;
        inRange = 0;
    }
    if (CNdChnData* p = GetProperty(row, col))
        p->SetText(result);
    return inRange;
}

int CAlarm::VerifyDynRef(int row, const std::string& typed, bool asHeld)
{
    if (CellText(row, COL_INPREF) == "OFF")
        return 1;
    std::string text = typed.empty() ? std::string("OFF") : typed;
    if (!BeginsWith(text, 'L')) {
        SelectItem(row, COL_DYNREF, "OFF");
        return text == "OFF";
    }

    int n = GetLogChnIndex(text);
    CLogicalInput* logical = GetLogical();
    if (n < 0 || !logical || !logical->m_pDataSheet || n >= logical->m_pDataSheet->GetNumSections())
        return 1;
    bool equal = true;
    for (int j = 0; j < PARM_COUNT && equal; ++j)
        equal = logical->CellText(n, LOG_PARM_FIRST + j) == CellText(row, COL_INPTP + j);
    // A name that is not among the choices cannot be selected either. Chosen, a reference
    // brings its range sign along; held, the sign is the unit's.
    if (equal && SelectItem(row, COL_DYNREF, text)) {
        if (!asHeld)
            SelectItem(row, COL_SIGN, "\xB1");
        return 1;
    }
    SelectItem(row, COL_DYNREF, "OFF");
    SelectItem(row, COL_SIGN, "<");
    return 0;
}

int CAlarm::UpdateInpParms(int row, int physRow)
{
    CPhysicalInput* physical = GetPhysical();
    for (int j = 0; j < PARM_COUNT && physical; ++j) {
        CNdChnData* dst = GetProperty(row, COL_INPTP + j);
        CNdChnData* src = physical->GetProperty(physRow, PH_PARM_FIRST + j);
        if (dst && src)
            dst->SetText(src->GetDataAsString());
    }
    return 1;
}

int CAlarm::UpdateLogInpParms(int row, int logRow)
{
    CLogicalInput* logical = GetLogical();
    for (int j = 0; j < PARM_COUNT && logical; ++j) {
        CNdChnData* dst = GetProperty(row, COL_INPTP + j);
        CNdChnData* src = logical->GetProperty(logRow, LOG_PARM_FIRST + j);
        if (dst && src)
            dst->SetText(src->GetDataAsString());
    }
    return 1;
}

// ---- reactions to the other setup types ----------------------------------------------------------

void CAlarm::OnUpdateModify(int sourceType, int index, int, const std::string&)
{
    if (!m_pDataSheet)
        return;
    if (sourceType == ST_PHYSICAL)
        OnPhysicalModify(index);
    else if (sourceType == ST_LOGICAL)
        OnLogicalModify(index);
    else if (sourceType == ST_GENERAL && index == 11)
        OnGeneralBlockModify();
}

void CAlarm::OnPhysicalModify(int index)
{
    if (index < 1 || index > 24)
        return;
    std::string name = GetPhChnName(index);
    CPhysicalInput* physical = GetPhysical();
    bool active = physical && physical->IsChannelActive(index);
    for (int row = 1; row <= ALARM_CHANNELS; ++row) {
        CNdChnData* inpRef = GetProperty(row, COL_INPREF);
        if (!inpRef)
            continue;
        int at = -1;
        bool listed = inpRef->IsItemExist(name, at);
        bool shown = inpRef->GetDataAsString() == name;
        if (active) {
            if (!listed)
                inpRef->Put(name, 1, 1);
            else if (shown)
                UpdateInpParms(row, index);
        } else if (listed) {
            if (shown)
                ResetChannel(row);
            inpRef->RemoveItem(name);
        }
        VerifyDynRef(row, CellText(row, COL_DYNREF));
    }
}

void CAlarm::OnLogicalModify(int index)
{
    if (index < 1 || index > 24)
        return;
    std::string name = GetLogChnName(index);
    CLogicalInput* logical = GetLogical();
    bool active = logical && logical->IsOtherParmActive(index, -1);
    for (int row = 1; row <= ALARM_CHANNELS; ++row) {
        CNdChnData* inpRef = GetProperty(row, COL_INPREF);
        CNdChnData* dynRef = GetProperty(row, COL_DYNREF);
        if (!inpRef || !dynRef)
            continue;
        bool listed = HasItem(row, COL_INPREF, name);
        bool shown = inpRef->GetDataAsString() == name;
        if (active) {
            if (!listed) {
                inpRef->Put(name, 1, 1);
                if (index <= 8 && !HasItem(row, COL_DYNREF, name))
                    dynRef->Put(name, 1, 1);
            } else if (shown) {
                UpdateLogInpParms(row, index);
            }
        } else {
            // Every row lists the same inputs: a name that one row lacks, all rows lack.
            if (!listed)
                return;
            if (shown)
                ResetChannel(row);
            inpRef->RemoveItem(name);
            dynRef->RemoveItem(name);
        }
        VerifyDynRef(row, CellText(row, COL_DYNREF));
    }
}

void CAlarm::OnGeneralBlockModify()
{
    INordaSetupType* general = GetSibling(ST_GENERAL);
    if (!general)
        return;
    bool blockOff = GetGeneralBlock() == "OFF";
    for (int k = 0; k < ALARM_CHANNELS; ++k) {
        CNdChnData* block = GetFlagCell(k, 0);
        if (!block)
            continue;
        if (!blockOff) {
            block->m_bEditable = 1;
            continue;
        }
        block->m_bEditable = 0;
        block->SetSelText("OFF");
        // The summary keeps its "B" until the dialog is used again; warn once about it.
        if (!m_bBlockWarned && GetCellText(k + 1, COL_FLAGS).find('B') != std::string::npos) {
            Prompt(LoadString(IDS_BLOCK_WARNING), false, true);
            m_bBlockWarned = 1;
        }
    }
}
