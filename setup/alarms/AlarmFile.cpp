// The Alarms record of the document file: the flag cells of every channel, then the sheet.
#include "setup/alarms/CAlarm.h"

#include "model/CArchive.h"
#include "model/ChannelNames.h"
#include "model/StringTable.h"

void CAlarm::DoFileReadWrite(CArchive& ar, unsigned version)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strTitle);
        ar.WriteUInt32(static_cast<uint32_t>(m_nSetupType));
        for (const auto& flags : m_FlagProps) {
            if (!flags) {
                ar.WriteUInt32(0);
                continue;
            }
            ar.WriteUInt32(static_cast<uint32_t>(flags->size()));
            for (const auto& cell : *flags) {
                ar.WriteString(cell->GetName());
                cell->DoFileReadWrite(ar, version);
            }
        }
        CNordaSetupType::FileWrite(ar, version);
        return;
    }

    if (!m_pDataSheet)
        throw CArchiveException(CArchiveException::BAD_SCHEMA, LoadString(IDS_NO_ALARM_SHEET));
    // Whatever precedes the title is skipped.
    while (ar.ReadString() != "Alarm") {
    }
    ar.ReadUInt32();  // the setup type; the common record below carries it again
    ReadFlagCells(ar, version);
    CNordaSetupType::FileRead(ar, version);
    ShortenLogicalNames();
}

void CAlarm::ReadFlagCells(CArchive& ar, unsigned version)
{
    for (int k = 0; k < ALARM_CHANNELS; ++k) {
        uint32_t count = ar.ReadUInt32();
        // A count other than three fills the cells there are and passes over the rest.
        for (uint32_t i = 0; i < count; ++i) {
            std::string name = ar.ReadString();
            CNdChnData* cell = i < ALARM_FLAGS ? GetFlagCell(k, static_cast<int>(i)) : nullptr;
            if (cell) {
                cell->SetPropName(name);
                cell->DoFileReadWrite(ar, version);
            } else {
                CNdChnData scratch;
                scratch.DoFileReadWrite(ar, version);
            }
        }
    }
}

void CAlarm::ShortenLogicalNames()
{
    // Older files list logical inputs by their full names ("LOG1 (1A)"); the lists use short ones.
    for (int row = 1; row <= ALARM_CHANNELS; ++row) {
        for (int col : {COL_INPREF, COL_DYNREF}) {
            CNdChnData* p = GetProperty(row, col);
            if (!p)
                continue;
            for (auto& item : p->GetData()) {
                int n = GetLogChnIndex(item);
                if (n > 0)
                    item = GetLogChnName(n);
            }
        }
    }
}
