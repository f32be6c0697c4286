// The plant report's window and where the report goes.
#include "ui/plant/CPlantReportDlg.h"

#include "ui/common/CQtMessagePrompt.h"
#include "ui/common/ScreenFit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CPlantReportDlg::CPlantReportDlg(const CPlant& plant, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_plantPath(QString::fromStdString(plant.GetPath())), m_report(plant), m_printer(printer), m_text(new QTextBrowser(this))
{
    setWindowTitle(tr("Plant Report"));
    auto* layout = new QVBoxLayout(this);
    m_text->setAccessibleName(tr("Plant report"));
    m_text->setHtml(m_report.GetHtml());
    layout->addWidget(m_text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    QPushButton* pdf = buttons->addButton(tr("Save as P&DF..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this, &CPlantReportDlg::OnPrint);
    connect(pdf, &QPushButton::clicked, this, &CPlantReportDlg::OnSaveAsPdf);
    // Room to read, as far as the screen allows at any scale.
    resize(q4ui::SizeWithinScreen(*this, QSize(900, 600)));
}

void CPlantReportDlg::OnPrint()
{
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted && !m_report.Print(m_printer))
        QMessageBox::warning(this, CQtMessagePrompt::Caption(), tr("The plant report could not be printed."));
}

void CPlantReportDlg::OnSaveAsPdf()
{
    const QString suggested = m_plantPath + QStringLiteral("-report.pdf");
    const QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"), suggested, tr("PDF files (*.pdf)"));
    if (!path.isEmpty() && !m_report.SaveAsPdf(path))
        QMessageBox::warning(this, CQtMessagePrompt::Caption(),
                             tr("The plant report could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
}
