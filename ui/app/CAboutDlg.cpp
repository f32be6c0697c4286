// The About box.
#include "ui/app/CAboutDlg.h"

#include "model/Q4Version.h"
#include "ui/app/CIconFactory.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Q4150"));
    auto* icon = new QLabel(this);
    icon->setPixmap(CIconFactory::AppIcon().pixmap(32, 32));
    auto* version = new QLabel(VersionText(), this);
    version->setObjectName(QStringLiteral("version1009"));
    auto* notice = new QLabel(tr("Set-up programmer for the Norda Q4000-30 annunciator"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::VersionText(int major, int minor, int third)
{
    return tr("Q4150-30 Programmer Version %1.%2%3").arg(major).arg(minor).arg(third);
}

QString CAboutDlg::VersionText()
{
    return VersionText(q4::VERSION_MAJOR, q4::VERSION_MINOR, q4::VERSION_PATCH);
}
