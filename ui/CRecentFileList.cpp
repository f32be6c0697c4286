// The recent-file list and its settings.
#include "ui/CRecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const g_strSection = "Recent File List";

QString EntryKey(int index)
{
    return QStringLiteral("%1/File%2").arg(QLatin1String(g_strSection)).arg(index + 1);
}

}  // namespace

CRecentFileList::CRecentFileList(int size)
    : m_nSize(size)
{
}

void CRecentFileList::ReadList()
{
    QSettings settings;
    m_list.clear();
    for (int i = 0; i < m_nSize; ++i) {
        QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_list.contains(path))
            m_list << path;
    }
}

void CRecentFileList::WriteList() const
{
    QSettings settings;
    settings.remove(QLatin1String(g_strSection));
    for (int i = 0; i < m_list.size(); ++i)
        settings.setValue(EntryKey(i), m_list[i]);
}

void CRecentFileList::Add(const QString& path)
{
    QString absolute = QFileInfo(path).absoluteFilePath();
    m_list.removeAll(absolute);
    m_list.prepend(absolute);
    while (m_list.size() > m_nSize)
        m_list.removeLast();
}

void CRecentFileList::Remove(const QString& path)
{
    m_list.removeAll(QFileInfo(path).absoluteFilePath());
}
