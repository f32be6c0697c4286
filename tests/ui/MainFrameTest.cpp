// The main frame and the application: tabs that show what other tabs changed, New, the question
// on closing, a saved file opened from the recent files and at start-up, printing.
#include "UiTests.h"

#include "FrameFixture.h"
#include "model/CDocumentFile.h"
#include "setup/alarms/CAlarm.h"
#include "ModalHelper.h"
#include "ui/compare/CCellListDlg.h"
#include "ui/compare/CCellListModel.h"
#include "ui/transfer/CChangeReportDlg.h"
#include "ui/document/CDocManager.h"
#include "ui/app/CQ4150App.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
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
    // New asks before a modified set-up is lost; Cancel keeps it, Discard starts afresh.
    void fileNewAsksToSave()
    {
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));
        AnswerNextMessageBox(QMessageBox::Cancel);
        f.frame->GetAction(ID_FILE_NEW)->trigger();
        QCOMPARE(f.Grid(ST_GENERAL).GetItemText(3, 1), QStringLiteral("17"));
        AnswerNextMessageBox(QMessageBox::Discard);
        f.frame->GetAction(ID_FILE_NEW)->trigger();
        QVERIFY(!f.doc.IsModified());
        QVERIFY(!f.frame->GetAction(ID_EDIT_UNDO)->isEnabled());
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
        QVERIFY(f.frame->windowTitle().startsWith(QStringLiteral("saved.q4g[*] - ")));

        CQ4150App missing;
        AnswerNextMessageBox(QMessageBox::Ok);
        QVERIFY(!missing.InitInstance({dir.filePath(QStringLiteral("none.q4g"))}));
        CQ4150App app;
        QVERIFY(app.InitInstance({path}));
        CMainFrame* frame = app.GetMainFrame();
        QVERIFY(frame->windowTitle().startsWith(QStringLiteral("saved.q4g[*] - ")));
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(3, 1), QStringLiteral("23"));
        frame->close();
        QSettings().remove(QStringLiteral("Recent File List"));
    }

    // A file with texts the unit cannot hold opens with a window listing them, marked in the
    // sheets until it closes; a file without opens without it, and New closes it.
    void openingAFileNamesTheTextsTheUnitCannotHold()
    {
        QTemporaryDir dir;
        const QString damaged = dir.filePath(QStringLiteral("damaged.q4g"));
        const QString clean = dir.filePath(QStringLiteral("clean.q4g"));
        {
            RecordingPrompt prompt;
            CQ4kUnit unit(prompt);
            unit.Initialize();
            QVERIFY(unit.GetSetupType(ST_PHYSICAL)->ValidateData(1, 1, "10 V"));
            QVERIFY(unit.GetSetupType(ST_ALARM)->ValidateData(1, CAlarm::COL_INPREF, "IN 11"));
            CDocumentFile file;
            QVERIFY(file.Save(unit, clean.toStdString()));
            // A flipped bit, as a damaged file holds it: "iN 11", which the unit holds as OFF.
            unit.GetSetupType(ST_ALARM)->GetProperty(1, CAlarm::COL_INPREF)->SetText("iN 11");
            QVERIFY(file.Save(unit, damaged.toStdString()));
        }
        FrameFixture f;
        QVERIFY(f.frame->GetDocManager().OpenDocumentFile(damaged));
        CCellListDlg* list = f.frame->GetCellList();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->GetModel().rowCount(), 1);
        const QAbstractItemModel& model = list->GetModel();
        QCOMPARE(model.data(model.index(0, CCellListModel::TextAColumn)).toString(), QStringLiteral("iN 11"));
        QCOMPARE(model.data(model.index(0, CCellListModel::TextBColumn)).toString(), QStringLiteral("OFF"));
        QVERIFY(list->windowTitle().startsWith(QStringLiteral("damaged.q4g - 1 cell")));
        QCOMPARE(f.Marked(ST_ALARM), (std::set<std::pair<int, int>>{{1, CAlarm::COL_INPREF}}));
        // Enter shows the cell in its sheet.
        QTest::keyClick(list->GetView(), Qt::Key_Return);
        QCOMPARE(f.frame->GetActivePage(), ST_ALARM);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(f.Marked(ST_ALARM).empty());

        QVERIFY(f.frame->GetDocManager().OpenDocumentFile(damaged));
        QVERIFY(list->isVisible());
        QVERIFY(f.frame->GetDocManager().OpenDocumentFile(clean));
        QVERIFY(!list->isVisible());
        QVERIFY(f.Marked(ST_ALARM).empty());
        QVERIFY(f.frame->GetDocManager().OpenDocumentFile(damaged));
        f.frame->GetAction(ID_FILE_NEW)->trigger();
        QVERIFY(!list->isVisible());
    }

    // One edit on every sheet, Flags and Save, with nothing but keys.
    void keysAloneEditAndSave()
    {
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("keys.q4g"));
        FrameFixture f;
        QVERIFY(f.frame->GetDocManager().DoSave(path));
        // Keys go where the user's keys would go: to an open list, else to the widget with the
        // focus. When a dialog has closed, the window gets the keys back, as a window manager does.
        auto target = [&f]() -> QWidget* {
            if (QWidget* popup = QApplication::activePopupWidget())
                return popup;
            if (!QApplication::activeWindow()) {
                f.frame->activateWindow();
                (void)QTest::qWaitForWindowActive(f.frame.get());
            }
            return QApplication::focusWidget();
        };
        // Each key is handled before the next, as typed by a hand.
        auto keys = [&](const QString& text) {
            for (QChar ch : text) {
                QTest::keyClicks(target(), QString(ch));
                QTest::qWait(1);
            }
        };
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QTest::keyClick(target(), k, mods);
            QTest::qWait(1);
        };
        QVERIFY(f.frame->GetDocManager().OpenDocumentFile(path));  // as from the command line
        QVERIFY(QApplication::focusWidget());  // the sheet shown takes the keys from the start

        key(Qt::Key_Down);
        key(Qt::Key_Down);  // Station number
        keys(QStringLiteral("42"));
        key(Qt::Key_Return);
        key(Qt::Key_Tab, Qt::ControlModifier);
        keys(QStringLiteral("10 V"));
        key(Qt::Key_Tab);   // on to LCDU; then to InpUp
        for (int i = 0; i < 3; ++i)
            key(Qt::Key_Right);
        keys(QStringLiteral("10"));
        key(Qt::Key_Return);
        key(Qt::Key_PageDown, Qt::ControlModifier);
        keys(QStringLiteral("IN 11"));
        key(Qt::Key_Return);
        key(Qt::Key_Tab, Qt::ControlModifier);
        keys(QStringLiteral("11"));
        key(Qt::Key_Return);
        key(Qt::Key_Up);
        for (int i = 1; i < CAlarm::COL_FLAGS; ++i)
            key(Qt::Key_Right);
        AnswerNextModal([&](QWidget*) {
            key(Qt::Key_Down);  // the first flag: OFF to ON
            key(Qt::Key_Return);
        });
        key(Qt::Key_Return);
        QTRY_COMPARE(f.Grid(ST_ALARM).GetItemText(1, CAlarm::COL_FLAGS), QStringLiteral("B"));
        key(Qt::Key_Tab, Qt::ControlModifier);  // round to the first sheet, and back
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        key(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(f.frame->GetActivePage(), int(ST_LOGICAL));
        QVERIFY(f.doc.IsModified());
        key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.doc.IsModified());

        RecordingPrompt prompt;
        CQ4kUnit saved(prompt);
        CDocumentFile file;
        QVERIFY(file.Load(saved, path.toStdString()));
        const std::tuple<int, int, int, const char*> expected[] = {
            {ST_GENERAL, 3, 1, "42"}, {ST_PHYSICAL, 1, 1, "10 V"}, {ST_PHYSICAL, 1, 5, "10"},
            {ST_LOGICAL, 1, 1, "IN 11"}, {ST_ALARM, 1, CAlarm::COL_INPREF, "IN 11"}, {ST_ALARM, 1, CAlarm::COL_FLAGS, "B"}};
        for (const auto& [type, row, col, text] : expected)
            QCOMPARE(saved.GetSetupType(type)->GetCellText(row, col), std::string(text));
    }

    // The first window shows the alarm settings up to Flags; size, place and sheet come back.
    void windowStateIsRememberedAndRestored()
    {
        QSettings().remove(QStringLiteral("MainWindow"));
        {
            FrameFixture f;
            f.frame->RestoreWindowState();
            CZTGridCtrl& alarms = f.Grid(ST_ALARM);
            int needed = 0;
            for (int c = 0; c <= CAlarm::COL_FLAGS; ++c)
                needed += alarms.GetColumnWidth(c);
            QVERIFY(f.frame->width() >= needed);
            QVERIFY(f.frame->width() <= 1366);
            f.frame->resize(711, 555);
            f.Activate(ST_LOGICAL);
            QVERIFY(f.frame->close());
        }
        FrameFixture again;
        again.frame->RestoreWindowState();
        QCOMPARE(again.frame->size(), QSize(711, 555));
        QCOMPARE(again.frame->GetActivePage(), int(ST_LOGICAL));
        QSettings().remove(QStringLiteral("MainWindow"));
    }

    // The window and its status bar lie within the screen, on a first start as with a size and
    // place remembered from a larger screen (or a smaller scale).
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("remembered");  // null: nothing remembered
        QTest::newRow("first start") << QRect();
        QTest::newRow("from a larger screen") << QRect(1000, 700, 1600, 1100);
        QTest::newRow("off to the left") << QRect(-900, 100, 700, 400);
    }

    void windowFitsTheScreen()
    {
        QFETCH(QRect, remembered);
        QSettings().remove(QStringLiteral("MainWindow"));
        if (!remembered.isNull()) {
            FrameFixture before;
            before.frame->setGeometry(remembered);
            before.frame->SaveWindowState();
        }
        FrameFixture f;
        // As the program starts: the state restored before the window is shown.
        f.frame->hide();
        f.frame->RestoreWindowState();
        f.frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.frame.get()));
        QTest::qWait(1);
        const QRect screen = f.frame->screen()->availableGeometry();
        const QRect window = f.frame->frameGeometry();
        QVERIFY2(screen.contains(window), qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                                                         .arg(window.x()).arg(window.y()).arg(window.width())
                                                         .arg(window.height()).arg(screen.width()).arg(screen.height())));
        QStatusBar* status = f.frame->statusBar();
        QVERIFY(status->isVisible());
        QVERIFY(screen.contains(QRect(status->mapToGlobal(QPoint(0, 0)), status->size())));
        QSettings().remove(QStringLiteral("MainWindow"));
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
        AnswerNextModal([](QWidget* modal) { QMetaObject::invokeMethod(modal, "accept"); });
        f.frame->GetAction(command)->trigger();
        const QString today = QDate::currentDate().toString(Qt::ISODate);
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
            QVERIFY2(heading.endsWith(QLatin1Char(' ') + today), qPrintable(heading));
            QString sheet = heading.mid(9, heading.size() - 9 - 11);
            if (sheets.isEmpty() || sheets.last() != sheet)
                sheets.push_back(sheet);
        }
        QStringList titles;
        for (INordaSetupType* type : printed)
            titles.push_back(q4ui::ToQString(type->m_strTitle));
        titles.push_back(QStringLiteral("Findings"));  // the set-up checks' page ends every printout
        QCOMPARE(sheets, titles);
        for (int c = 0; c < f.Type(shown).m_nPrintCols; ++c)
            QVERIFY2(words.contains(CellText(&f.Type(shown), 0, c)), qPrintable(CellText(&f.Type(shown), 0, c)));
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
