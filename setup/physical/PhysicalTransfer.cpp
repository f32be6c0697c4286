// The physical inputs moved to and from the unit: one block per channel, IN 11 first.
#include "setup/physical/CPhysicalInput.h"

namespace {

constexpr int PHYSICAL_BLOCKS = 24;

}  // namespace

int CPhysicalInput::UploadData(CComSetupDialog* com)
{
    if (!com)
        return 0;
    m_nTransState = 0;
    for (int b = 0; b < PHYSICAL_BLOCKS; ++b) {
        GetInputParms(b, m_TransBlock);
        if (!DoUpload(MSG_WRITE_PHYSICAL, b, com)) {
            m_nTransState = -1;
            return 0;
        }
    }
    m_nTransState = -1;
    return 1;
}

int CPhysicalInput::DownloadData(CComSetupDialog* com)
{
    if (!com)
        return 0;
    m_nTransState = 1;
    for (int b = 0; b < PHYSICAL_BLOCKS; ++b) {
        uint8_t* block = DoDownload(MSG_READ_PHYSICAL, b, com);
        if (!block) {
            m_nTransState = -1;
            return 0;
        }
        SetInputParms(b, block);
    }
    // Every channel offers every unit text received.
    MergeUnits();
    m_nTransState = -1;
    return 1;
}
