// The file commands around the document: Open, Save, Save As, the question before a modified
// set-up is replaced, and the recent-file list.
#pragma once

#include "ui/document/CRecentFileList.h"

#include <QObject>

class CQ4150Doc;
class QWidget;

class CDocManager : public QObject {
    Q_OBJECT

public:
    CDocManager(CQ4150Doc& doc, QWidget* dialogParent);

    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // Saves under the path; an empty path asks for one first.
    bool DoSave(const QString& path);
    // Asks to save a modified document first; false when the user cancels or the open fails.
    bool OpenDocumentFile(const QString& path);
    // Save / Discard / Cancel for a modified document; true when it may be replaced.
    bool SaveModified();

    CRecentFileList& GetRecentFiles() { return m_RecentFiles; }
    static QString FileFilter();

signals:
    void aboutToOpen();
    // The set-up was replaced by a file's contents (in part, when the file was damaged).
    void documentLoaded();
    void titleChanged();
    void recentFilesChanged();

private:
    void ShowError(const QString& text);
    QString StartDirectory() const;

    CQ4150Doc& m_doc;
    QWidget* m_parent;
    CRecentFileList m_RecentFiles;
};
