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
      m_baudRateBox(new QComboBox(this)),
      m_dataBitsBox(new QComboBox(this)),
      m_parityBox(new QComboBox(this)),
      m_stopBitsBox(new QComboBox(this)),
      m_flowControlBox(new QComboBox(this))
{
    setWindowTitle(tr("%1 Properties").arg(portTitle));
    m_baudRateBox->setEditable(true);
    m_baudRateBox->setValidator(new QIntValidator(1, 4000000, m_baudRateBox));
    for (int rate : g_BaudRates)
        m_baudRateBox->addItem(QString::number(rate));
    m_baudRateBox->setCurrentText(QString::number(settings.m_baudRate));
    for (int bits = 5; bits <= 8; ++bits)
        m_dataBitsBox->addItem(QString::number(bits), bits);
    SelectData(m_dataBitsBox, settings.m_dataBits);
    m_parityBox->addItem(tr("None"), static_cast<int>(CLineSettings::Parity::None));
    m_parityBox->addItem(tr("Odd"), static_cast<int>(CLineSettings::Parity::Odd));
    m_parityBox->addItem(tr("Even"), static_cast<int>(CLineSettings::Parity::Even));
    SelectData(m_parityBox, static_cast<int>(settings.m_parity));
    m_stopBitsBox->addItem(QStringLiteral("1"), 1);
    m_stopBitsBox->addItem(QStringLiteral("2"), 2);
    SelectData(m_stopBitsBox, settings.m_stopBits);
    m_flowControlBox->addItem(QStringLiteral("Xon / Xoff"), static_cast<int>(CLineSettings::FlowControl::XonXoff));
    m_flowControlBox->addItem(tr("Hardware"), static_cast<int>(CLineSettings::FlowControl::RtsCts));
    m_flowControlBox->addItem(tr("None"), static_cast<int>(CLineSettings::FlowControl::None));
    SelectData(m_flowControlBox, static_cast<int>(settings.m_flowControl));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("Bits per second:"), m_baudRateBox);
    form->addRow(tr("Data bits:"), m_dataBitsBox);
    form->addRow(tr("Parity:"), m_parityBox);
    form->addRow(tr("Stop bits:"), m_stopBitsBox);
    form->addRow(tr("Flow control:"), m_flowControlBox);
    form->addRow(buttons);
    // A port's path can be long: the title, the port's name, is shown whole.
    setMinimumWidth(q4ui::TitleBarWidth(*this));
}

CLineSettings CLineSettingsDlg::GetSettings() const
{
    CLineSettings settings;
    bool ok = false;
    unsigned rate = m_baudRateBox->currentText().toUInt(&ok);
    settings.m_baudRate = ok && rate > 0 ? rate : 9600;
    settings.m_dataBits = m_dataBitsBox->currentData().toInt();
    settings.m_parity = static_cast<CLineSettings::Parity>(m_parityBox->currentData().toInt());
    settings.m_stopBits = m_stopBitsBox->currentData().toInt();
    settings.m_flowControl = static_cast<CLineSettings::FlowControl>(m_flowControlBox->currentData().toInt());
    return settings;
}
