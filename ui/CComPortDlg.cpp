// The port choice.
#include "ui/CComPortDlg.h"

#include "link/CZTSerial.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

CComPortDlg::CComPortDlg(QWidget* parent)
    : QDialog(parent), m_pCombo(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("COM Port Setup"));
    m_pCombo->setObjectName(QStringLiteral("port1003"));
    m_pCombo->setEditable(true);
    m_pCombo->setInsertPolicy(QComboBox::NoInsert);
    m_pCombo->addItems(PortNames());
    // Always offered on the first port, whatever was chosen last time.
    m_pCombo->setCurrentIndex(m_pCombo->findText(QStringLiteral("COM1")));

    auto* config = new QPushButton(QStringLiteral("Config"), this);
    config->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(config, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;  // taken by the dialog's layout below
    buttons->addWidget(config);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pCombo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CComPortDlg::GetPortName() const
{
    return m_pCombo->currentText().trimmed();
}

QStringList CComPortDlg::PortNames()
{
    QStringList names;
    QStringList comPaths;
    for (int n = 1; n <= 4; ++n) {
        QString com = QStringLiteral("COM%1").arg(n);
        names << com;
        comPaths << QString::fromStdString(CZTSerial::DevicePath(com.toStdString()));
    }
    // Ports found on the machine go by their device path, unless COM1 to COM4 name them.
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        QString path = port.systemLocation();
        if (!comPaths.contains(path) && !names.contains(path))
            names << path;
    }
    names << QString::fromLatin1(EMULATOR);
    names.sort();
    return names;
}
