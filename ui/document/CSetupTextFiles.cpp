// Export and Import of the set-up's text forms, on the core's codecs.
#include "ui/document/CSetupTextFiles.h"

#include "codec/CImportPrompt.h"
#include "codec/CSetupCsv.h"
#include "codec/CSetupImport.h"
#include "codec/CSetupJson.h"
#include "model/CDocumentFile.h"
#include "ui/document/CDocManager.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"
#include "unit/CQ4kUnit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <sstream>

CSetupTextFiles::CSetupTextFiles(CQ4150Doc& doc, CDocManager& files, QWidget* dialogParent)
    : QObject(dialogParent), m_doc(doc), m_files(files), m_parent(dialogParent)
{
}

QString CSetupTextFiles::ExportFilter(bool csv)
{
    return csv ? tr("CSV files (*.csv)") : tr("JSON files (*.json)");
}

QString CSetupTextFiles::ImportFilter()
{
    return tr("Set-up texts (*.json *.csv)") + QStringLiteral(";;") + tr("All files (*)");
}

void CSetupTextFiles::ShowError(const QString& text) const
{
    QMessageBox::warning(m_parent, CQtMessagePrompt::Caption(), text);
}

void CSetupTextFiles::OnExport(bool csv)
{
    const QString suffix = csv ? QStringLiteral("csv") : QStringLiteral("json");
    QString start = QDir::currentPath();
    if (!m_doc.GetPathName().isEmpty()) {
        const QFileInfo document(m_doc.GetPathName());
        start = document.absolutePath() + QLatin1Char('/') + document.completeBaseName() + QLatin1Char('.') + suffix;
    }
    QFileDialog dialog(m_parent, csv ? tr("Export as CSV") : tr("Export as JSON"), start, ExportFilter(csv));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    if (q4::Status written = ExportTo(dialog.selectedFiles().first(), csv); !written)
        ShowError(q4ui::TrCore(written.Reason()));
}

q4::Status CSetupTextFiles::ExportTo(const QString& path, bool csv) const
{
    std::ostringstream text;
    if (csv)
        CSetupCsv::Write(*m_doc.GetUnit(), text);
    else
        CSetupJson::Write(*m_doc.GetUnit(), -1, text);
    const std::string bytes = text.str();
    return CDocumentFile().WriteBytes(std::vector<uint8_t>(bytes.begin(), bytes.end()), path.toStdString());
}

void CSetupTextFiles::OnImport()
{
    const QString start = m_doc.GetPathName().isEmpty() ? QDir::currentPath() : QFileInfo(m_doc.GetPathName()).absolutePath();
    const QString path = QFileDialog::getOpenFileName(m_parent, tr("Import"), start, ImportFilter());
    if (path.isEmpty())
        return;
    if (q4::Status done = ImportFrom(path); !done)
        ShowError(QString::fromStdString(done.Reason()));
}

q4::Status CSetupTextFiles::ImportFrom(const QString& path)
{
    q4::Result<std::vector<uint8_t>> read = CDocumentFile().ReadBytes(path.toStdString());
    if (!read)
        return q4::Failure{q4ui::TrCore(read.Reason()).toStdString()};
    const std::vector<uint8_t>& bytes = read.Value();
    const QString name = QFileInfo(path).fileName();

    // Typed into a set-up of its own: the document stays as it is until the text was read.
    CImportPrompt prompt;
    CQ4kUnit unit(prompt);
    unit.Initialize();
    q4::Result<ImportReport> report = CSetupImport::Import(std::string(bytes.begin(), bytes.end()), unit);
    if (!report)
        return q4::Failure{tr("%1 is no set-up exported as JSON or CSV:\n%2")
                               .arg(name, QString::fromStdString(report.Reason()))
                               .toStdString()};
    if (!m_files.SaveModified())
        return {};
    m_doc.TakeImport(unit);

    const size_t named = report->refusals.size();
    QStringList summary;
    if (named == 0)
        summary << tr("Every cell took its text.");
    else if (named == 1)
        summary << tr("1 cell did not take the text of the file: refused by a rule of the set-up, or changed. The "
                      "cell is marked in its sheet; double-click it to show it.");
    else
        summary << tr("%1 cells did not take the text of the file: refused by a rule of the set-up, or changed. The "
                      "cells are marked in the sheets; double-click one to show it.")
                       .arg(named);
    QStringList left;
    for (int sheet : report->sheetsLeftOut)
        left << q4ui::TrSheet(unit.GetSetupType(sheet)->m_strTitle);
    if (!left.isEmpty())
        summary << tr("The file holds no cells of %1, which keep their defaults.").arg(left.join(QStringLiteral(", ")));
    for (const std::string& said : prompt.GetSaid())
        summary << tr("Said while the text was typed (answered OK): %1").arg(q4ui::TrCore(said));
    emit imported(name, summary.join(QLatin1Char('\n')), CSetupImport::NameCells(unit, report.Value()));
    return {};
}
