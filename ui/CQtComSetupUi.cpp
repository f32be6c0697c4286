// The COM setup dialogs and the emulated unit behind the "Emulator" port.
#include "ui/CQtComSetupUi.h"

#include "sim/CEmulatorServer.h"
#include "ui/CComPortDlg.h"
#include "ui/CLineSettingsDlg.h"
#include "ui/CQtMessagePrompt.h"

#include <QMessageBox>

CQtComSetupUi::CQtComSetupUi(QWidget* parent)
    : m_pParent(parent)
{
}

CQtComSetupUi::~CQtComSetupUi() = default;

bool CQtComSetupUi::ChoosePortName(std::string& name)
{
    CComPortDlg dialog(m_pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString port = dialog.GetPortName();
    if (port == QLatin1String(CComPortDlg::EMULATOR)) {
        QString error;
        if (!StartEmulator(error)) {
            QMessageBox::warning(m_pParent, CQtMessagePrompt::Caption(), error);
            return false;
        }
        name = m_pEmulator->GetSlavePath();
        return true;
    }
    name = port.toStdString();
    return true;
}

bool CQtComSetupUi::EditLineSettings(const std::string& port, CLineSettings& settings)
{
    bool emulator = m_pEmulator && port == m_pEmulator->GetSlavePath();
    CLineSettingsDlg dialog(emulator ? QString::fromLatin1(CComPortDlg::EMULATOR) : QString::fromStdString(port),
                            settings, m_pParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.GetSettings();
    return true;
}

// One emulated unit for the program's life: what was uploaded to it can be downloaded again.
bool CQtComSetupUi::StartEmulator(QString& error)
{
    if (m_pEmulator && m_pEmulator->IsRunning())
        return true;
    m_pEmulator = std::make_unique<CEmulatorServer>();
    if (!m_pEmulator->Start()) {
        m_pEmulator.reset();
        error = QStringLiteral("The emulated unit cannot be started: no pseudo-terminal is available.");
        return false;
    }
    return true;
}
