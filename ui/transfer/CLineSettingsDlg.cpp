// The port settings dialog.
#include "ui/transfer/CLineSettingsDlg.h"

#include "ui/common/DialogTitle.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>

namespace {

const int g_BaudRates[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};

// Selects the entry whose data is value, or the first entry.
void SelectData(QComboBox* combo, int value)
{
    int index = combo->findData(value);
    combo->setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

CLineSettingsDlg::CLineSettingsDlg(const QString& portTitle, const CLineSettings& settings, QWidget* parent)
    : QDialog(parent),
      m_pBaudRate(new QComboBox(this)),
      m_pDataBits(new QComboBox(this)),
      m_pParity(new QComboBox(this)),
      m_pStopBits(new QComboBox(this)),
      m_pFlowControl(new QComboBox(this))
{
    setWindowTitle(tr("%1 Properties").arg(portTitle));
    m_pBaudRate->setEditable(true);
    m_pBaudRate->setValidator(new QIntValidator(1, 4000000, m_pBaudRate));
    for (int rate : g_BaudRates)
        m_pBaudRate->addItem(QString::number(rate));
    m_pBaudRate->setCurrentText(QString::number(settings.m_baudRate));
    for (int bits = 5; bits <= 8; ++bits)
        m_pDataBits->addItem(QString::number(bits), bits);
    SelectData(m_pDataBits, settings.m_dataBits);
    m_pParity->addItem(tr("None"), CLineSettings::PARITY_NONE);
    m_pParity->addItem(tr("Odd"), CLineSettings::PARITY_ODD);
    m_pParity->addItem(tr("Even"), CLineSettings::PARITY_EVEN);
    SelectData(m_pParity, settings.m_parity);
    m_pStopBits->addItem(QStringLiteral("1"), 1);
    m_pStopBits->addItem(QStringLiteral("2"), 2);
    SelectData(m_pStopBits, settings.m_stopBits);
    m_pFlowControl->addItem(QStringLiteral("Xon / Xoff"), CLineSettings::FLOW_XONXOFF);
    m_pFlowControl->addItem(tr("Hardware"), CLineSettings::FLOW_RTSCTS);
    m_pFlowControl->addItem(tr("None"), CLineSettings::FLOW_NONE);
    SelectData(m_pFlowControl, settings.m_flowControl);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Bits per second:"), m_pBaudRate);
    form->addRow(tr("Data bits:"), m_pDataBits);
    form->addRow(tr("Parity:"), m_pParity);
    form->addRow(tr("Stop bits:"), m_pStopBits);
    form->addRow(tr("Flow control:"), m_pFlowControl);
    form->addRow(buttons);
    // A port's path can be long: the title, the port's name, is shown whole.
    setMinimumWidth(q4ui::TitleBarWidth(*this));
}

CLineSettings CLineSettingsDlg::GetSettings() const
{
    CLineSettings settings;
    bool ok = false;
    unsigned rate = m_pBaudRate->currentText().toUInt(&ok);
    settings.m_baudRate = ok && rate > 0 ? rate : 9600;
    settings.m_dataBits = m_pDataBits->currentData().toInt();
    settings.m_parity = static_cast<CLineSettings::PARITY>(m_pParity->currentData().toInt());
    settings.m_stopBits = m_pStopBits->currentData().toInt();
    settings.m_flowControl = static_cast<CLineSettings::FLOW_CONTROL>(m_pFlowControl->currentData().toInt());
    return settings;
}
