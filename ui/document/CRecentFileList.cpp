// The recent-file list and its settings.
#include "ui/document/CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>

#include <utility>

namespace {

QString EntryKey(const QString& section, int index)
{
    return QStringLiteral("%1/File%2").arg(section).arg(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int size, QString section)
    : m_nSize(size), m_strSection(std::move(section))
{
}

void CRecentFileList::ReadList()
{
    QSettings settings;
    m_arFiles.clear();
    for (int i = 0; i < m_nSize; ++i) {
        QString path = settings.value(EntryKey(m_strSection, i)).toString();
        if (!path.isEmpty() && !m_arFiles.contains(path))
            m_arFiles << path;
    }
}

void CRecentFileList::WriteList() const
{
    QSettings settings;
    settings.remove(m_strSection);
    for (int i = 0; i < m_arFiles.size(); ++i)
        settings.setValue(EntryKey(m_strSection, i), m_arFiles[i]);
}

void CRecentFileList::Add(const QString& path)
{
    QString absolute = QFileInfo(path).absoluteFilePath();
    m_arFiles.removeAll(absolute);
    m_arFiles.prepend(absolute);
    while (m_arFiles.size() > m_nSize)
        m_arFiles.removeLast();
}

void CRecentFileList::Remove(const QString& path)
{
    m_arFiles.removeAll(QFileInfo(path).absoluteFilePath());
}
