// The alarm channels moved to and from the unit: one block per channel, A11 first.
#include "setup/alarms/CAlarm.h"

int CAlarm::UploadData(CComSetupDialog* com)
{
    m_nTransState = 0;
    for (int k = 0; k < ALARM_CHANNELS; ++k) {
        GetAlarmDataBlock(k, m_TransBlock);
        if (!DoUpload(MSG_WRITE_ALARM, k, com)) {
            m_nTransState = -1;
            return 0;
        }
    }
    m_nTransState = -1;
    return 1;
}

int CAlarm::DownloadData(CComSetupDialog* com)
{
    m_nTransState = 1;
    for (int k = 0; k < ALARM_CHANNELS; ++k) {
        const uint8_t* block = DoDownload(MSG_READ_ALARM, k, com);
        if (!block) {
            m_nTransState = -1;
            return 0;
        }
        SetAlarmData(k, block);
    }
    m_nTransState = -1;
    return 1;
}
