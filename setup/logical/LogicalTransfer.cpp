// The logical inputs moved to and from the unit: one block per logical input, LOG1 first, so
// that an input is offered to the later ones before their blocks are taken apart.
#include "setup/logical/CLogicalInput.h"

int CLogicalInput::UploadData(CComSetupDialog* com)
{
    m_nTransState = 0;
    for (int b = 0; b < LOG_INPUTS; ++b) {
        GetLogInpDataBlock(b, m_TransBlock);
        if (!DoUpload(MSG_WRITE_LOGICAL, b, com)) {
            m_nTransState = -1;
            return 0;
        }
    }
    m_nTransState = -1;
    return 1;
}

int CLogicalInput::DownloadData(CComSetupDialog* com)
{
    m_nTransState = 1;
    for (int b = 0; b < LOG_INPUTS; ++b) {
        uint8_t* block = DoDownload(MSG_READ_LOGICAL, b, com);
        if (!block) {
            m_nTransState = -1;
            return 0;
        }
        SetLogInpParms(b, block);
    }
    m_nTransState = -1;
    return 1;
}
