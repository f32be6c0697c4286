// The change report of an upload: the set-up uploaded, and every channel whose settings the
// upload changed, sheet by sheet, each setting with its text in the unit before and as uploaded.
// One layout serves the dialog, the printer and PDF files.
#pragma once

#include "compare/CellDifference.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <vector>

class QPrinter;
class QTextDocument;

class CChangeReport {
    Q_DECLARE_TR_FUNCTIONS(CChangeReport)

public:
    struct Channel {
        int sheet = 0;
        int row = 0;
        QString sheetTitle;
        QString name;  // as the grid's first column shows it
        std::vector<CellDifference> changes;
    };

    // changes: the settings that differ between the backup and the set-up uploaded (see
    // CSetupComparison::SettingsOnly). uploaded: the set-up's file as the user knows it;
    // backupPath: the file that holds what the unit held; port and time: where and when the
    // upload ran.
    CChangeReport(const std::vector<CellDifference>& changes, const QString& uploaded, const QString& backupPath,
                  const QString& port, const QDateTime& time);

    // Sheet by sheet in tab order, each sheet's channels in row order, a channel's flags after
    // its other settings.
    const std::vector<Channel>& GetChannels() const { return m_channels; }
    const QString& GetUploaded() const { return m_uploaded; }
    const QString& GetBackupPath() const { return m_backupPath; }
    QString GetHeading() const;

    // Fills the document with the report, for the screen as for the printer.
    void Layout(QTextDocument& document) const;
    // False when the printer could not print, e.g. into a PDF file that cannot be written.
    bool Print(QPrinter& printer) const;

private:
    QString ToHtml() const;

    std::vector<Channel> m_channels;
    QString m_uploaded;
    QString m_backupPath;
    QString m_port;
    QDateTime m_time;
};
