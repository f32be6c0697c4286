// The change report dialog and where its report goes.
#include "ui/transfer/CChangeReportDlg.h"

#include "ui/common/CQtMessagePrompt.h"
#include "ui/common/ScreenFit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

CChangeReportDlg::CChangeReportDlg(const CChangeReport& report, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_report(report), m_printer(printer), m_text(new QTextBrowser(this))
{
    setWindowTitle(tr("Change Report"));
    m_text->setAccessibleName(tr("Change report"));
    m_report.Layout(*m_text->document());
    // The cursor went along with the text laid out: back to the heading, where reading begins.
    m_text->moveCursor(QTextCursor::Start);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
    QPushButton* pdf = buttons->addButton(tr("Save as P&DF..."), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, &CChangeReportDlg::OnPrint);
    connect(pdf, &QPushButton::clicked, this, &CChangeReportDlg::OnSaveAsPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    // Room to read, as far as the screen allows at any scale.
    resize(q4ui::SizeWithinScreen(*this, QSize(760, 520)));
}

void CChangeReportDlg::OnPrint()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() == QDialog::Accepted && !m_report.Print(m_printer))
        ShowPrintError(m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                            : QDir::toNativeSeparators(m_printer.outputFileName()));
}

void CChangeReportDlg::OnSaveAsPdf()
{
    // Beside the backup by default: the two belong together.
    QFileInfo backup(m_report.GetBackupPath());
    QString suggested = backup.dir().filePath(backup.completeBaseName() + QStringLiteral("-changes.pdf"));
    QString path = QFileDialog::getSaveFileName(this, tr("Save as PDF"), suggested,
                                                tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        SaveAsPdf(path);
}

bool CChangeReportDlg::SaveAsPdf(const QString& path)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(m_printer.pageLayout());
    pdf.setOutputFileName(path);
    if (m_report.Print(pdf))
        return true;
    ShowPrintError(QDir::toNativeSeparators(path));
    return false;
}

void CChangeReportDlg::ShowPrintError(const QString& target)
{
    QMessageBox::warning(this, CQtMessagePrompt::Caption(), tr("The change report could not be printed to %1.").arg(target));
}
