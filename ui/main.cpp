// The Q4150 Programmer: edits, keeps, prints and transfers the set-up of a Q4000-30 unit.
#include "ui/app/CCommandLine.h"
#include "ui/common/CLanguage.h"
#include "ui/app/CMainFrame.h"
#include "ui/plant/CPlantUi.h"
#include "ui/app/CQ4150App.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

// For checking an installation without anyone at the screen: a message box shown during the
// start (the document cannot be opened) goes to standard error and is closed at once.
class CMessagesToStandardError : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
        if (box) {
            std::fprintf(stderr, "q4150: %s\n", qPrintable(box->text()));
            // Closed once its own event loop runs; closed before, the box would wait forever.
            QTimer::singleShot(0, box, &QWidget::close);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    // Help and version need no display: they are answered before Qt starts.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    CCommandLine early = CCommandLine::Parse(raw);
    if (early.m_action == CCommandLine::Action::Help || early.m_action == CCommandLine::Action::Version) {
        QString text = early.m_action == CCommandLine::Action::Help ? CCommandLine::Usage() : CCommandLine::VersionLine();
        std::fputs(qPrintable(text), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    CCommandLine commandLine = CCommandLine::Parse(QApplication::arguments().mid(1));
    if (commandLine.m_action == CCommandLine::Action::Error) {
        std::fprintf(stderr, "q4150: %s; try q4150 --help\n", qPrintable(commandLine.m_error));
        return 2;
    }
    // The settings hold the language; the translators go in before any window is made.
    CQ4150App::SetSettingsNames();
    CLanguage::Install(app, CLanguage::Load());
    CMessagesToStandardError messages;
    if (commandLine.m_quitAfterStart)
        app.installEventFilter(&messages);
    CQ4150App theApp;
    if (!theApp.InitInstance(commandLine.m_file))
        return 1;
    if (commandLine.m_quitAfterStart) {
        // Runs once the event loop has started, with the window shown.
        QTimer::singleShot(0, &app, [&theApp] {
            const CMainFrame* frame = theApp.GetMainFrame();
            QString title = frame->windowTitle();
            title.replace(QStringLiteral("[*]"), frame->isWindowModified() ? QStringLiteral("*") : QString());
            std::printf("%s\n", qPrintable(title));
            if (const CPlant* plant = frame->GetPlantUi().GetPlant())
                std::printf("plant %s: %zu units\n", plant->GetName().c_str(), plant->GetUnits().size());
            QApplication::quit();
        });
    }
    return app.exec();
}
