// The port choice: the list of ports, the chosen name, and a width that shows the whole title.
#include "ui/CComPortDlg.h"

#include "link/CZTSerial.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The window manager draws the title in its own frame, beside an icon and three buttons that
// are about as wide as the title bar is high; the dialog's content must leave it that room.
int TitleBarWidth(const QWidget& dialog)
{
    QFontMetrics fm(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    int button = std::max(fm.height(), dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog));
    int frame = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &dialog);
    return fm.horizontalAdvance(dialog.windowTitle()) + 4 * button + 2 * frame;
}

}  // namespace

CComPortDlg::CComPortDlg(QWidget* parent)
    : QDialog(parent), m_pCombo(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("COM Port Setup"));
    m_pCombo->setObjectName(QStringLiteral("port1003"));
    m_pCombo->setEditable(true);
    m_pCombo->setInsertPolicy(QComboBox::NoInsert);
    for (const Entry& entry : Entries(FoundPorts()))
        m_pCombo->addItem(entry.label, entry.port);
    SelectPort(QStringLiteral("COM1"));

    auto* config = new QPushButton(QStringLiteral("Config"), this);
    config->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(config, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;  // taken by the dialog's layout below
    buttons->addWidget(config);
    buttons->addWidget(cancel);
    auto* label = new QLabel(tr("&Port:"), this);
    label->setBuddy(m_pCombo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_pCombo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QMargins margins = layout->contentsMargins();
    m_pCombo->setMinimumWidth(TitleBarWidth(*this) - margins.left() - margins.right());
}

void CComPortDlg::SelectPort(const QString& port)
{
    int index = m_pCombo->findData(port);
    if (index >= 0)
        m_pCombo->setCurrentIndex(index);
    else
        m_pCombo->setEditText(port);
}

QString CComPortDlg::GetPortName() const
{
    QString text = m_pCombo->currentText().trimmed();
    int index = m_pCombo->findText(text);
    return index >= 0 ? m_pCombo->itemData(index).toString() : text;
}

QList<CComPortDlg::Entry> CComPortDlg::Entries(const QList<FoundPort>& found)
{
    QList<Entry> entries;
    QStringList comPaths;
    for (int n = 1; n <= 4; ++n) {
        QString com = QStringLiteral("COM%1").arg(n);
        entries.append({com, com});
        comPaths << QString::fromStdString(CZTSerial::DevicePath(com.toStdString()));
    }
    // Ports found on the machine are used by their device path, unless COM1 to COM4 name them.
    for (const FoundPort& port : found) {
        if (comPaths.contains(port.path))
            continue;
        QString label = port.description.isEmpty() ? port.path : port.name + QStringLiteral(" - ") + port.description;
        bool listed = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.port == port.path; });
        if (!listed)
            entries.append({label, port.path});
    }
    entries.append({QString::fromLatin1(EMULATOR), QString::fromLatin1(EMULATOR)});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.label < b.label; });
    return entries;
}

QList<CComPortDlg::FoundPort> CComPortDlg::FoundPorts()
{
    QList<FoundPort> found;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        found.append({port.systemLocation(), port.portName(), port.description()});
    return found;
}
