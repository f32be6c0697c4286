// The Retry/Cancel dialog.
#include "ui/CUpDown.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CUpDown::CUpDown(const QString& message, QWidget* parent)
    : QDialog(parent), m_strMsg(message), m_pText(new QLabel(message, this))
{
    setWindowTitle(QStringLiteral("Upload/Download"));
    m_pText->setObjectName(QStringLiteral("text1013"));
    auto* retry = new QPushButton(QStringLiteral("Retry"), this);
    retry->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(retry, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;  // taken by the dialog's layout below
    buttons->addStretch();
    buttons->addWidget(retry);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pText);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
