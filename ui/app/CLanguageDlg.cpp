// The Language dialog.
#include "ui/app/CLanguageDlg.h"

#include "ui/common/CLanguage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>

CLanguageDlg::CLanguageDlg(const QString& current, QWidget* parent)
    : QDialog(parent), m_combo(new QComboBox(this))
{
    setWindowTitle(tr("Language"));
    const QString system = QLocale::system().nativeLanguageName();
    m_combo->addItem(system.isEmpty() ? tr("Automatic") : tr("Automatic (%1)").arg(system), QString());
    for (const QString& code : CLanguage::Available()) {
        // Each language by its own name, as its speakers look for it.
        QString name = code == QLatin1String("en") ? QStringLiteral("English") : QLocale(code).nativeLanguageName();
        if (!name.isEmpty())
            name[0] = name[0].toUpper();
        m_combo->addItem(name, code);
    }
    m_combo->setCurrentIndex(std::max(0, m_combo->findData(current)));

    auto* note = new QLabel(tr("The program speaks the language chosen from its next start on."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Language:"), m_combo);
    form->addRow(note);
    form->addRow(buttons);
}

QString CLanguageDlg::GetChoice() const
{
    return m_combo->currentData().toString();
}
