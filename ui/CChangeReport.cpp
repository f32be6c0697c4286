// The change report's grouping and its layout as rich text.
#include "ui/CChangeReport.h"

#include "ui/QtText.h"

#include <QDir>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>
#include <tuple>

namespace {

QString CellHtml(const std::string& cp1252)
{
    QString text = q4ui::ToQString(cp1252).trimmed();
    return text.isEmpty() ? QStringLiteral("<i>(empty)</i>") : text.toHtmlEscaped();
}

}  // namespace

CChangeReport::CChangeReport(const std::vector<CellDifference>& changes, const QString& uploaded,
                             const QString& backupPath, const QString& port, const QDateTime& time)
    : m_strUploaded(uploaded), m_strBackupPath(backupPath), m_strPort(port), m_time(time)
{
    // The comparison lists the alarms' flag cells after every sheet; here they join their channel.
    std::vector<CellDifference> sorted = changes;
    std::stable_sort(sorted.begin(), sorted.end(), [](const CellDifference& a, const CellDifference& b) {
        return std::tie(a.sheet, a.row) < std::tie(b.sheet, b.row);
    });
    for (CellDifference& change : sorted) {
        if (m_arChannels.empty() || m_arChannels.back().sheet != change.sheet || m_arChannels.back().row != change.row)
            m_arChannels.push_back({change.sheet, change.row, q4ui::ToQString(change.sheetTitle),
                                    q4ui::ToQString(change.channel).trimmed(), {}});
        m_arChannels.back().changes.push_back(std::move(change));
    }
}

QString CChangeReport::GetHeading() const
{
    return QStringLiteral("Changes uploaded on %1 to the unit on %2: re-test every function listed")
        .arg(m_time.toString(QStringLiteral("yyyy-MM-dd HH:mm")), m_strPort);
}

QString CChangeReport::ToHtml() const
{
    QString html = QStringLiteral("<h2>%1</h2><p>%2<br>What the unit held before the upload is kept in %3.<br>%4 %5 changed.</p>")
                       .arg(GetHeading().toHtmlEscaped(), tr("Set-up uploaded: %1").arg(m_strUploaded).toHtmlEscaped(),
                            QDir::toNativeSeparators(m_strBackupPath).toHtmlEscaped())
                       .arg(m_arChannels.size())
                       .arg(m_arChannels.size() == 1 ? QStringLiteral("channel") : QStringLiteral("channels"));
    for (size_t i = 0; i < m_arChannels.size(); ++i) {
        const Channel& channel = m_arChannels[i];
        if (i == 0 || m_arChannels[i - 1].sheet != channel.sheet) {
            if (i > 0)
                html += QStringLiteral("</table><p>&nbsp;</p>");
            html += QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                                   "<tr><th>Channel</th><th>Setting</th><th>In the unit before</th><th>Uploaded</th>"
                                   "<th>Re-tested</th></tr>")
                        .arg(channel.sheetTitle.toHtmlEscaped());
        }
        const int rows = static_cast<int>(channel.changes.size());
        for (int c = 0; c < rows; ++c) {
            const CellDifference& change = channel.changes[static_cast<size_t>(c)];
            html += QStringLiteral("<tr>");
            if (c == 0)
                html += QStringLiteral("<td rowspan=\"%1\"><b>%2</b></td>").arg(rows).arg(channel.name.toHtmlEscaped());
            html += QStringLiteral("<td>%1</td><td>%2</td><td>%3</td>")
                        .arg(q4ui::ToQString(change.column).trimmed().toHtmlEscaped(), CellHtml(change.textA), CellHtml(change.textB));
            if (c == 0)
                html += QStringLiteral("<td rowspan=\"%1\"></td>").arg(rows);
            html += QStringLiteral("</tr>");
        }
    }
    if (!m_arChannels.empty())
        html += QStringLiteral("</table>");
    return html;
}

void CChangeReport::Layout(QTextDocument& document) const
{
    document.setHtml(ToHtml());
}

bool CChangeReport::Print(QPrinter& printer) const
{
    QTextDocument document;
    Layout(document);
    printer.setDocName(QStringLiteral("Change report"));
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
