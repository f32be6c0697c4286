// The plant report: every unit with its file, its last upload and verify, and the changes and
// differences the log holds for them; shown, printed and saved as PDF alike.
#pragma once

#include "plant/CPlant.h"

#include <QCoreApplication>
#include <QString>

class QPrinter;

class CPlantReport {
    Q_DECLARE_TR_FUNCTIONS(CPlantReport)

public:
    // Reads the units' files and the log as they are now.
    explicit CPlantReport(const CPlant& plant);

    const QString& GetHtml() const { return m_html; }
    // False when the printer could not print, e.g. into a PDF file that cannot be written.
    bool Print(QPrinter& printer) const;
    bool SaveAsPdf(const QString& path) const;

private:
    QString m_title;
    QString m_html;
};
