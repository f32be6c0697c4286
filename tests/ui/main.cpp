// Runs the user-interface test classes offscreen, with settings and data in private directories:
// every one, or with "--class NAME" that one alone (ctest runs each class as a test of its own).
#include "UiTests.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QTemporaryDir dataHome;  // where backups go unless a test chooses a folder
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());

    QByteArray only;
    std::vector<char*> args(argv, argv + argc);
    for (size_t i = 1; i + 1 < args.size(); ++i) {
        if (std::strcmp(args[i], "--class") == 0) {
            only = args[i + 1];
            args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            break;
        }
    }
    argc = static_cast<int>(args.size());
    argv = args.data();

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Q4150"));

    int status = 0;
    bool ran = false;
    for (auto& test : MakeUiTests()) {
        if (!only.isEmpty() && only != test->metaObject()->className())
            continue;
        ran = true;
        status |= QTest::qExec(test.get(), argc, argv);
    }
    if (!ran) {
        std::fprintf(stderr, "no test class %s\n", only.constData());
        return 1;
    }
    return status;
}
