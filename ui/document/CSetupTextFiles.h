// File > Export and File > Import: the set-up written as JSON or CSV text, byte for byte as the
// command line's export writes it, and a set-up built from such a text as a new document.
#pragma once

#include "compare/CellDifference.h"
#include "model/Result.h"

#include <QObject>
#include <QString>

#include <vector>

class CDocManager;
class CQ4150Doc;
class QWidget;

class CSetupTextFiles : public QObject {
    Q_OBJECT

public:
    CSetupTextFiles(CQ4150Doc& doc, CDocManager& files, QWidget* dialogParent);

    // Asks for a file, then writes the set-up as JSON or CSV; a failure is told in a message.
    void OnExport(bool csv);
    // Asks for a text file, then imports it; a failure is told in a message.
    void OnImport();

    // The document's set-up into path as JSON or CSV text, whole or not at all.
    q4::Status ExportTo(const QString& path, bool csv) const;
    // The set-up a JSON or CSV text builds, as the document's new, modified, Untitled set-up
    // (asking first to save a modified one). Fails, and nothing changes, when the file cannot
    // be read or is no such text; a cancelled save question is no failure.
    q4::Status ImportFrom(const QString& path);

    static QString ExportFilter(bool csv);
    static QString ImportFilter();

signals:
    // A text replaced the set-up; cells are those that did not take their text, summary what
    // else the import has to say.
    void imported(const QString& file, const QString& summary, const std::vector<CellDifference>& cells);

private:
    void ShowError(const QString& text) const;

    CQ4150Doc& m_doc;
    CDocManager& m_files;
    QWidget* m_parent;
};
