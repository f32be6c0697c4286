// The set-up checks in the desktop program: the Checks panel and the status bar follow an edit, a
// paste and Undo; the grid marks the cells (readable on a dark palette, heard by a screen reader);
// Enter goes to a finding's cell, Escape back, F1 to its rule; a rule ignored from the context menu
// for the plant's unit or every set-up, and taken back; the printout's page of findings.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "compare/CSetupTyping.h"
#include "model/CDocumentFile.h"
#include "plant/CPlant.h"
#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/checks/CChecksModel.h"
#include "ui/checks/CChecksPanel.h"
#include "ui/checks/CChecksUi.h"
#include "ui/document/CDocManager.h"
#include "ui/help/CHelpDlg.h"
#include "ui/plant/CPlantModel.h"
#include "ui/plant/CPlantUi.h"
#include "ui/transfer/CTransferController.h"
#include "ui/grid/CellColours.h"
#include "ui/common/CommandTable.h"
#include "ui/grid/FindingMarks.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <set>

namespace {

// The findings the panel lists, as "rule sheet/row/col".
QStringList Listed(const CChecksModel& model)
{
    QStringList listed;
    for (const Finding& f : model.GetFindings())
        listed << QStringLiteral("%1 %2/%3/%4").arg(QString::fromStdString(f.rule)).arg(f.cell.sheet).arg(f.cell.row).arg(f.cell.col);
    listed.sort();
    return listed;
}

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {path, QStringLiteral("-")});
    process.waitForFinished(20000);
    // The font's ligatures ("\uFB01" for "fi") as their letters.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

struct Checks : FrameFixture {
    CChecksUi& Ui() const { return frame->GetChecksUi(); }
    CChecksModel& Model() const { return Ui().GetModel(); }
    QString Count() const { return Ui().GetCountLabel()->text(); }
    // Severity (as int) of a grid cell's mark, -1 for none.
    int Mark(int tab, int row, int col) const
    {
        const QVariant mark = Grid(tab).IndexAt(row, col).data(CSheetModel::FindingRole);
        return mark.isValid() ? mark.toInt() : -1;
    }
    // IN 11 in use and watched by alarm 1 for a value above 50, named and lit: no findings.
    void TypeCleanSetup() const
    {
        UseFirstInput();
        Edit(ST_PHYSICAL, 1, 6, QStringLiteral("100"));
        Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        Edit(ST_ALARM, 1, CAlarm::COL_SIGN, QStringLiteral(">"));
        Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("50"));
        Edit(ST_ALARM, 1, CAlarm::COL_TEXT, QStringLiteral("TANK"));
        Edit(ST_ALARM, 1, CAlarm::COL_LED, QStringLiteral("1"));
    }
    int Row(const char* rule) const
    {
        for (int r = 0; r < Model().rowCount(); ++r)
            if (Model().At(r).rule == rule)
                return r;
        return -1;
    }
};

class ChecksTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("Checks")); }

    // Tools > Upload asks about what the checks find before anything is read, the cells marked
    // while it asks; No writes nothing. A rule ignored for every set-up is not asked about.
    void uploadAsksAboutWhatTheChecksFind()
    {
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));  // > 100 of 0 to 100: never trips
        CEmulatorServer emulator;
        QVERIFY(emulator.Start());
        UnitPortSettings port;
        port.port = emulator.GetSlavePath();
        port.line.m_baudRate = 110;
        port.fixedWaitMs = 5;
        f.frame->GetTransfers().SetPort(port);
        CBackupSettings{false, {}, false}.Save();
        std::set<std::pair<int, int>> marked;
        f.prompt.m_onShow = [&f, &marked] { marked = f.Marked(ST_ALARM); };
        f.prompt.AnswerNext(IMessagePrompt::IDCANCEL);
        QVERIFY(f.frame->GetTransfers().Upload(CBackupSettings::Load()));
        QTRY_VERIFY_WITH_TIMEOUT(!f.frame->IsTransferring(), 30000);
        QCOMPARE(f.prompt.Messages().size(), size_t(1));
        const std::string& asked = f.prompt.Messages()[0].text;
        QVERIFY2(asked.find("Alarm 1 (A11) watches IN 11 for a value > 100") != std::string::npos, asked.c_str());
        QVERIFY2(asked.find("Upload anyway?") != std::string::npos, asked.c_str());
        QVERIFY(marked.count({1, CAlarm::COL_SETPOINT}));
        QVERIFY(f.Marked(ST_ALARM).empty());
        QCOMPARE(emulator.GetRequestCount(), 0);

        CChecksUi::SetIgnoredEverywhere({"never-trips"});
        f.prompt.Clear();
        QVERIFY(f.frame->GetTransfers().Upload(CBackupSettings::Load()));
        QTRY_VERIFY_WITH_TIMEOUT(!f.frame->IsTransferring(), 30000);
        QVERIFY(f.prompt.Messages().empty());
        QVERIFY(emulator.GetWriteCount() > 0);
    }

    void panelAndStatusBarFollowEditsPastesAndUndo()
    {
        Checks f;
        QVERIFY(f.Ui().GetPanel()->isVisible());
        QCOMPARE(f.Model().rowCount(), 0);
        QCOMPARE(f.Count(), QStringLiteral("No findings"));

        // IN 11 in use, its display range still 0 to 0, no alarm on it.
        f.UseFirstInput();
        QCOMPARE(Listed(f.Model()), (QStringList{"flat-scale 1/1/6", "unwatched-input 1/1/1"}));
        QCOMPARE(f.Count(), QStringLiteral("1 warning, 1 note"));
        QCOMPARE(f.Mark(ST_PHYSICAL, 1, 6), static_cast<int>(Severity::Warning));
        QCOMPARE(f.Mark(ST_PHYSICAL, 1, 4), static_cast<int>(Severity::Warning));  // the other end named
        QCOMPARE(f.Mark(ST_PHYSICAL, 1, 5), -1);

        f.TypeCleanSetup();
        QCOMPARE(f.Model().rowCount(), 0);
        QCOMPARE(f.Mark(ST_PHYSICAL, 1, 6), -1);
        QCOMPARE(f.Count(), QStringLiteral("No findings"));

        // A set point at the top of the range, typed; then taken back and done again.
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));
        QCOMPARE(Listed(f.Model()), QStringList{"never-trips 3/1/4"});
        QCOMPARE(f.Count(), QStringLiteral("1 error"));
        QCOMPARE(f.Mark(ST_ALARM, 1, CAlarm::COL_SETPOINT), static_cast<int>(Severity::Error));
        f.frame->GetAction(ID_EDIT_UNDO)->trigger();
        QCOMPARE(f.Model().rowCount(), 0);
        QCOMPARE(f.Mark(ST_ALARM, 1, CAlarm::COL_SETPOINT), -1);
        QCOMPARE(f.Count(), QStringLiteral("No findings"));
        f.frame->GetAction(ID_EDIT_REDO)->trigger();
        QCOMPARE(Listed(f.Model()), QStringList{"never-trips 3/1/4"});

        // A pasted row of another alarm alike.
        CZTGridCtrl& alarms = f.Activate(ST_ALARM);
        QApplication::clipboard()->setText(QStringLiteral("IN 11\tOFF\t>\t100\tAGAIN"));
        alarms.SetFocusCell(2, 1);
        f.View(ST_ALARM).OnEditPasteEx();
        QCOMPARE(Listed(f.Model()), (QStringList{"duplicate-alarm 3/2/4", "never-trips 3/1/4", "never-trips 3/2/4",
                                                 "unseen-alarm 3/2/7"}));
        QCOMPARE(f.Count(), QStringLiteral("2 errors, 2 warnings"));
        // Errors first in the panel.
        QCOMPARE(f.Model().index(0, CChecksModel::SeverityColumn).data().toString(), QStringLiteral("Error"));
        QCOMPARE(f.Model().index(3, CChecksModel::SeverityColumn).data().toString(), QStringLiteral("Warning"));
        QCOMPARE(f.Model().index(0, CChecksModel::ChannelColumn).data().toString(), QStringLiteral("Alarm 1 (A11)"));
    }

    // What the checks say of a cell is in its tool-tip and what a screen reader hears of it.
    void markedCellSaysWhatIsWrong()
    {
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));
        const QModelIndex cell = f.Grid(ST_ALARM).IndexAt(1, CAlarm::COL_SETPOINT);
        const QString said = QStringLiteral("Error: Alarm 1 (A11) watches IN 11 for a value > 100");
        QVERIFY2(cell.data(Qt::AccessibleDescriptionRole).toString().startsWith(said),
                 qPrintable(cell.data(Qt::AccessibleDescriptionRole).toString()));
        QVERIFY(cell.data(Qt::ToolTipRole).toString().contains(said));
        // A cell without findings says what it takes, as before.
        QCOMPARE(f.Grid(ST_ALARM).IndexAt(1, CAlarm::COL_DELAY).data(Qt::AccessibleDescriptionRole).toString().contains(QStringLiteral("Error")), false);
    }

    // The corner stands out from the cell on a light and on a dark palette (3 to 1 at least).
    void markReadsOnLightAndDarkPalettes_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("dark") << QColor(0x23, 0x26, 0x29) << QColor(0xEF, 0xF0, 0xF1);
        QTest::newRow("amber base") << QColor(0xE0, 0x90, 0x00) << QColor(Qt::black);
    }
    void markReadsOnLightAndDarkPalettes()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));  // an error
        f.Edit(ST_ALARM, 2, CAlarm::COL_INPREF, QStringLiteral("IN 11"));  // unseen and unnamed: warnings
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));    // a note
        CZTGridCtrl& grid = f.Activate(ST_ALARM);
        QPalette palette = grid.palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Text, text);
        grid.setPalette(palette);
        grid.scrollToTop();
        grid.horizontalScrollBar()->setValue(0);
        const QImage shot = grid.viewport()->grab().toImage();
        const std::pair<int, int> cells[] = {{1, CAlarm::COL_SETPOINT}, {2, CAlarm::COL_TEXT}, {1, CAlarm::COL_DELAY}};
        for (const auto& [row, col] : cells) {
            const QRect rect = grid.visualRect(grid.IndexAt(row, col));
            QVERIFY(!rect.isEmpty());
            const qreal dpr = shot.devicePixelRatio();
            const QColor mark = shot.pixelColor(QPoint(rect.right() - 1, rect.top() + 1) * dpr);
            const QColor cell = shot.pixelColor(QPoint(rect.left() + 1, rect.top() + 1) * dpr);
            QVERIFY2(q4ui::ContrastRatio(mark, cell) >= 3.0,
                     qPrintable(QStringLiteral("%1/%2: %3 on %4").arg(row).arg(col).arg(mark.name(), cell.name())));
        }
    }

    void enterGoesToTheCellEscapeBackAndF1ToTheRule()
    {
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
        f.Edit(ST_PHYSICAL, 2, 1, QStringLiteral("10 V"));
        f.Activate(ST_GENERAL);
        f.frame->GetChecksUi().GetPanelAction()->trigger();
        QTableView* table = f.Ui().GetPanel()->GetTable();
        QTRY_COMPARE(QApplication::focusWidget(), table);
        const int row = f.Row("long-delay");
        QVERIFY(row >= 0);
        table->setCurrentIndex(f.Model().index(row, CChecksModel::WhatColumn));
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(f.frame->GetActivePage(), static_cast<int>(ST_ALARM));
        int r = 0;
        int c = 0;
        f.Grid(ST_ALARM).GetFocusCell(r, c);
        QCOMPARE(std::make_pair(r, c), std::make_pair(1, static_cast<int>(CAlarm::COL_DELAY)));
        QTRY_VERIFY(f.Grid(ST_ALARM).hasFocus());

        // Back in the panel, Escape returns to the sheet shown, its cursor where it was.
        f.frame->GetChecksUi().GetPanelAction()->trigger();
        QTRY_COMPARE(QApplication::focusWidget(), table);
        QCOMPARE(table->currentIndex().row(), row);
        QTest::keyClick(table, Qt::Key_Escape);
        QTRY_VERIFY(f.Grid(ST_ALARM).hasFocus());
        f.Grid(ST_ALARM).GetFocusCell(r, c);
        QCOMPARE(std::make_pair(r, c), std::make_pair(1, static_cast<int>(CAlarm::COL_DELAY)));

        // F1 on a finding: its rule's section of the manual.
        f.frame->GetChecksUi().GetPanelAction()->trigger();
        QTRY_COMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_F1);
        QVERIFY(f.frame->GetHelpDialog());
        QCOMPARE(f.frame->GetHelpDialog()->GetBrowser()->source().fragment(), QStringLiteral("check-long-delay"));
        f.frame->GetHelpDialog()->close();
    }

    // The current finding keeps its place while the findings change around it.
    void currentFindingStaysWhileOthersComeAndGo()
    {
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
        f.Edit(ST_PHYSICAL, 2, 1, QStringLiteral("10 V"));
        QTableView* table = f.Ui().GetPanel()->GetTable();
        table->setCurrentIndex(f.Model().index(f.Row("long-delay"), 0));
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));  // an error comes first
        QCOMPARE(f.Model().At(table->currentIndex().row()).rule, std::string("long-delay"));
    }

    void ruleIgnoredInEverySetupAndTakenBack()
    {
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));
        CChecksPanel& panel = *f.Ui().GetPanel();
        panel.GetTable()->setCurrentIndex(f.Model().index(f.Row("long-delay"), 0));
        std::unique_ptr<QMenu> menu(panel.CreateContextMenu());
        QVERIFY(!menu->findChild<QAction*>(QStringLiteral("ignoreForUnit")));  // no plant open
        menu->findChild<QAction*>(QStringLiteral("ignoreEverywhere"))->trigger();
        QCOMPARE(Listed(f.Model()), QStringList{"never-trips 3/1/4"});
        QCOMPARE(f.Mark(ST_ALARM, 1, CAlarm::COL_DELAY), -1);
        QCOMPARE(QSettings().value(QStringLiteral("Checks/Ignored")).toStringList(), QStringList{"long-delay"});
        QVERIFY(panel.findChild<QLabel*>()->text().contains(QStringLiteral("long-delay (every set-up)")));

        // Another set-up, another window: ignored there too, as the settings keep it.
        {
            Checks other;
            other.TypeCleanSetup();
            other.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
            QCOMPARE(other.Model().rowCount(), 0);
        }

        menu.reset(panel.CreateContextMenu());
        QMenu* back = menu->findChild<QMenu*>(QStringLiteral("takeBack"));
        QVERIFY(back);
        QCOMPARE(back->actions().size(), 1);
        back->actions().first()->trigger();
        QCOMPARE(Listed(f.Model()), (QStringList{"long-delay 3/1/6", "never-trips 3/1/4"}));
        QVERIFY(QSettings().value(QStringLiteral("Checks/Ignored")).toStringList().isEmpty());
    }

    void ruleIgnoredForThePlantsUnitIsKeptInThePlantFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("an-1.q4g"));
        const QString plantPath = dir.filePath(QStringLiteral("works.q4plant"));
        Checks f;
        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_DELAY, QStringLiteral("7200"));
        QString error;
        QVERIFY(f.doc.OnSaveDocument(file, error));
        f.doc.SetPathName(file);
        CPlant plant(plantPath.toStdString(), "works");
        QVERIFY(plant.AddUnit({"AN-1", "an-1.q4g", "", ""}));
        QVERIFY(plant.AddUnit({"AN-2", "an-1.q4g", "", ""}));
        QVERIFY(plant.Save());
        QVERIFY(f.frame->GetPlantUi().OpenPlant(plantPath));
        // The plant panel counts each unit's findings from its file.
        const CPlantModel& units = f.frame->GetPlantUi().GetModel();
        QCOMPARE(units.index(0, CPlantModel::ChecksColumn).data().toString(), QStringLiteral("1 note"));

        CChecksPanel& panel = *f.Ui().GetPanel();
        panel.GetTable()->setCurrentIndex(f.Model().index(f.Row("long-delay"), 0));
        std::unique_ptr<QMenu> menu(panel.CreateContextMenu());
        QAction* forUnit = menu->findChild<QAction*>(QStringLiteral("ignoreForUnit"));
        QVERIFY(forUnit);
        QCOMPARE(forUnit->text(), QStringLiteral("Ignore \"long-delay\" for AN-1"));
        forUnit->trigger();
        QCOMPARE(f.Model().rowCount(), 0);
        CPlant read;
        QVERIFY(read.Load(plantPath.toStdString()));
        QCOMPARE(read.GetUnits()[0].ignore, std::vector<std::string>{"long-delay"});
        QVERIFY(read.GetUnits()[1].ignore.empty());
        QVERIFY(QSettings().value(QStringLiteral("Checks/Ignored")).toStringList().isEmpty());
        QCOMPARE(units.index(0, CPlantModel::ChecksColumn).data().toString(), QStringLiteral("No findings"));
        QCOMPARE(units.index(1, CPlantModel::ChecksColumn).data().toString(), QStringLiteral("1 note"));

        menu.reset(panel.CreateContextMenu());
        QMenu* back = menu->findChild<QMenu*>(QStringLiteral("takeBack"));
        QVERIFY(back);
        QCOMPARE(back->actions().first()->text(), QStringLiteral("long-delay for AN-1"));
        back->actions().first()->trigger();
        QCOMPARE(Listed(f.Model()), QStringList{"long-delay 3/1/6"});
        QVERIFY(read.Load(plantPath.toStdString()));
        QVERIFY(read.GetUnits()[0].ignore.empty());
    }

    void printoutEndsWithAPageOfFindings()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        Checks f;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        f.frame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        f.frame->GetPrinter().setOutputFileName(path);
        QVERIFY(f.frame->PrintViews({&f.View(ST_GENERAL)}));
        QStringList pages = PdfText(path).split(QLatin1Char('\f'));
        pages.removeLast();
        QVERIFY(pages.size() >= 2);
        QVERIFY2(pages.last().simplified().contains(QStringLiteral("Findings")), qPrintable(pages.last()));
        QVERIFY2(pages.last().contains(QStringLiteral("No findings")), qPrintable(pages.last()));

        f.TypeCleanSetup();
        f.Edit(ST_ALARM, 1, CAlarm::COL_SETPOINT, QStringLiteral("100"));
        QVERIFY(f.frame->PrintViews({&f.View(ST_GENERAL)}));
        pages = PdfText(path).split(QLatin1Char('\f'));
        pages.removeLast();
        const QString last = pages.last().simplified();
        for (const char* said : {"Severity Channel What", "Error", "Alarm 1 (A11) watches IN 11 for a value > 100, at or beyond the end of its display range (0 to 100)"})
            QVERIFY2(last.contains(QString::fromLatin1(said)), qPrintable(last));
        QVERIFY(!last.contains(QStringLiteral("No findings")));
        QVERIFY(last.contains(QStringLiteral("Page %1 of %1").arg(pages.size())));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeChecksTest()
{
    return std::make_unique<ChecksTest>();
}

#include "ChecksTest.moc"
