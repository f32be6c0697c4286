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
    : m_size(size), m_section(std::move(section))
{
}

void CRecentFileList::ReadList()
{
    QSettings settings;
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        QString path = settings.value(EntryKey(m_section, i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files << path;
    }
}

void CRecentFileList::WriteList() const
{
    QSettings settings;
    settings.remove(m_section);
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(EntryKey(m_section, i), m_files[i]);
}

void CRecentFileList::Add(const QString& path)
{
    QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path)
{
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
}
