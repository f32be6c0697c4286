// Every window of the program, in English and in German: no label or button is narrower than
// its text, no two accelerators of a window take the same letter (the main window's panels none
// of its menu bar's), and, run at twice the scale on a 1600 x 1000 screen, every window opens
// within the screen.
#include "UiTests.h"

#include "ProgramWindows.h"

#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QtTest>

namespace {

// The program's language for as long as it lives, as the program installs it at its start: its
// own translation, and Qt's for the standard buttons where the system has it.
class Language {
public:
    explicit Language(const QString& code)
    {
        if (code == QLatin1String("en"))
            return;
        QVERIFY(m_own.load(QStringLiteral(":/i18n/q4150_%1.qm").arg(code)));
        QCoreApplication::installTranslator(&m_own);
        if (m_qt.load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
    }
    ~Language()
    {
        QCoreApplication::removeTranslator(&m_qt);
        QCoreApplication::removeTranslator(&m_own);
    }
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

private:
    QTranslator m_own;
    QTranslator m_qt;
};

void AddRows(bool bothLanguages)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window");
    const std::vector<ProgramWindow> windows = ProgramWindows();
    for (const char* language : {"en", "de"}) {
        if (!bothLanguages && QByteArray(language) != "en")
            continue;
        for (size_t i = 0; i < windows.size(); ++i)
            QTest::addRow("%s %s", language, windows[i].name) << QString::fromLatin1(language) << int(i);
    }
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsShowTheirWholeTexts_data() { AddRows(true); }

    void windowsShowTheirWholeTexts()
    {
        QFETCH(QString, language);
        QFETCH(int, window);
        Language speaking(language);
        PlantFrame f;
        ProgramWindows()[static_cast<size_t>(window)].open(f, [](QWidget& shown) {
            const QStringList cut = CutTexts(shown);
            QVERIFY2(cut.isEmpty(), qPrintable(shown.windowTitle() + QStringLiteral(": ") + cut.join(QStringLiteral("; "))));
            const QStringList clashes = ClashingAccelerators(shown);
            QVERIFY2(clashes.isEmpty(), qPrintable(shown.windowTitle() + QStringLiteral(": ") + clashes.join(QStringLiteral("; "))));
        });
    }

    // The windows' sizes follow the texts of either language; at twice the scale the German
    // ones are the larger.
    void windowsFitTheScreen_data() { AddRows(true); }

    void windowsFitTheScreen()
    {
        QFETCH(QString, language);
        QFETCH(int, window);
        Language speaking(language);
        PlantFrame f;
        ProgramWindows()[static_cast<size_t>(window)].open(f, [](QWidget& shown) {
            const QRect screen = shown.screen()->availableGeometry();
            const QRect outer = shown.frameGeometry();
            QVERIFY2(screen.contains(outer), qPrintable(QStringLiteral("%1: %2,%3 %4x%5 on %6x%7")
                                                             .arg(shown.windowTitle())
                                                             .arg(outer.x()).arg(outer.y())
                                                             .arg(outer.width()).arg(outer.height())
                                                             .arg(screen.width()).arg(screen.height())));
        });
    }
};

std::unique_ptr<QObject> MakeWindowsTest()
{
    return std::make_unique<WindowsTest>();
}

#include "WindowsTest.moc"
