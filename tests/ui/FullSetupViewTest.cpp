// The main frame over the real unit with all four tabs: edits that reach other tabs, refusals,
// cut and paste in the physical inputs, and the alarm Flags pop-up.
#include "UiTests.h"

#include "ModalHelper.h"
#include "support/RecordingPrompt.h"
#include "ui/CMainFrame.h"
#include "ui/CPropertyDlg.h"
#include "ui/CQ4150Doc.h"
#include "ui/CQ4150View.h"
#include "ui/CZTGridCtrl.h"

#include <QStyle>
#include <QClipboard>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

enum { GENERAL, PHYSICAL, LOGICAL, ALARM };
constexpr int COL_INPTP = 1, COL_INPLO = 3, COL_INPUP = 5, COL_INPREF = 1, COL_FLAGS = 9;
const char* const g_strPasteError = "Erroneous values have been detected. Appropriate values will be used.";

// The unit, its message prompt and the frame, started the way the application starts them.
struct Fixture {
    RecordingPrompt prompt;
    CQ4150Doc doc{prompt};
    std::unique_ptr<CMainFrame> frame;

    Fixture()
    {
        doc.OnNewDocument();
        frame = std::make_unique<CMainFrame>(doc);
        frame->resize(1000, 700);
        frame->ResetViews();
        frame->show();
    }
    CZTGridCtrl& Grid(int tab) const { return *frame->GetQ4View(tab)->GetGrid(); }
    CZTGridCtrl& Activate(int tab) const
    {
        frame->GetTabControl()->setCurrentIndex(tab);
        return Grid(tab);
    }
    // What the grid sends when the user has typed or chosen a text in a cell.
    void Edit(int tab, int row, int col, const QString& text) const
    {
        Grid(tab).SetItemText(row, col, text);
        emit Grid(tab).endEdit(row, col);
    }
    int GeneralRow(const QString& label) const
    {
        for (int r = 1; r < Grid(GENERAL).GetRowCount(); ++r) {
            if (Grid(GENERAL).GetItemText(r, 0) == label)
                return r;
        }
        return -1;
    }
    // IN 11 as a 0 to 10 V input, the reference of alarm 1; the General block on +REF.
    void ActiveAlarm(int row) const
    {
        Edit(PHYSICAL, 1, COL_INPTP, QStringLiteral("10 V"));
        Edit(PHYSICAL, 1, COL_INPUP, QStringLiteral("10"));
        Edit(GENERAL, GeneralRow(QStringLiteral("Block")), 1, QStringLiteral("+REF"));
        Activate(ALARM);
        Edit(ALARM, row, COL_INPREF, QStringLiteral("IN 11"));
    }
};

}  // namespace

class FullSetupViewTest : public QObject {
    Q_OBJECT

private slots:
    void titleAndTabs()
    {
        Fixture f;
        QCOMPARE(f.frame->windowTitle(), QStringLiteral("Untitled - Norda Q4150 Programmer"));
        QTabWidget* tabs = f.frame->GetTabControl();
        QCOMPARE(tabs->count(), 4);
        const char* const titles[] = {"General", "Physical Input", "Logical Input", "Alarm"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->tabText(i), QString::fromLatin1(titles[i]));
    }

    void physicalEditReachesOtherTabs()
    {
        Fixture f;
        QVERIFY(!f.Grid(LOGICAL).GetListItems(1, 1).contains(QStringLiteral("IN 11")));
        QVERIFY(!f.Grid(ALARM).GetListItems(1, COL_INPREF).contains(QStringLiteral("IN 11")));
        f.Activate(PHYSICAL);
        f.Edit(PHYSICAL, 1, COL_INPTP, QStringLiteral("10 V"));
        f.Edit(PHYSICAL, 1, COL_INPUP, QStringLiteral("10"));
        QVERIFY2(f.prompt.Messages().empty(), f.prompt.Messages().empty() ? "" : f.prompt.Messages()[0].text.c_str());
        QCOMPARE(f.Grid(PHYSICAL).GetItemText(1, COL_INPTP), QStringLiteral("10 V"));
        QCOMPARE(f.Grid(PHYSICAL).GetItemText(1, COL_INPUP), QStringLiteral("10"));

        CZTGridCtrl& logical = f.Activate(LOGICAL);
        for (int col = 1; col <= 12; ++col) {
            QCOMPARE(logical.GetCellType(1, col), int(CZTGridCtrl::GRID_CELL_LIST));
            QVERIFY(logical.GetListItems(1, col).contains(QStringLiteral("IN 11")));
        }
        CZTGridCtrl& alarm = f.Activate(ALARM);
        QVERIFY(alarm.GetListItems(1, COL_INPREF).contains(QStringLiteral("IN 11")));
        QVERIFY(!alarm.GetListItems(1, COL_INPREF).contains(QStringLiteral("IN 12")));
    }

    void refusedEditShowsMessageAndDefault()
    {
        Fixture f;
        f.Activate(PHYSICAL);
        f.Edit(PHYSICAL, 2, COL_INPLO, QStringLiteral("5"));
        QCOMPARE(f.prompt.Messages().size(), size_t(1));
        QCOMPARE(f.prompt.Messages()[0].text, std::string("The channel is not active. Default value will be used."));
        QCOMPARE(f.Grid(PHYSICAL).GetItemText(2, COL_INPLO), QStringLiteral("0"));
    }

    void cutResetsSelectedRows()
    {
        Fixture f;
        CZTGridCtrl& grid = f.Activate(PHYSICAL);
        for (int row = 2; row <= 6; ++row) {
            f.Edit(PHYSICAL, row, COL_INPTP, QStringLiteral("10 V"));
            f.Edit(PHYSICAL, row, COL_INPUP, QStringLiteral("10"));
        }
        QVERIFY(f.prompt.Messages().empty());
        grid.clearSelection();
        grid.setRangeSelected(QTableWidgetSelectionRange(2, 3, 4, 3), true);  // rows 3 to 5, one column
        f.frame->GetQ4View(PHYSICAL)->OnEditCutEx();
        for (int row = 2; row <= 6; ++row) {
            bool cut = row >= 3 && row <= 5;
            QCOMPARE(grid.GetItemText(row, COL_INPTP), cut ? QStringLiteral("OFF") : QStringLiteral("10 V"));
            QCOMPARE(grid.GetItemText(row, COL_INPUP), cut ? QStringLiteral("0") : QStringLiteral("10"));
        }
    }

    void pasteReportsOnlyRowsInUse_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("reported");
        QTest::newRow("in use, bad limit") << 1 << "0\t0\tbad" << true;
        QTest::newRow("in use, good values") << 1 << "2\t0\t8" << false;
        QTest::newRow("not in use") << 2 << "0\t0\tbad" << false;
    }

    void pasteReportsOnlyRowsInUse()
    {
        QFETCH(int, row);
        QFETCH(QString, pasted);
        QFETCH(bool, reported);
        Fixture f;
        CZTGridCtrl& grid = f.Activate(PHYSICAL);
        f.Edit(PHYSICAL, 1, COL_INPTP, QStringLiteral("10 V"));
        f.Edit(PHYSICAL, 1, COL_INPUP, QStringLiteral("10"));
        f.prompt.Clear();
        QApplication::clipboard()->setText(pasted);
        grid.clearSelection();
        grid.SetFocusCell(row, COL_INPLO);
        f.frame->GetQ4View(PHYSICAL)->OnEditPasteEx();
        QCOMPARE(f.prompt.Messages().size(), size_t(reported ? 1 : 0));
        if (reported)
            QCOMPARE(f.prompt.Messages()[0].text, std::string(g_strPasteError));
    }

    void flagsPopupAndPastedInitials()
    {
        Fixture f;
        f.ActiveAlarm(1);
        f.ActiveAlarm(2);
        QVERIFY2(f.prompt.Messages().empty(), f.prompt.Messages().empty() ? "" : f.prompt.Messages()[0].text.c_str());
        CZTGridCtrl& grid = f.Grid(ALARM);
        QCOMPARE(grid.GetItemText(1, COL_FLAGS), QStringLiteral("..."));
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            auto* dlg = qobject_cast<CPropertyDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            opened = true;
            CZTGridCtrl& props = *dlg->GetGrid();
            for (int r = 0; r < props.GetRowCount(); ++r) {
                if (props.GetItemText(r, 0) == QStringLiteral("Block") || props.GetItemText(r, 0) == QStringLiteral("Hysteresis"))
                    props.SetItemText(r, 1, QStringLiteral("ON"));
            }
            for (QPushButton* button : dlg->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("OK"))
                    button->click();
            }
        });
        grid.edit(grid.model()->index(0, COL_FLAGS - 1));
        QVERIFY(opened);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(grid.GetItemText(1, COL_FLAGS), QStringLiteral("BH"));

        QCOMPARE(grid.GetItemText(2, COL_FLAGS), QStringLiteral("..."));
        QApplication::clipboard()->setText(QStringLiteral("BH"));
        grid.clearSelection();
        grid.SetFocusCell(2, COL_FLAGS);
        f.frame->GetQ4View(ALARM)->OnEditPasteEx();
        QCOMPARE(grid.GetItemText(2, COL_FLAGS), QStringLiteral("BH"));
        QVERIFY(f.prompt.Messages().empty());
    }
};

std::unique_ptr<QObject> MakeFullSetupViewTest()
{
    return std::make_unique<FullSetupViewTest>();
}

#include "FullSetupViewTest.moc"
