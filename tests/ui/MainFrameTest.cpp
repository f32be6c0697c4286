// The main frame and the application: tabs and caption, commands and their bars, New, the
// question on closing, start-up with a file, printing to PDF, About and help.
#include "UiTests.h"

#include "FakeSetupType.h"
#include "ModalHelper.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"
#include "ui/CAboutDlg.h"
#include "ui/CDocManager.h"
#include "ui/CHelpDlg.h"
#include "ui/CMainFrame.h"
#include "ui/CQ4150App.h"
#include "ui/QtText.h"
#include "ui/CQ4150Doc.h"
#include "ui/CQ4150View.h"
#include "ui/CZTGridCtrl.h"
#include "ui/CommandTable.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList g_Titles = {"General", "Physical Input", "Logical Input", "Alarm"};

// A frame over the document, started the way the application starts it.
std::unique_ptr<CMainFrame> StartFrame(CQ4150Doc& doc)
{
    doc.OnNewDocument();
    auto frame = std::make_unique<CMainFrame>(doc);
    frame->ResetViews();
    frame->show();
    return frame;
}

// The text of a PDF file, or a null string when pdftotext is missing.
QString PdfText(const QString& path)
{
    QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& text)
{
    return static_cast<int>(text.count(QLatin1Char('\f')));
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void tabsAndCaptionAfterStartUp()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QTabWidget* tabs = frame->GetTabControl();
        QCOMPARE(tabs->tabPosition(), QTabWidget::South);
        QCOMPARE(tabs->count(), static_cast<int>(doc.GetNdSetup().size()));
        QVERIFY(tabs->count() >= 1);
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), g_Titles[i]);
        QCOMPARE(frame->GetActivePage(), 0);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Untitled - Norda Q4150 Programmer"));
    }

    void activatedTabShowsChangesMadeElsewhere()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt, 2);
        auto frame = StartFrame(doc);
        QCOMPARE(frame->GetTabControl()->tabText(1), QStringLiteral("Fake"));
        doc.Fake(1).GetProperty(2, 3)->SetSelText("7.5");
        QCOMPARE(frame->GetQ4View(1)->GetGrid()->GetItemText(2, 3), QStringLiteral("0"));
        frame->GetTabControl()->setCurrentIndex(1);
        QCOMPARE(frame->GetActivePage(), 1);
        QVERIFY(frame->GetQ4View(1)->m_bActive);
        QVERIFY(!frame->GetQ4View(0)->m_bActive);
        QCOMPARE(frame->GetQ4View(1)->GetGrid()->GetItemText(2, 3), QStringLiteral("7.5"));
    }

    void commandsHaveTheirMenusAndKeys()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QStringList menus;
        for (QAction* menu : frame->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
        const std::pair<int, const char*> keys[] = {
            {ID_FILE_NEW, "Ctrl+N"}, {ID_FILE_SAVE_AS, "Ctrl+A"}, {ID_FILE_PRINT_CURRENT, "Ctrl+P"},
            {ID_FILE_PRINT_PREVIEW, "Ctrl+W"}, {ID_EDIT_CUTEX, "Ctrl+X"}, {ID_EDIT_PASTEEX, "Ctrl+V"},
            {ID_EDIT_CUT, "Shift+Del"}};
        for (auto [id, key] : keys)
            QVERIFY(frame->GetAction(id)->shortcuts().contains(QKeySequence(QString::fromLatin1(key))));
        QVERIFY(frame->GetAction(ID_FILE_PRINT_ALL)->shortcuts().isEmpty());
        QCOMPARE(frame->GetAction(ID_UPLOAD)->statusTip(), QStringLiteral("Upload data to Q4000 unit"));
        QCOMPARE(frame->GetAction(ID_DOWNLOAD)->toolTip(), QStringLiteral("Download data from Q4000"));
    }

    void fileNewResetsWithoutAsking()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.GetUnit()->GetSetupType(0)->ValidateData(3, 1, "17");
        doc.SetModifiedFlag();
        doc.SetTitle(QStringLiteral("old.q4g"));
        frame->GetAction(ID_FILE_NEW)->trigger();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!doc.IsModified());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Untitled - Norda Q4150 Programmer"));
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(3, 1), QStringLiteral("1"));
    }

    void closingModifiedDocumentAsks()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.SetModifiedFlag();
        AnswerNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        AnswerNextMessageBox(QMessageBox::Discard);
        QVERIFY(frame->close());
    }

    void saveAsThenReopenFromRecentFiles()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("saved.q4g"));
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.GetUnit()->GetSetupType(0)->ValidateData(3, 1, "23");
        doc.SetModifiedFlag();
        QString filter, suffix;
        AnswerNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            filter = dialog->nameFilters().join(QLatin1Char(';'));
            suffix = dialog->defaultSuffix();
            dialog->reject();
        });
        frame->GetAction(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(filter, QStringLiteral("Q4150 Files (*.q4g)"));
        QCOMPARE(suffix, QStringLiteral("q4g"));
        QVERIFY(doc.IsModified());
        QVERIFY(frame->GetDocManager().DoSave(path));
        QCOMPARE(frame->windowTitle(), QStringLiteral("saved.q4g - Norda Q4150 Programmer"));

        frame->GetAction(ID_FILE_NEW)->trigger();
        QAction* recent = nullptr;
        for (QAction* action : frame->menuBar()->actions().first()->menu()->actions()) {
            if (action->text() == QStringLiteral("&1 ") + path)
                recent = action;
        }
        QVERIFY(recent);
        recent->trigger();
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(3, 1), QStringLiteral("23"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("saved.q4g - Norda Q4150 Programmer"));
        QSettings().remove(QStringLiteral("Recent File List"));
    }

    void startUpOpensTheNamedFile()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("plant.q4g"));
        {
            RecordingPrompt prompt;
            CQ4150Doc doc(prompt);
            doc.OnNewDocument();
            doc.GetUnit()->GetSetupType(0)->ValidateData(3, 1, "42");
            QString error;
            QVERIFY(doc.OnSaveDocument(path, error));
        }
        CQ4150App app;
        QVERIFY(app.InitInstance({path}));
        CMainFrame* frame = app.GetMainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("plant.q4g - Norda Q4150 Programmer"));
        QCOMPARE(frame->GetActivePage(), 0);
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(3, 1), QStringLiteral("42"));
        frame->close();
    }

    void startUpWithMissingFileFails()
    {
        CQ4150App app;
        AnswerNextMessageBox(QMessageBox::Ok);
        QVERIFY(!app.InitInstance({QStringLiteral("/nonexistent/none.q4g")}));
    }

    void printingAllTabsToPdf()
    {
        RecordingPrompt prompt;
        FakeDoc fakes(prompt, 2);
        auto fakeFrame = StartFrame(fakes);
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("all.pdf"));
        frame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        frame->GetPrinter().setOutputFileName(path);
        std::vector<CQ4150View*> views;
        for (int i = 0; i < frame->GetViewCount(); ++i)
            views.push_back(frame->GetQ4View(i));
        QVERIFY(frame->PrintViews(views));
        QString text = PdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        QCOMPARE(PdfPages(text), static_cast<int>(views.size()));
        for (INordaSetupType* type : doc.GetNdSetup()) {
            for (int c = 0; c < type->m_nPrintCols; ++c)
                QVERIFY2(text.contains(q4ui::ToQString(type->GetCellText(0, c)).trimmed()), (type->m_strTitle + " column " + std::to_string(c)).c_str());
        }
        QVERIFY(text.contains(QStringLiteral("Device Number")));
        QVERIFY(text.contains(QStringLiteral("MODBUS")));

        // Only the first print columns; the active tab alone for the current-page command.
        QString fakePath = dir.filePath(QStringLiteral("fake.pdf"));
        fakeFrame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        fakeFrame->GetPrinter().setOutputFileName(fakePath);
        fakeFrame->GetQ4View(1)->GetGrid()->SetItemText(1, 1, QStringLiteral("second tab"));
        QVERIFY(fakeFrame->PrintViews({fakeFrame->GetActiveQ4View()}));
        QString fakeText = PdfText(fakePath);
        QVERIFY(fakeText.contains(QStringLiteral("State")));
        QVERIFY(fakeText.contains(QStringLiteral("Name")));
        QVERIFY(!fakeText.contains(QStringLiteral("Value")));
        QVERIFY(!fakeText.contains(QStringLiteral("second tab")));
        QCOMPARE(PdfPages(fakeText), 1);
    }

    void printDialogConfirmedPrintsEveryTab()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt, 3);
        auto frame = StartFrame(doc);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("confirmed.pdf"));
        frame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        frame->GetPrinter().setOutputFileName(path);
        int dialogs = 0;
        AnswerNextModal([&dialogs](QWidget* modal) {
            dialogs += qobject_cast<QPrintDialog*>(modal) ? 1 : 0;
            QMetaObject::invokeMethod(modal, "accept");
        });
        frame->GetAction(ID_FILE_PRINT_ALL)->trigger();
        QCOMPARE(dialogs, 1);
        QString text = PdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        QCOMPARE(PdfPages(text), 3);
    }

    void aboutBoxShowsThisBuild()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QString shown, title;
        AnswerNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            if (auto* label = modal->findChild<QLabel*>(QStringLiteral("version1009")))
                shown = label->text();
            qobject_cast<QDialog*>(modal)->accept();
        });
        frame->GetAction(ID_APP_ABOUT)->trigger();
        QCOMPARE(title, QStringLiteral("About Q4150"));
        QCOMPARE(shown, QStringLiteral("Q4150-30 Programmer Version 1.01"));
        QCOMPARE(CAboutDlg::VersionText(1, 12, 3), QStringLiteral("Q4150-30 Programmer Version 1.123"));
    }

    void helpTopicsShowTheHelpText()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QVERIFY(!frame->GetHelpDialog()->isVisible());
        frame->GetAction(ID_HELP_FINDER)->trigger();
        QVERIFY(frame->GetHelpDialog()->isVisible());
        QCOMPARE(frame->GetHelpDialog()->windowTitle(), QStringLiteral("Q4150 Programmer Help"));
        QString text = frame->GetHelpDialog()->findChild<QPlainTextEdit*>()->toPlainText();
        QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 4);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("The NORDA Q4150 Programmer is a new Windows based PC application")));
        QCOMPARE(paragraphs[1], QStringLiteral("The present version is a Beta version of the program."));
    }
};

std::unique_ptr<QObject> MakeMainFrameTest()
{
    return std::make_unique<MainFrameTest>();
}

#include "MainFrameTest.moc"
