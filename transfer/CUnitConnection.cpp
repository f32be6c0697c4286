// COM setup for transfers.
#include "transfer/CUnitConnection.h"

CUnitConnection::CUnitConnection(IMessagePrompt* prompt, IComSetupUi* ui) : m_link(prompt, ui) {}

bool CUnitConnection::CommSetup()
{
    m_commReady = false;
    return Wake(m_link.DoCommSetup() != 0);
}

bool CUnitConnection::CommSetupDirect(const std::string& port, const CLineSettings& settings)
{
    m_commReady = false;
    return Wake(m_link.ConfigureDirect(port, settings) != 0);
}

bool CUnitConnection::Wake(bool linkReady)
{
    if (linkReady) {
        const uint8_t blanks[3] = {0x20, 0x20, 0x20};
        m_link.Write(blanks, 3);
        m_commReady = true;
    }
    return m_commReady;
}
