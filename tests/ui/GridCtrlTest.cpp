// Editing in the grids as a user does it with the keyboard: number cells, drop-downs with
// completion, Enter and Tab, widths, tool-tips and hints, what counts as a change, undo and redo, and
// pictures of the sheets for a reviewer.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "model/StringTable.h"
#include "setup/alarms/CAlarm.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/grid/CSheetModel.h"
#include "ui/grid/CellColours.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"
#include "unit/CUnitHistory.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QHelpEvent>
#include <QLabel>
#include <QStatusBar>
#include <QToolTip>
#include <QtTest>

namespace {

constexpr int PHYS_LCDU = 2;

// Opens the cell's editor by typing the first key at the grid, then types the rest into the
// editor; returns the editor, still open.
QWidget* TypeInto(CZTGridCtrl& grid, int row, int col, const QString& keys)
{
    grid.SetFocusCell(row, col);
    QTest::keyClicks(&grid, keys.left(1));
    QWidget* editor = grid.indexWidget(grid.IndexAt(row, col));
    if (editor)
        QTest::keyClicks(editor, keys.mid(1));
    return editor;
}

// Ends the open edit with a key at the editor, as the user does.
void Press(CZTGridCtrl& grid, int row, int col, Qt::Key key)
{
    if (QWidget* editor = grid.indexWidget(grid.IndexAt(row, col)))
        QTest::keyClick(editor, key);
    QTRY_VERIFY(!grid.indexWidget(grid.IndexAt(row, col)));
}

QString EditorText(QWidget* editor)
{
    return editor->property(qobject_cast<QComboBox*>(editor) ? "currentText" : "text").toString();
}

// Alarm row 1 watching IN 11, which shows 0 to 100.
void FirstAlarmOn(const FrameFixture& f)
{
    f.UseFirstInput();
    f.Edit(ST_PHYSICAL, 1, 6, QStringLiteral("100"));
    f.Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
}

}  // namespace

class GridCtrlTest : public QObject {
    Q_OBJECT

private slots:
    // A comma is the decimal point; what a number cannot hold is refused and said so.
    void numberCellsTakeACommaAndRefuseVisibly_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("stored");
        QTest::newRow("comma in Delay") << int(CAlarm::COL_DELAY) << "1,5" << "1.5" << false << "1.5";
        // The editor lets an exponent begin; a text that is no number is refused on Enter.
        QTest::newRow("letters around a set point") << int(CAlarm::COL_SETPOINT) << "x1,5e" << "1.5e" << true << "0";
        QTest::newRow("text cell takes anything") << int(CAlarm::COL_TEXT) << "TANK 1,5" << "TANK 1,5" << false
                                                  << "TANK 1,5";
    }

    void numberCellsTakeACommaAndRefuseVisibly()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        QFETCH(QString, stored);
        FrameFixture f;
        FirstAlarmOn(f);
        CZTGridCtrl& grid = f.Activate(ST_ALARM);
        f.frame->statusBar()->clearMessage();
        QWidget* editor = TypeInto(grid, 1, col, typed);
        QVERIFY(editor);
        QCOMPARE(EditorText(editor), shown);
        QCOMPARE(f.frame->statusBar()->currentMessage().startsWith(QStringLiteral("Refused")), refused);
        Press(grid, 1, col, Qt::Key_Return);
        QCOMPARE(grid.GetItemText(1, col), stored);
        // Pasted, a comma in a real number is the point too.
        QApplication::clipboard()->setText(QStringLiteral("2,5"));
        grid.SetFocusCell(1, col);
        f.View(ST_ALARM).OnEditPasteEx();
        QCOMPARE(grid.GetItemText(1, col), col == CAlarm::COL_TEXT ? QStringLiteral("2,5") : QStringLiteral("2.5"));
    }

    // Typing picks the first choice that begins with the text without taking it; Up and Down
    // move through the choices; Enter takes it; a text that is no choice goes to the sheet.
    void dropDownsCompleteAndTakeTypedTexts()
    {
        FrameFixture f;
        f.UseFirstInput();
        CZTGridCtrl& grid = f.Activate(ST_PHYSICAL);
        QSignalSpy edits(&grid, &CZTGridCtrl::endEdit);
        QWidget* editor = TypeInto(grid, 1, PHYS_LCDU, QStringLiteral("ba"));
        QVERIFY(qobject_cast<QComboBox*>(editor));
        QCOMPARE(EditorText(editor), QStringLiteral("bar"));
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(edits.count(), 0);
        Press(grid, 1, PHYS_LCDU, Qt::Key_Escape);
        QCOMPARE(grid.GetItemText(1, PHYS_LCDU), QString());
        QCOMPARE(edits.count(), 0);

        TypeInto(grid, 1, PHYS_LCDU, QStringLiteral("ba"));
        Press(grid, 1, PHYS_LCDU, Qt::Key_Return);
        QCOMPARE(grid.GetItemText(1, PHYS_LCDU), QStringLiteral("bar"));
        QCOMPARE(edits.count(), 1);

        TypeInto(grid, 1, PHYS_LCDU, QStringLiteral("psi"));
        Press(grid, 1, PHYS_LCDU, Qt::Key_Tab);
        QCOMPARE(grid.GetItemText(1, PHYS_LCDU), QStringLiteral("psi"));
        QModelIndex other = grid.IndexAt(20, PHYS_LCDU);
        QVERIFY(other.data(CSheetModel::ChoicesRole).toStringList().contains(QStringLiteral("psi")));
        int row, col;
        grid.GetFocusCell(row, col);
        QCOMPARE(col, PHYS_LCDU + 1);  // Tab moved right

        CZTGridCtrl& alarms = f.Activate(ST_ALARM);
        TypeInto(alarms, 2, CAlarm::COL_INPREF, QStringLiteral("11"));
        Press(alarms, 2, CAlarm::COL_INPREF, Qt::Key_Return);
        QCOMPARE(alarms.GetItemText(2, CAlarm::COL_INPREF), QStringLiteral("IN 11"));
        alarms.GetFocusCell(row, col);
        QCOMPARE(row, 3);  // Enter moved down
        // A grey copy of the input's parameters takes no key.
        QVERIFY(!TypeInto(alarms, 2, CAlarm::COL_INPTP, QStringLiteral("5")));
        QVERIFY(alarms.GetItemBkColour(2, CAlarm::COL_INPTP).isValid());
    }

    // A refused text leaves the cursor on its cell, whichever key ended the edit, so that the
    // corrected text goes there; a text taken moves on as the key says, a click goes where it
    // was made.
    void refusedTextKeepsTheCursorOnItsCell_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");  // 0: a click on the cell two rows further down
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("rowAfter");
        QTest::addColumn<int>("colAfter");
        const int set = CAlarm::COL_SETPOINT;
        QTest::newRow("taken, Enter") << int(ST_ALARM) << set << "50" << int(Qt::Key_Return) << false << 2 << set;
        QTest::newRow("taken, Tab") << int(ST_ALARM) << set << "50" << int(Qt::Key_Tab) << false << 1 << set + 1;
        QTest::newRow("refused, Enter") << int(ST_ALARM) << set << "150" << int(Qt::Key_Return) << true << 1 << set;
        QTest::newRow("refused, Tab") << int(ST_ALARM) << set << "150" << int(Qt::Key_Tab) << true << 1 << set;
        QTest::newRow("refused, Shift+Tab") << int(ST_ALARM) << set << "150" << int(Qt::Key_Backtab) << true << 1 << set;
        QTest::newRow("refused, click") << int(ST_ALARM) << set << "150" << 0 << true << 3 << set;
        QTest::newRow("question cancelled, Enter") << int(ST_GENERAL) << 1 << "CONFIG" << int(Qt::Key_Return) << true << 1 << 1;
    }

    void refusedTextKeepsTheCursorOnItsCell()
    {
        QFETCH(int, sheet);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(bool, refused);
        QFETCH(int, rowAfter);
        QFETCH(int, colAfter);
        FrameFixture f;
        FirstAlarmOn(f);
        f.prompt.Clear();
        f.prompt.AnswerNext(IMessagePrompt::IDCANCEL);  // to the initialization's question
        CZTGridCtrl& grid = f.Activate(sheet);
        QVERIFY(TypeInto(grid, 1, col, typed));
        if (key) {
            Press(grid, 1, col, Qt::Key(key));
        } else {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.IndexAt(3, col)).center());
            QTRY_VERIFY(!grid.indexWidget(grid.IndexAt(1, col)));
        }
        QCOMPARE(grid.GetItemText(1, col) != typed, refused);
        QCOMPARE(f.prompt.Messages().size(), size_t(refused ? 1 : 0));
        int row, current;
        grid.GetFocusCell(row, current);
        QCOMPARE(row, rowAfter);
        QCOMPARE(current, colAfter);
    }

    // Nothing is a change unless a value changed; the title says when the set-up is modified.
    void onlyARealChangeModifiesTheDocument()
    {
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(ST_GENERAL);
        grid.SetFocusCell(3, 1);
        QTest::keyClick(&grid, Qt::Key_F2);
        Press(grid, 3, 1, Qt::Key_Escape);
        f.Edit(ST_GENERAL, 3, 1, grid.GetItemText(3, 1));
        QVERIFY(!f.doc.IsModified());
        QVERIFY(!f.frame->GetAction(ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!f.frame->isWindowModified());
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));
        QVERIFY(f.doc.IsModified());
        QVERIFY(f.frame->isWindowModified());
        QVERIFY(f.frame->windowTitle().startsWith(QStringLiteral("Untitled[*]")));
    }

    // A refusal shows its message; the user's own Cancel at a question shows nothing after it,
    // not even when an earlier refusal is on record.
    void cancelAtAQuestionShowsNoMessage()
    {
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("99"));
        QCOMPARE(f.prompt.Messages().size(), size_t(1));
        QVERIFY(f.prompt.Messages()[0].text.starts_with(LoadString(62012)));  // the last value stays
        QVERIFY(!f.doc.IsModified());
        f.prompt.Clear();
        f.prompt.AnswerNext(IMessagePrompt::IDCANCEL);
        f.Edit(ST_GENERAL, 1, 1, QStringLiteral("CONFIG"));
        QCOMPARE(f.prompt.Messages().size(), size_t(1));  // the question only
        QCOMPARE(f.prompt.Messages()[0].buttons, IMessagePrompt::BTN_OK_CANCEL);
        QCOMPARE(f.Grid(ST_GENERAL).GetItemText(1, 1), QStringLiteral("OFF"));
    }

    // A refusal keeps its message and says on a second line what the cell takes, from the
    // setup type's own hint, or how to make an inactive cell active.
    void refusalSaysWhatTheCellTakes_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<unsigned>("id");
        QTest::addColumn<QString>("takes");
        QTest::newRow("device number") << int(ST_GENERAL) << 3 << 1 << "99" << 62012u
                                       << "Device Number takes a whole number from 1 to 62.";
        QTest::newRow("delay") << int(ST_ALARM) << 1 << int(CAlarm::COL_DELAY) << "0.1" << 62004u
                               << "Delay (s) takes seconds from 0.3 to 918000 (255 hours).";
        QTest::newRow("set point") << int(ST_ALARM) << 1 << int(CAlarm::COL_SETPOINT) << "x" << 62012u
                                   << "SetPoint takes a number from 0 to 100, the range of IN 11.";
        QTest::newRow("input range beyond the input type") << int(ST_PHYSICAL) << 1 << 5 << "12" << 62015u
                                                           << "InpUp takes a number from 0 to 10 V, the range of the input type 10 V.";
        QTest::newRow("inactive input") << int(ST_PHYSICAL) << 2 << PHYS_LCDU << "bar" << 62016u
                                        << "Not active: set InpTp of IN 12 first.";
        QTest::newRow("disabled alarm") << int(ST_ALARM) << 2 << int(CAlarm::COL_DELAY) << "5" << 62007u
                                        << "Not active: set InpRef of 2 (A12) first.";
    }

    void refusalSaysWhatTheCellTakes()
    {
        QFETCH(int, sheet);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(unsigned, id);
        QFETCH(QString, takes);
        FrameFixture f;
        FirstAlarmOn(f);
        f.prompt.Clear();
        f.Edit(sheet, row, col, typed);
        QCOMPARE(f.prompt.Messages().size(), size_t(1));
        QCOMPARE(q4ui::ToQString(f.prompt.Messages()[0].text), q4ui::ToQString(LoadString(id)) + QLatin1Char('\n') + takes);
    }

    // A cell whose channel is off looks so before anything is typed, and its tool-tip says how
    // to make it active, however short its text; set, the row's cells look like any other.
    void inactiveCellsLookInactiveAndSayWhy()
    {
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(ST_PHYSICAL);
        constexpr int row = 2;  // IN 12
        auto tip = [&grid](int col) {
            QToolTip::hideText();
            (void)QTest::qWaitFor([] { return !QToolTip::isVisible(); });
            QRect cell = grid.visualRect(grid.IndexAt(row, col));
            QHelpEvent help(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
            QCoreApplication::sendEvent(grid.viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        for (int col = PHYS_LCDU; col < grid.GetColumnCount(); ++col) {
            QCOMPARE(grid.GetItemLook(row, col), CellLook::Inactive);
            QVERIFY(grid.GetItemBkColour(row, col) != grid.GetItemBkColour(row, 1));
            QVERIFY(tip(col).endsWith(QStringLiteral("Not active: set InpTp of IN 12 first.")));
        }
        QCOMPARE(grid.GetItemLook(row, 1), CellLook::Plain);
        QCOMPARE(tip(1), QString());
        f.Edit(ST_PHYSICAL, row, 1, QStringLiteral("24 V"));
        for (int col = 1; col < grid.GetColumnCount(); ++col)
            QCOMPARE(grid.GetItemLook(row, col), CellLook::Plain);
        QCOMPARE(tip(PHYS_LCDU), QString());
        QCOMPARE(f.Grid(ST_ALARM).GetItemLook(1, CAlarm::COL_FLAGS), CellLook::Inactive);
    }

    // The status bar tells what the current cell of the sheet shown takes, from the moment the
    // sheet is shown, not only once the cursor moves; on a window just opened too, where no
    // "Ready" is drawn over it.
    void statusHintFollowsTheSheetShown()
    {
        FrameFixture f;
        QStatusBar* status = f.frame->statusBar();
        QTRY_COMPARE(status->currentMessage(), f.Grid(ST_GENERAL).currentIndex().data(Qt::StatusTipRole).toString());
        // The count of the set-up checks stands apart at the right; nothing else is drawn.
        for (QLabel* label : status->findChildren<QLabel*>())
            QVERIFY2(!label->isVisible() || label->objectName() == QStringLiteral("checksCount"), qPrintable(label->text()));
        f.Grid(ST_ALARM).SetFocusCell(1, CAlarm::COL_DELAY);
        f.Activate(ST_GENERAL).SetFocusCell(4, 1);  // Protocol
        QStringList hints;
        for (int sheet : {ST_PHYSICAL, ST_ALARM, ST_GENERAL}) {
            CZTGridCtrl& grid = f.Activate(sheet);
            const QString hint = grid.currentIndex().data(Qt::StatusTipRole).toString();
            QTRY_COMPARE(status->currentMessage(), hint);
            hints << hint;
        }
        QCOMPARE(hints.removeDuplicates(), 0);
        QVERIFY(!hints.contains(QString()));
    }

    // A key the editor refused is told in the status bar until the next good edit, whether or
    // not the cursor moves on: then the status bar tells what the current cell takes again.
    void refusedKeyIsToldUntilTheNextGoodEdit_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("current");  // the row of the cell whose hint is told afterwards
        QTest::newRow("Enter on the last row") << 14 << int(Qt::Key_Return) << 14;
        QTest::newRow("Enter moves down") << 3 << int(Qt::Key_Return) << 4;
    }

    void refusedKeyIsToldUntilTheNextGoodEdit()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, current);
        FrameFixture f;
        CZTGridCtrl& grid = f.Activate(ST_GENERAL);
        QWidget* editor = TypeInto(grid, row, 1, QStringLiteral("5x"));
        QVERIFY(editor);
        QVERIFY2(f.frame->statusBar()->currentMessage().startsWith(QStringLiteral("Refused")),
                 qPrintable(f.frame->statusBar()->currentMessage()));
        Press(grid, row, 1, Qt::Key(key));
        QCOMPARE(grid.GetItemText(row, 1), QStringLiteral("5"));
        const QString hint = grid.IndexAt(current, 1).data(Qt::StatusTipRole).toString();
        QVERIFY(!hint.isEmpty());
        QCOMPARE(f.frame->statusBar()->currentMessage(), hint);
    }

    // A cut that reaches other sheets says so; undo takes it back on every sheet, redo again.
    void undoAndRedoTakeWholeStepsAcrossSheets()
    {
        FrameFixture f;
        FirstAlarmOn(f);
        CZTGridCtrl& physical = f.Activate(ST_PHYSICAL);
        physical.selectRow(0);
        f.View(ST_PHYSICAL).OnEditCutEx();
        QCOMPARE(f.Grid(ST_ALARM).GetItemText(1, CAlarm::COL_INPREF), QStringLiteral("OFF"));
        QString told = f.frame->statusBar()->currentMessage();
        QVERIFY2(told.contains(QStringLiteral("Alarm")) && told.contains(f.Grid(ST_ALARM).GetItemText(1, 0).trimmed()),
                 qPrintable(told));

        QTest::keySequence(f.frame.get(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(physical.GetItemText(1, 1), QStringLiteral("10 V"));
        QCOMPARE(f.Grid(ST_ALARM).GetItemText(1, CAlarm::COL_INPREF), QStringLiteral("IN 11"));
        QTest::keySequence(f.frame.get(), QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(f.Grid(ST_ALARM).GetItemText(1, CAlarm::COL_INPREF), QStringLiteral("OFF"));
        QTest::keySequence(f.frame.get(), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));  // nothing left to redo
        QVERIFY(!f.frame->GetAction(ID_EDIT_REDO)->isEnabled());

        // A refused edit is no step; a hundred accepted ones are all kept.
        size_t steps = f.doc.GetHistory().GetStepCount();
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("99"));
        QCOMPARE(f.doc.GetHistory().GetStepCount(), steps);
        for (int n = 0; n < 100; ++n)
            f.Edit(ST_GENERAL, 3, 1, QString::number(1 + n % 60));
        int undone = 0;
        while (f.frame->GetAction(ID_EDIT_UNDO)->isEnabled() && undone < 200) {
            f.frame->GetAction(ID_EDIT_UNDO)->trigger();
            ++undone;
        }
        QVERIFY(undone >= 100);
        QCOMPARE(f.Grid(ST_GENERAL).GetItemText(3, 1), QStringLiteral("1"));
    }

    // Columns follow their texts after each change, never narrower than their heading.
    void columnsFitTheirTextsAfterEveryChange()
    {
        FrameFixture f;
        FirstAlarmOn(f);
        CZTGridCtrl& grid = f.Activate(ST_ALARM);
        grid.SetFocusCell(1, CAlarm::COL_SETPOINT);  // the status bar tells what the cell takes
        QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("A number from 0 to 100, the range of IN 11"));
        int col = CAlarm::COL_TEXT;
        int before = grid.GetColumnWidth(col);
        QString heading = grid.GetItemText(0, col);
        QVERIFY(before >= grid.horizontalHeader()->fontMetrics().horizontalAdvance(heading));
        CZTGridCtrl& logical = f.Activate(ST_LOGICAL);  // the corner's "Logical Input" too
        QVERIFY(logical.GetColumnWidth(0) > logical.fontMetrics().horizontalAdvance(logical.GetItemText(0, 0)));
        f.Edit(ST_ALARM, 1, col, QStringLiteral("TANK 4 OVERFLOW"));
        QVERIFY(grid.GetColumnWidth(col) >= grid.fontMetrics().horizontalAdvance(QStringLiteral("TANK 4 OVERFLOW")));
        // Cut by a narrowed column, the text is shown whole in a tool-tip; a whole one has none.
        grid.setColumnWidth(col - 1, 20);
        for (int c : {int(CAlarm::COL_DELAY), col}) {
            QRect cell = grid.visualRect(grid.IndexAt(1, c));
            QHelpEvent tip(QEvent::ToolTip, cell.center(), grid.viewport()->mapToGlobal(cell.center()));
            QCoreApplication::sendEvent(grid.viewport(), &tip);
            // The text's first line; what the checks say of a text too long for the unit follows.
            QCOMPARE(QToolTip::isVisible() ? QToolTip::text().section(QLatin1Char('\n'), 0, 0) : QString(),
                     c == col ? QStringLiteral("TANK 4 OVERFLOW") : QString());
        }
        f.frame->GetAction(ID_EDIT_UNDO)->trigger();
        QCOMPARE(grid.GetColumnWidth(col), before);
    }

    // Pictures of the four sheets, the Flags and the port dialog, for a reviewer to look at.
    void picturesOfTheSheets()
    {
        FrameFixture f;
        FirstAlarmOn(f);
        f.frame->resize(1280, 720);
        QDir dir(QCoreApplication::applicationDirPath());
        dir.mkpath(QStringLiteral("screenshots"));
        for (int tab = 0; tab < 4; ++tab) {
            f.Activate(tab);
            QPixmap shot = f.frame->grab();
            QString path = dir.filePath(QStringLiteral("screenshots/sheet%1.png").arg(tab));
            QVERIFY(!shot.isNull() && shot.save(path));
        }
        QString path = dir.filePath(QStringLiteral("screenshots/flags.png"));
        bool saved = false;
        AnswerNextModal([&](QWidget* modal) {
            saved = modal->grab().save(path);
            qobject_cast<QDialog*>(modal)->reject();
        });
        f.Grid(ST_ALARM).SetFocusCell(1, CAlarm::COL_FLAGS);
        QTest::keyClick(&f.Grid(ST_ALARM), Qt::Key_Return);
        QVERIFY(saved);
        CComPortDlg ports(f.frame.get());
        ports.show();
        QVERIFY(ports.grab().save(dir.filePath(QStringLiteral("screenshots/comport.png"))));
    }
};

std::unique_ptr<QObject> MakeGridCtrlTest()
{
    return std::make_unique<GridCtrlTest>();
}

#include "GridCtrlTest.moc"
