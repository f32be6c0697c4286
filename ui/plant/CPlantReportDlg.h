// The plant report's window: the report to read, with Print..., Save as PDF... and Close.
#pragma once

#include "ui/plant/CPlantReport.h"

#include <QDialog>

class QPrinter;
class QTextBrowser;

class CPlantReportDlg : public QDialog {
    Q_OBJECT

public:
    // Reads the plant as it is now. printer: the program's printer, which Print... prints on;
    // it outlives the dialog.
    CPlantReportDlg(const CPlant& plant, QPrinter& printer, QWidget* parent = nullptr);

    QTextBrowser* GetText() const { return m_text; }

private:
    void OnPrint();
    void OnSaveAsPdf();

    QString m_plantPath;
    CPlantReport m_report;
    QPrinter& m_printer;
    QTextBrowser* m_text;
};
