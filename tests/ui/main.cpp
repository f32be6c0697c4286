// Runs every user-interface test class offscreen, with settings and data in private directories.
#include "UiTests.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QTemporaryDir dataHome;  // where backups go unless a test chooses a folder
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Q4150"));

    int status = 0;
    for (auto& test : MakeUiTests())
        status |= QTest::qExec(test.get(), argc, argv);
    return status;
}
