// The change report after an upload, read-only, with Print..., Save as PDF... and Close.
#pragma once

#include "ui/transfer/CChangeReport.h"

#include <QDialog>

class QPrinter;
class QTextBrowser;

class CChangeReportDlg : public QDialog {
    Q_OBJECT

public:
    // printer: the program's printer, which Print... prints on; it outlives the dialog.
    CChangeReportDlg(const CChangeReport& report, QPrinter& printer, QWidget* parent = nullptr);

    const CChangeReport& GetReport() const { return m_report; }
    QTextBrowser* GetText() const { return m_text; }
    // Writes the report to a PDF file on the program's paper; false, after saying so, when the
    // file cannot be written.
    bool SaveAsPdf(const QString& path);

private:
    void OnPrint();
    void OnSaveAsPdf();
    void ShowPrintError(const QString& target);

    CChangeReport m_report;
    QPrinter& m_printer;
    QTextBrowser* m_text;
};
