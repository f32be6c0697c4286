// The main frame and the application: tabs that show what other tabs changed, New, the question
// on closing, a saved file opened from the recent files and at start-up, printing.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "ui/CDocManager.h"
#include "ui/CQ4150App.h"
#include "ui/CommandTable.h"
#include "ui/QtText.h"

#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

// With runs of blanks as one, as the printout lines them up.
QString CellText(INordaSetupType* type, int row, int col)
{
    return q4ui::ToQString(type->GetCellText(row, col)).simplified();
}

}  // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    // Tabs at the bottom, one a setup type; a tab shown again offers what another tab changed.
    void tabsShowTheSetupTypesAndRefreshWhenShown()
    {
        FrameFixture f;
        QTabWidget* tabs = f.frame->GetTabControl();
        QCOMPARE(tabs->tabPosition(), QTabWidget::South);
        QCOMPARE(tabs->count(), 4);
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), q4ui::ToQString(f.Type(i).m_strTitle));
        QVERIFY(!f.Grid(ST_LOGICAL).GetListItems(1, 1).contains(QStringLiteral("IN 11")));
        f.UseFirstInput();
        for (int tab : {ST_LOGICAL, ST_ALARM}) {
            f.Activate(tab);
            QCOMPARE(f.frame->GetActivePage(), tab);
            QVERIFY(f.Grid(tab).GetListItems(1, 1).contains(QStringLiteral("IN 11")));
        }
    }

    void fileNewResetsWithoutAsking()
    {
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));
        f.doc.SetTitle(QStringLiteral("old.q4g"));
        QVERIFY(f.doc.IsModified());
        f.frame->GetAction(ID_FILE_NEW)->trigger();  // a question here would hang the test
        QVERIFY(!f.doc.IsModified());
        QVERIFY(f.frame->windowTitle().startsWith(QStringLiteral("Untitled - ")));
        QCOMPARE(f.Grid(ST_GENERAL).GetItemText(3, 1), QStringLiteral("1"));
    }

    void closingModifiedDocumentAsks()
    {
        FrameFixture f;
        f.doc.SetModifiedFlag();
        AnswerNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!f.frame->close());
        QVERIFY(f.frame->isVisible());
        AnswerNextMessageBox(QMessageBox::Discard);
        QVERIFY(f.frame->close());
    }

    void savedFileReopensFromRecentFilesAndAtStartUp()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("saved.q4g"));
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("23"));
        QString suffix;
        AnswerNextModal([&suffix](QWidget* modal) {
            suffix = qobject_cast<QFileDialog*>(modal)->defaultSuffix();
            qobject_cast<QDialog*>(modal)->reject();
        });
        f.frame->GetAction(ID_FILE_SAVE_AS)->trigger();
        QCOMPARE(suffix, QStringLiteral("q4g"));
        QVERIFY(f.doc.IsModified());
        QVERIFY(f.frame->GetDocManager().DoSave(path));

        f.frame->GetAction(ID_FILE_NEW)->trigger();
        QAction* recent = nullptr;
        for (QAction* action : f.frame->menuBar()->actions().first()->menu()->actions()) {
            if (action->text() == QStringLiteral("&1 ") + path)
                recent = action;
        }
        QVERIFY(recent);
        recent->trigger();
        QCOMPARE(f.Grid(ST_GENERAL).GetItemText(3, 1), QStringLiteral("23"));
        QVERIFY(f.frame->windowTitle().startsWith(QStringLiteral("saved.q4g - ")));

        CQ4150App missing;
        AnswerNextMessageBox(QMessageBox::Ok);
        QVERIFY(!missing.InitInstance({dir.filePath(QStringLiteral("none.q4g"))}));
        CQ4150App app;
        QVERIFY(app.InitInstance({path}));
        CMainFrame* frame = app.GetMainFrame();
        QVERIFY(frame->windowTitle().startsWith(QStringLiteral("saved.q4g - ")));
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(3, 1), QStringLiteral("23"));
        frame->close();
        QSettings().remove(QStringLiteral("Recent File List"));
    }

    // One job: each page headed with the document, its sheet and the day of printing, numbered
    // over the job; each sheet on pages of its own, in tab order, only its print columns.
    void printCommandsPrintEveryTabOrTheShownOne_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("shown");
        QTest::newRow("every tab") << int(ID_FILE_PRINT_ALL) << int(ST_GENERAL);
        QTest::newRow("the shown tab") << int(ID_FILE_PRINT_CURRENT) << int(ST_ALARM);
    }

    void printCommandsPrintEveryTabOrTheShownOne()
    {
        QFETCH(int, command);
        QFETCH(int, shown);
        FrameFixture f;
        f.doc.SetTitle(QStringLiteral("tank.q4g"));
        f.Activate(shown);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("printed.pdf"));
        f.frame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        f.frame->GetPrinter().setOutputFileName(path);
        f.frame->GetPrinter().setPageSize(QPageSize(QPageSize::A6));  // the alarms need more than one page
        const QString dayBefore = QDate::currentDate().toString(Qt::ISODate);
        AnswerNextModal([](QWidget* modal) { QMetaObject::invokeMethod(modal, "accept"); });
        f.frame->GetAction(command)->trigger();
        const QString dayAfter = QDate::currentDate().toString(Qt::ISODate);
        QString text = PdfText(path);
        if (text.isNull())
            QSKIP("pdftotext is not installed");
        const QString words = text.simplified();
        std::vector<INordaSetupType*> printed = f.doc.GetNdSetup();
        if (command == ID_FILE_PRINT_CURRENT)
            printed = {&f.Type(shown)};
        QStringList pages = text.split(QLatin1Char('\f'));
        pages.removeLast();  // after the last page's form feed
        QVERIFY(pages.size() > int(printed.size()));
        QStringList sheets;  // of the pages, one entry for a run of pages of the same sheet
        for (int n = 1; n <= pages.size(); ++n) {
            QStringList lines;
            for (const QString& line : pages[n - 1].split(QLatin1Char('\n')))
                if (!line.simplified().isEmpty())
                    lines.push_back(line.simplified());
            QCOMPARE(lines.last(), QStringLiteral("Page %1 of %2").arg(n).arg(pages.size()));
            const QString& heading = lines.first();
            QVERIFY2(heading.startsWith(QStringLiteral("tank.q4g ")), qPrintable(heading));
            QVERIFY2(heading.endsWith(QLatin1Char(' ') + dayBefore) || heading.endsWith(QLatin1Char(' ') + dayAfter),
                     qPrintable(heading));
            QString sheet = heading.mid(9, heading.size() - 9 - 11);
            if (sheets.isEmpty() || sheets.last() != sheet)
                sheets.push_back(sheet);
        }
        QStringList titles;
        for (INordaSetupType* type : printed)
            titles.push_back(q4ui::ToQString(type->m_strTitle));
        QCOMPARE(sheets, titles);
        for (INordaSetupType* type : printed) {
            QVERIFY(words.contains(CellText(type, 1, 0)));
            for (int c = 0; c < type->m_nPrintCols; ++c)
                QVERIFY2(words.contains(CellText(type, 0, c)), qPrintable(CellText(type, 0, c)));
        }
        if (command == ID_FILE_PRINT_CURRENT) {
            for (int c = f.Type(shown).m_nPrintCols; c < f.Grid(shown).GetColumnCount(); ++c)
                QVERIFY2(!words.contains(CellText(&f.Type(shown), 0, c)), qPrintable(CellText(&f.Type(shown), 0, c)));
        }
    }
};

std::unique_ptr<QObject> MakeMainFrameTest()
{
    return std::make_unique<MainFrameTest>();
}

#include "MainFrameTest.moc"
