// The grid views over the unit's setup types: paste with its one collected message, cut, and pasted Flags (the Flags dialog: the main frame's keyboard test).
#include "UiTests.h"

#include "FrameFixture.h"
#include "setup/alarms/CAlarm.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QStatusBar>
#include <QtTest>

namespace {

constexpr int PHYS_INPLO = 3;

}  // namespace

class ViewTest : public QObject {
    Q_OBJECT

private slots:
    // Refusals during a paste become one message, and only on rows in use (first value not OFF);
    // the status bar names the cells refused and those skipped for not being active.
    void pasteReportsRefusalsOnRowsInUseOnce_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("status");
        QTest::newRow("two refused") << int(ST_GENERAL) << 3 << 1 << "63\nMODBUS\nwrong\n" << 1 << "1"
                                     << "Paste refused 2 cells: Device Number, RS 485 Baud Rate.";
        QTest::newRow("in use, bad limit") << int(ST_PHYSICAL) << 1 << PHYS_INPLO << "2\t0\tbad" << 1 << "2"
                                           << "Paste refused 1 cell: InpUp of IN 11.";
        QTest::newRow("not in use") << int(ST_PHYSICAL) << 2 << PHYS_INPLO << "2\t0\tbad" << 0 << "0"
                                    << "Skipped 3 cells that are not active: InpLo of IN 12, LCDLo of IN 12, InpUp of IN 12.";
        QTest::newRow("bad first value") << int(ST_PHYSICAL) << 2 << 1 << "bad" << 1 << "OFF"
                                         << "Paste refused 1 cell: InpTp of IN 12.";
        QTest::newRow("both") << int(ST_PHYSICAL) << 1 << PHYS_INPLO << "2\t0\tbad\n2\t0\t5" << 1 << "2"
                              << "Paste refused 1 cell: InpUp of IN 11. Skipped 3 cells that are not active: "
                                 "InpLo of IN 12, LCDLo of IN 12, InpUp of IN 12.";
        QTest::newRow("all taken") << int(ST_PHYSICAL) << 1 << PHYS_INPLO << "2\t0\t5" << 0 << "2" << "";
    }

    void pasteReportsRefusalsOnRowsInUseOnce()
    {
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, pasted);
        QFETCH(int, messages);
        QFETCH(QString, after);
        QFETCH(QString, status);
        FrameFixture f;
        f.UseFirstInput();
        f.prompt.Clear();
        CZTGridCtrl& grid = f.Activate(tab);
        QApplication::clipboard()->setText(pasted);
        grid.SetFocusCell(row, col);
        f.frame->statusBar()->clearMessage();
        f.View(tab).OnEditPasteEx();
        QCOMPARE(f.prompt.Messages().size(), size_t(messages));
        QCOMPARE(grid.GetItemText(row, col), after);
        QCOMPARE(f.frame->statusBar()->currentMessage(), status);
    }

    void cutCopiesAndResetsTheSelectedRows()
    {
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(ST_PHYSICAL);
        for (int row = 2; row <= 6; ++row) {
            f.Edit(ST_PHYSICAL, row, 1, QStringLiteral("10 V"));
            f.Edit(ST_PHYSICAL, row, 5, QStringLiteral("10"));
        }
        grid.clearSelection();
        grid.selectionModel()->select(QItemSelection(grid.IndexAt(3, 5), grid.IndexAt(5, 5)),
                                      QItemSelectionModel::Select);  // rows 3 to 5, one column
        f.View(ST_PHYSICAL).OnEditCopyEx();
        const QString copied = QApplication::clipboard()->text();
        QApplication::clipboard()->clear();
        f.doc.SetModifiedFlag(false);
        f.View(ST_PHYSICAL).OnEditCutEx();
        QCOMPARE(QApplication::clipboard()->text(), copied);
        for (int row = 2; row <= 6; ++row) {
            bool cut = row >= 3 && row <= 5;
            QCOMPARE(grid.GetItemText(row, 1), cut ? QStringLiteral("OFF") : QStringLiteral("10 V"));
            QCOMPARE(grid.GetItemText(row, 5), cut ? QStringLiteral("0") : QStringLiteral("10"));
        }
        QVERIFY(f.doc.IsModified());
    }

    // A pasted Flags cell switches on the flags whose initials it holds, in their order; the
    // flags passed over go off, those after the last initial stay as they were (H here).
    void pastedInitialsSwitchFlags_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("later flag stays") << "C" << "CH";
        QTest::newRow("out of order") << "HC" << "H";
        QTest::newRow("no match") << "X" << "...";
    }

    void pastedInitialsSwitchFlags()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        FrameFixture f;
        f.UseFirstInput();  // alarm row 2 watching IN 11, so that its flags can be set
        f.Edit(ST_ALARM, 2, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        for (const QString& text : {QStringLiteral("H"), pasted}) {
            QApplication::clipboard()->setText(text);
            f.Grid(ST_ALARM).SetFocusCell(2, CAlarm::COL_FLAGS);
            f.View(ST_ALARM).OnEditPasteEx();
        }
        QCOMPARE(f.Grid(ST_ALARM).GetItemText(2, CAlarm::COL_FLAGS), expected);
        QVERIFY(f.prompt.Messages().empty());
    }
};

std::unique_ptr<QObject> MakeViewTest()
{
    return std::make_unique<ViewTest>();
}

#include "ViewTest.moc"
