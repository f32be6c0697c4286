// The desktop program's command line: the document to open and the options that end the
// program at once (help, version) or after its start (for checking an installation).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CCommandLine {
    Q_DECLARE_TR_FUNCTIONS(CCommandLine)

public:
    enum class Action { Run, Help, Version, Error };

    // arguments: the command line without the program name. --help wins over --version, and
    // both over a malformed rest, so that they can be answered before Qt has taken its own
    // options (-platform NAME) out of the line.
    static CCommandLine Parse(const QStringList& arguments);
    static QString Usage();
    static QString VersionLine();
    // Whether a file named on the command line, dropped on the window or opened by a file
    // manager is a plant (.q4plant) rather than a set-up.
    static bool IsPlantFile(const QString& path);

    Action m_action = Action::Run;
    QString m_file;
    bool m_quitAfterStart = false;
    QString m_error;
};
