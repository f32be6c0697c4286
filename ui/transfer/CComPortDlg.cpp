// The port choice: the list of ports, the chosen name, and a width that shows the whole title.
#include "ui/transfer/CComPortDlg.h"

#include "ui/common/CNamedComboBox.h"
#include "ui/common/DialogTitle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// "COM5" before "COM12": runs of digits compare as numbers, the rest character by character.
bool NaturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a[endA].isDigit())
                ++endA;
            while (endB < b.size() && b[endB].isDigit())
                ++endB;
            const qulonglong x = a.mid(i, endA - i).toULongLong();
            const qulonglong y = b.mid(j, endB - j).toULongLong();
            if (x != y)
                return x < y;
            i = endA;
            j = endB;
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

}  // namespace

CComPortDlg::CComPortDlg(QWidget* parent)
    : QDialog(parent), m_combo(new CNamedComboBox(tr("Port"), this))
{
    setWindowTitle(tr("COM Port Setup"));
    m_combo->setObjectName(QStringLiteral("port1003"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    for (const Entry& entry : Entries(FoundPorts()))
        m_combo->addItem(entry.label, entry.port);
    m_combo->setCurrentIndex(0);

    auto* config = new QPushButton(tr("Config"), this);
    config->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(config, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;  // taken by the dialog's layout below
    buttons->addWidget(config);
    buttons->addWidget(cancel);
    auto* label = new QLabel(tr("&Port:"), this);
    label->setBuddy(m_combo);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_combo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QMargins margins = layout->contentsMargins();
    m_combo->setMinimumWidth(q4ui::TitleBarWidth(*this) - margins.left() - margins.right());
}

bool CComPortDlg::IsListed(const QString& port) const
{
    return m_combo->findData(port) >= 0;
}

void CComPortDlg::SelectPort(const QString& port)
{
    int index = m_combo->findData(port);
    if (index >= 0)
        m_combo->setCurrentIndex(index);
    else
        m_combo->setEditText(port);
}

QString CComPortDlg::GetPortName() const
{
    QString text = m_combo->currentText().trimmed();
    int index = m_combo->findText(text);
    return index >= 0 ? m_combo->itemData(index).toString() : text;
}

QList<CComPortDlg::Entry> CComPortDlg::Entries(const QList<FoundPort>& found)
{
    QList<Entry> entries;
    // ttyS0 is the port Windows calls COM1, and the command line takes that name too.
    const QRegularExpression serial(QStringLiteral("^/dev/ttyS(\\d+)$"));
    for (const FoundPort& port : found) {
        Entry entry{port.path, port.path};
        if (QRegularExpressionMatch com = serial.match(port.path); com.hasMatch()) {
            entry.port = QStringLiteral("COM%1").arg(com.captured(1).toInt() + 1);
            entry.label = QStringLiteral("%1 (%2)").arg(entry.port, port.name);
        } else if (!port.description.isEmpty()) {
            entry.label = port.name;
        }
        if (!port.description.isEmpty())
            entry.label += QStringLiteral(" - ") + port.description;
        bool listed = std::any_of(entries.begin(), entries.end(), [&](const Entry& e) { return e.port == entry.port; });
        if (!listed)
            entries.append(entry);
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return NaturalLess(a.label, b.label); });
    entries.append({QString::fromLatin1(EMULATOR), QString::fromLatin1(EMULATOR)});
    return entries;
}

QList<CComPortDlg::FoundPort> CComPortDlg::FoundPorts()
{
    QList<FoundPort> found;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        found.append({port.systemLocation(), port.portName(), port.description()});
    return found;
}
