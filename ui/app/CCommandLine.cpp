// Parsing the desktop program's command line.
#include "ui/app/CCommandLine.h"

#include "model/Q4Version.h"

CCommandLine CCommandLine::Parse(const QStringList& arguments)
{
    CCommandLine line;
    bool help = false;
    bool version = false;
    bool optionsEnd = false;
    for (const QString& argument : arguments) {
        if (!optionsEnd && argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            if (argument == QLatin1String("--"))
                optionsEnd = true;
            else if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
                help = true;
            else if (argument == QLatin1String("--version"))
                version = true;
            else if (argument == QLatin1String("--quit-after-start"))
                line.m_quitAfterStart = true;
            else if (line.m_error.isEmpty())
                line.m_error = QStringLiteral("unknown option %1").arg(argument);
        } else if (line.m_file.isEmpty()) {
            line.m_file = argument;
        } else if (line.m_error.isEmpty()) {
            line.m_error = QStringLiteral("one document at a time: %1 and %2").arg(line.m_file, argument);
        }
    }
    if (help)
        line.m_action = Action::Help;
    else if (version)
        line.m_action = Action::Version;
    else if (!line.m_error.isEmpty())
        line.m_action = Action::Error;
    return line;
}

QString CCommandLine::Usage()
{
    // The command line speaks English, as q4150cli and the manual pages do.
    return QStringLiteral("usage: q4150 [--quit-after-start] [FILE]\n"
              "       q4150 --help | --version\n"
              "\n"
              "The Q4150 Programmer: edits, prints and transfers the set-up of a Q4000-30\n"
              "annunciator. Opens FILE when given: a Q4150 document (.q4g), or a plant\n"
              "(.q4plant), whose units the Plant panel lists.\n"
              "\n"
              "  --help              print this text and exit\n"
              "  --version           print the version and exit\n"
              "  --quit-after-start  open the window (and FILE), print its title (and the plant\n"
              "                      opened, with its number of units) and exit, for checking an\n"
              "                      installation (QT_QPA_PLATFORM=offscreen needs no display);\n"
              "                      exit status 1 when FILE cannot be opened\n"
              "Qt's own options (-platform NAME, -style NAME, ...) are taken as well.\n");
}

bool CCommandLine::IsPlantFile(const QString& path)
{
    return path.endsWith(QLatin1String(".q4plant"), Qt::CaseInsensitive);
}

QString CCommandLine::VersionLine()
{
    return QStringLiteral("q4150 %1\n").arg(QLatin1String(q4::VERSION));
}
