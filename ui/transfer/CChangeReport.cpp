// The change report laid out as rich text, for the screen, the printer and PDF files.
#include "ui/transfer/CChangeReport.h"

#include "ui/common/CoreTranslation.h"
#include "compare/CChangeList.h"
#include "ui/common/QtText.h"

#include <QDir>
#include <QPrinter>
#include <QTextDocument>

#include <utility>

namespace {

QString CellHtml(const std::string& cp1252)
{
    QString text = q4ui::ToQString(cp1252).trimmed();
    return text.isEmpty() ? QStringLiteral("<i>%1</i>").arg(CChangeReport::tr("(empty)")) : text.toHtmlEscaped();
}

}  // namespace

CChangeReport::CChangeReport(const std::vector<CellDifference>& changes, const QString& uploaded,
                             const QString& backupPath, const QString& port, const QDateTime& time)
    : m_uploaded(uploaded), m_backupPath(backupPath), m_port(port), m_time(time)
{
    for (ChangedChannel& channel : CChangeList::ByChannel(changes))
        m_channels.push_back({channel.sheet, channel.row, q4ui::TrSheet(channel.sheetTitle),
                                q4ui::TrHeading(q4ui::ToQString(channel.name)).trimmed(), std::move(channel.changes)});
}

QString CChangeReport::GetHeading() const
{
    return tr("Changes uploaded on %1 to the unit on %2: re-test every function listed")
        .arg(m_time.toString(QStringLiteral("yyyy-MM-dd HH:mm")), m_port);
}

QString CChangeReport::ToHtml() const
{
    const QString changed = m_channels.size() == 1 ? tr("1 channel changed.")
                                                     : tr("%1 channels changed.").arg(m_channels.size());
    QString html = QStringLiteral("<h2>%1</h2><p>%2<br>%3<br>%4</p>")
                       .arg(GetHeading().toHtmlEscaped(), tr("Set-up uploaded: %1").arg(m_uploaded).toHtmlEscaped(),
                            tr("What the unit held before the upload is kept in %1.")
                                .arg(QDir::toNativeSeparators(m_backupPath))
                                .toHtmlEscaped(),
                            changed);
    for (size_t i = 0; i < m_channels.size(); ++i) {
        const Channel& channel = m_channels[i];
        if (i == 0 || m_channels[i - 1].sheet != channel.sheet) {
            if (i > 0)
                html += QStringLiteral("</table><p>&nbsp;</p>");
            html += QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                                   "<tr><th>%2</th><th>%3</th><th>%4</th><th>%5</th><th>%6</th></tr>")
                        .arg(channel.sheetTitle.toHtmlEscaped(), tr("Channel"), tr("Setting"), tr("In the unit before"),
                             tr("Uploaded"), tr("Re-tested"));
        }
        const int rows = static_cast<int>(channel.changes.size());
        for (int c = 0; c < rows; ++c) {
            const CellDifference& change = channel.changes[static_cast<size_t>(c)];
            html += QStringLiteral("<tr>");
            if (c == 0)
                html += QStringLiteral("<td rowspan=\"%1\"><b>%2</b></td>").arg(rows).arg(channel.name.toHtmlEscaped());
            html += QStringLiteral("<td>%1</td><td>%2</td><td>%3</td>")
                        .arg(q4ui::TrHeading(q4ui::ToQString(change.column)).trimmed().toHtmlEscaped(), CellHtml(change.textA), CellHtml(change.textB));
            if (c == 0)
                html += QStringLiteral("<td rowspan=\"%1\"></td>").arg(rows);
            html += QStringLiteral("</tr>");
        }
    }
    if (!m_channels.empty())
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
    printer.setDocName(tr("Change report"));
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}
