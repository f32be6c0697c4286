// The Retry/Cancel dialog.
#include "ui/common/CUpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CUpDown::CUpDown(const QString& message, QWidget* parent)
    : QDialog(parent), m_strMsg(message), m_pIcon(new QLabel(this)), m_pText(new QLabel(message, this))
{
    setWindowTitle(tr("Upload/Download"));
    int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_pIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    m_pText->setObjectName(QStringLiteral("text1013"));
    auto* retry = new QPushButton(tr("Retry"), this);
    retry->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(retry, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;  // taken by the dialog's layout below
    buttons->addStretch();
    buttons->addWidget(retry);
    buttons->addWidget(cancel);
    auto* row = new QHBoxLayout;  // taken by the dialog's layout below
    row->addWidget(m_pIcon, 0, Qt::AlignTop);
    row->addWidget(m_pText, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
