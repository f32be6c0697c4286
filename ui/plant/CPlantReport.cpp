// The plant report as rich text, from the core's status of each unit and the log's records.
#include "ui/plant/CPlantReport.h"

#include "plant/CPlantStatus.h"
#include "ui/plant/CPlantModel.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QDateTime>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

namespace {

QString Cell(const std::string& cp1252)
{
    QString text = q4ui::ToQString(cp1252).trimmed();
    return text.isEmpty() ? QStringLiteral("<i>%1</i>").arg(CPlantReport::tr("(empty)")) : text.toHtmlEscaped();
}

// A log's time kept on one line however narrow its column: "2024-05-02 14:03:22+02:00", its
// blank no break, each character joined to the next.
QString Time(const std::string& time)
{
    QString text;
    for (const QChar c : QString::fromStdString(time)) {
        if (!text.isEmpty())
            text += QChar(0x2060);  // word joiner
        text += c == QLatin1Char('T') ? QChar(0x00A0) : c;
    }
    return text.toHtmlEscaped();
}

// "2024-05-02 14:03:22+02:00, completed (Emulator 1)" or "none".
QString Action(const std::optional<PlantLogRecord>& record)
{
    if (!record)
        return CPlantReport::tr("none");
    QString text = CPlantModel::ResultText(record->result);
    if (!record->reason.empty())
        text += QStringLiteral(": ") + q4ui::TrCore(record->reason);
    return Time(record->time) + QStringLiteral(", ") + text.toHtmlEscaped();
}

QString CellTable(const std::vector<CellDifference>& cells, const QString& a, const QString& b)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">"
                                  "<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th><th>%5</th></tr>")
                       .arg(CPlantReport::tr("Sheet"), CPlantReport::tr("Channel"), CPlantReport::tr("Setting"), a, b);
    for (const CellDifference& cell : cells)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(q4ui::TrSheet(cell.sheetTitle).toHtmlEscaped(),
                         q4ui::TrHeading(q4ui::ToQString(cell.channel)).trimmed().toHtmlEscaped(),
                         q4ui::TrHeading(q4ui::ToQString(cell.column)).trimmed().toHtmlEscaped(), Cell(cell.textA),
                         Cell(cell.textB));
    return html + QStringLiteral("</table>");
}

}  // namespace

CPlantReport::CPlantReport(const CPlant& plant)
{
    const CPlantSurvey survey(plant);
    const std::vector<PlantUnitStatus> statuses = CPlantStatus::Of(survey, CPlantLog(plant.GetLogPath()).Read().records);
    m_title = tr("Plant report: %1").arg(QString::fromStdString(plant.GetName()));
    QString html = QStringLiteral("<h2>%1</h2><p>%2<br>%3</p>")
                       .arg(m_title.toHtmlEscaped(),
                            tr("Plant file: %1").arg(QString::fromStdString(plant.GetPath())).toHtmlEscaped(),
                            tr("Made on %1").arg(QDateTime::currentDateTime().toString(Qt::ISODate)));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr><th>%1</th><th>%2</th>"
                           "<th>%3</th><th>%4</th><th>%5</th><th>%6</th><th>%7</th></tr>")
                .arg(tr("Tag"), tr("Location"), tr("Device"), tr("File"), tr("State"), tr("Last upload"), tr("Last verify"));
    for (const PlantUnitStatus& status : statuses) {
        const PlantUnitFile& file = status.file;
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                    .arg(QString::fromStdString(file.unit.tag).toHtmlEscaped(),
                         QString::fromStdString(file.unit.location).toHtmlEscaped(),
                         file.readable ? QString::number(file.device) : QString(),
                         QString::fromStdString(file.unit.file).toHtmlEscaped(), CPlantModel::StateText(status),
                         Action(status.lastUpload), Action(status.lastVerify));
    }
    html += QStringLiteral("</table>");
    for (const PlantUnitStatus& status : statuses) {
        const QString tag = QString::fromStdString(status.file.unit.tag).toHtmlEscaped();
        if (status.lastUpload && !status.lastUpload->cells.empty())
            html += QStringLiteral("<h3>%1</h3>").arg(tr("%1: changed by the upload of %2").arg(tag, Time(status.lastUpload->time)))
                    + CellTable(status.lastUpload->cells, tr("Before"), tr("Uploaded"));
        if (status.lastVerify && !status.lastVerify->cells.empty())
            html += QStringLiteral("<h3>%1</h3>").arg(tr("%1: differences found by the verify of %2").arg(tag, Time(status.lastVerify->time)))
                    + CellTable(status.lastVerify->cells, tr("File"), tr("Unit"));
    }
    m_html = html;
}

bool CPlantReport::Print(QPrinter& printer) const
{
    QTextDocument document;
    // A word is never cut: a time stays whole, its column as wide as it needs.
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(option);
    document.setHtml(m_html);
    printer.setDocName(m_title);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

bool CPlantReport::SaveAsPdf(const QString& path) const
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    return Print(pdf);
}
