// COM setup and the port through which frames go to the unit and replies come back.
#include "link/CSerialLink.h"

#include "link/IComSetupUi.h"
#include "model/IMessagePrompt.h"
#include "model/StringTable.h"

#include <chrono>
#include <thread>

namespace {

const char g_strFirstPort[] = "COM1";

}  // namespace

CSerialLink::CSerialLink(IMessagePrompt* prompt, IComSetupUi* ui, std::unique_ptr<CZTSerial> serial)
    : m_pSerial(std::move(serial)), m_pPrompt(prompt), m_pUi(ui)
{
}

CSerialLink::~CSerialLink()
{
    if (m_pSerial && m_pSerial->IsOpen())
        m_pSerial->CloseCommPort();
}

// A failure, not a refusal of something typed: it carries the warning icon.
void CSerialLink::ShowError(const std::string& text)
{
    if (m_pPrompt)
        m_pPrompt->Show(text, IMessagePrompt::BTN_OK, true);
}

// The fixed first line, then which device and why, e.g. "COM1 (/dev/ttyS0): Permission denied".
std::string CSerialLink::OpenErrorText() const
{
    if (!m_pSerial)
        return LoadString(IDS_PORT_OPEN_ERROR);
    std::string path = CZTSerial::DevicePath(m_strPortName);
    std::string port = path == m_strPortName ? path : m_strPortName + " (" + path + ")";
    std::string reason = m_pSerial->GetOpenError();
    return reason.empty() ? FormatString(IDS_PORT_OPEN_ERROR_ON, {port})
                          : FormatString(IDS_PORT_OPEN_ERROR_BECAUSE, {port, reason});
}

int CSerialLink::DoCommSetup()
{
    if (m_pSerial)
        m_pSerial->CloseCommPort();
    // The dialog always opens on the first port, whatever was chosen last time.
    std::string name = g_strFirstPort;
    if (!m_pUi || !m_pUi->ChoosePortName(name))
        return 0;
    m_strPortName = name;
    return DoConfig();
}

int CSerialLink::DoConfig()
{
    if (!m_pSerial)
        return 1;
    if (!m_pSerial->IsOpen() && m_pSerial->OpenCommPort(m_strPortName) == CZTSerial::INVALID_PORT) {
        ShowError(OpenErrorText());
        return 0;
    }
    CLineSettings settings;
    if (!m_pSerial->GetCommState(settings))
        return 0;
    if (!m_pUi || !m_pUi->EditLineSettings(m_strPortName, settings))
        return 0;
    if (!m_pSerial->SetCommState(settings)) {
        ShowError(LoadString(IDS_PORT_STATE_ERROR));
        return 0;
    }
    return 1;
}

int CSerialLink::OpenComPort()
{
    if (!m_pSerial || m_pSerial->OpenCommPort(m_strPortName) == CZTSerial::INVALID_PORT) {
        ShowError(OpenErrorText());
        return 0;
    }
    return 1;
}

int CSerialLink::ConfigureDirect(const std::string& port, const CLineSettings& settings)
{
    if (!m_pSerial)
        return 0;
    m_pSerial->CloseCommPort();
    m_strPortName = port;
    if (!OpenComPort())
        return 0;
    if (!m_pSerial->SetCommState(settings)) {
        ShowError(LoadString(IDS_PORT_STATE_ERROR));
        return 0;
    }
    return 1;
}

int CSerialLink::Write(const uint8_t* data, int length)
{
    if (!IsPortOpen())
        return -1;
    return static_cast<int>(m_pSerial->SendData(data, length));
}

int CSerialLink::ReadData(uint8_t* buffer, int& length, int waitMs)
{
    if (waitMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    length = IsPortOpen() ? m_pSerial->ReadData(buffer, length) : 0;
    return 1;
}

int CSerialLink::Purge()
{
    return IsPortOpen() ? m_pSerial->Purge() : 0;
}

int CSerialLink::PurgeInput()
{
    return IsPortOpen() ? m_pSerial->PurgeInput() : 0;
}

bool CSerialLink::IsPortOpen() const
{
    return m_pSerial && m_pSerial->IsOpen();
}

std::string CSerialLink::GetPortFailure() const
{
    if (!IsPortOpen() || !m_pSerial->IsLost())
        return std::string();
    return FormatString(IDS_PORT_WENT_AWAY, {m_pSerial->GetLostError()});
}
