// Open, Save, Save As, the save question and the recent files.
#include "ui/document/CDocManager.h"

#include "ui/document/CQ4150Doc.h"
#include "ui/common/CQtMessagePrompt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

CDocManager::CDocManager(CQ4150Doc& doc, QWidget* dialogParent)
    : QObject(dialogParent), m_doc(doc), m_parent(dialogParent)
{
    m_RecentFiles.ReadList();
}

QString CDocManager::FileFilter()
{
    return tr("Q4150 Files (*.q4g)");
}

QString CDocManager::StartDirectory() const
{
    if (!m_doc.GetPathName().isEmpty())
        return QFileInfo(m_doc.GetPathName()).absolutePath();
    if (!m_RecentFiles.GetList().isEmpty())
        return QFileInfo(m_RecentFiles.GetList().first()).absolutePath();
    return QDir::currentPath();
}

void CDocManager::ShowError(const QString& text)
{
    QMessageBox::warning(m_parent, CQtMessagePrompt::Caption(), text);
}

bool CDocManager::OnFileOpen()
{
    QString path = QFileDialog::getOpenFileName(m_parent, tr("Open"), StartDirectory(), FileFilter());
    if (path.isEmpty())
        return false;
    return OpenDocumentFile(path);
}

bool CDocManager::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    emit aboutToOpen();
    const q4::Status opened = m_doc.OnOpenDocument(path);
    if (opened) {
        m_RecentFiles.Add(path);
        m_RecentFiles.WriteList();
        emit recentFilesChanged();
        emit documentLoaded();
        emit titleChanged();
        return true;
    }
    if (m_doc.IsReadDamaged()) {
        // What was read stays; it belongs to no file, and closing asks before it is lost.
        m_doc.SetUntitled();
        m_doc.SetModifiedFlag(true);
        emit documentLoaded();
        emit titleChanged();
    }
    ShowError(m_doc.OpenFailureText(opened));
    if (m_RecentFiles.GetList().contains(QFileInfo(path).absoluteFilePath())) {
        m_RecentFiles.Remove(path);
        m_RecentFiles.WriteList();
        emit recentFilesChanged();
    }
    return false;
}

bool CDocManager::OnFileSave()
{
    return DoSave(m_doc.GetPathName());
}

bool CDocManager::OnFileSaveAs()
{
    return DoSave(QString());
}

bool CDocManager::DoSave(const QString& path)
{
    QString target = path;
    if (target.isEmpty()) {
        QFileDialog dialog(m_parent, tr("Save As"), StartDirectory(), FileFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("q4g"));
        dialog.selectFile(m_doc.GetTitle());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        target = dialog.selectedFiles().first();
    }
    QString error;
    bool readOnly = false;
    if (!m_doc.OnSaveDocument(target, error, &readOnly)) {
        if (!readOnly) {
            ShowError(error);
            return false;
        }
        // The read-only file stays as it is; the set-up may go elsewhere.
        QMessageBox::StandardButton answer = QMessageBox::question(
            m_parent, CQtMessagePrompt::Caption(),
            tr("%1\nThe file is read-only. Save the set-up under another name?").arg(error),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return answer == QMessageBox::Yes && DoSave(QString());
    }
    m_RecentFiles.Add(target);
    m_RecentFiles.WriteList();
    emit recentFilesChanged();
    emit titleChanged();
    return true;
}

bool CDocManager::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    QMessageBox box(QMessageBox::Question, CQtMessagePrompt::Caption(),
                    tr("Save changes to %1?").arg(m_doc.GetTitle()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return OnFileSave();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}
