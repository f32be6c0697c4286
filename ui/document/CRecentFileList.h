// The list of the most recently used document files, kept in the settings under
// "Recent File List" as "File1" (the newest) to "File4"; another section for other files.
#pragma once

#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4, QString section = QStringLiteral("Recent File List"));

    void ReadList();
    void WriteList() const;
    // Puts the file first (once), dropping the oldest beyond the size.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& GetList() const { return m_files; }
    int GetSize() const { return m_size; }

private:
    int m_size;
    QString m_section;
    QStringList m_files;
};
