// The COM setup dialogs and the emulated unit behind the "Emulator" port.
#include "ui/transfer/CQtComSetupUi.h"

#include "sim/CEmulatorServer.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/transfer/CLineSettingsDlg.h"
#include "ui/common/CQtMessagePrompt.h"

#include <QMessageBox>
#include <QSettings>

namespace {

// The keys of the last choice in the settings.
QString Key(const char* name)
{
    return QStringLiteral("COM Setup/") + QLatin1String(name);
}

// The stored value when it lies within [low, high], else fallback.
int StoredInt(const QSettings& stored, const QString& key, int low, int high, int fallback)
{
    bool ok = false;
    int value = stored.value(key).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

template <typename Enum>
Enum StoredEnum(const QSettings& stored, const QString& key, Enum low, Enum high, Enum fallback)
{
    return static_cast<Enum>(StoredInt(stored, key, static_cast<int>(low), static_cast<int>(high), static_cast<int>(fallback)));
}

}  // namespace

CQtComSetupUi::CQtComSetupUi(QWidget* parent)
    : m_parent(parent)
{
}

CQtComSetupUi::~CQtComSetupUi() = default;

bool CQtComSetupUi::ChoosePortName(std::string& name)
{
    CComPortDlg dialog(m_parent);
    QSettings stored;
    // The port chosen last, typed or listed; else the link's suggestion where there is such a port.
    QString port = stored.value(Key("Port")).toString();
    if (port.isEmpty() && dialog.IsListed(QString::fromStdString(name)))
        port = QString::fromStdString(name);
    if (!port.isEmpty())
        dialog.SelectPort(port);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    port = dialog.GetPortName();
    // The emulator is remembered by its name: its terminal is another one each time.
    stored.setValue(Key("Port"), port);
    if (port == QLatin1String(CComPortDlg::EMULATOR)) {
        QString error;
        if (!StartEmulator(error)) {
            QMessageBox::warning(m_parent, CQtMessagePrompt::Caption(), error);
            return false;
        }
        name = m_emulator->GetSlavePath();
        return true;
    }
    name = port.toStdString();
    return true;
}

bool CQtComSetupUi::EditLineSettings(const std::string& port, CLineSettings& settings)
{
    bool emulator = m_emulator && port == m_emulator->GetSlavePath();
    CLineSettings shown = settings;
    LoadLineSettings(shown);
    CLineSettingsDlg dialog(emulator ? QString::fromLatin1(CComPortDlg::EMULATOR) : QString::fromStdString(port),
                            shown, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.GetSettings();
    SaveLineSettings(settings);
    return true;
}

// What was never stored, or is out of range, stays as given.
void CQtComSetupUi::LoadLineSettings(CLineSettings& settings)
{
    QSettings stored;
    settings.m_baudRate = static_cast<unsigned>(
        StoredInt(stored, Key("BaudRate"), 1, 4000000, static_cast<int>(settings.m_baudRate)));
    settings.m_dataBits = StoredInt(stored, Key("DataBits"), 5, 8, settings.m_dataBits);
    settings.m_parity = StoredEnum(stored, Key("Parity"), CLineSettings::Parity::None, CLineSettings::Parity::Even,
                                   settings.m_parity);
    settings.m_stopBits = StoredInt(stored, Key("StopBits"), 1, 2, settings.m_stopBits);
    settings.m_flowControl = StoredEnum(stored, Key("FlowControl"), CLineSettings::FlowControl::None,
                                        CLineSettings::FlowControl::XonXoff, settings.m_flowControl);
}

void CQtComSetupUi::SaveLineSettings(const CLineSettings& settings)
{
    QSettings stored;
    stored.setValue(Key("BaudRate"), settings.m_baudRate);
    stored.setValue(Key("DataBits"), settings.m_dataBits);
    stored.setValue(Key("Parity"), static_cast<int>(settings.m_parity));
    stored.setValue(Key("StopBits"), settings.m_stopBits);
    stored.setValue(Key("FlowControl"), static_cast<int>(settings.m_flowControl));
}

// One emulated unit for the program's life: what was uploaded to it can be downloaded again.
bool CQtComSetupUi::StartEmulator(QString& error)
{
    if (m_emulator && m_emulator->IsRunning())
        return true;
    m_emulator = std::make_unique<CEmulatorServer>();
    if (!m_emulator->Start()) {
        m_emulator.reset();
        error = tr("The emulated unit cannot be started: no pseudo-terminal is available.");
        return false;
    }
    return true;
}
