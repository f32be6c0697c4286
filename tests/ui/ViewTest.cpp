// The grid view over the General constants and over a recording setup type: cells by kind,
// refused edits and their messages, paste with its one collected message, cut, pop-up cells.
#include "UiTests.h"

#include "FakeSetupType.h"
#include "ModalHelper.h"
#include "support/RecordingPrompt.h"
#include "ui/CPropertyDlg.h"
#include "ui/CQ4150Doc.h"
#include "ui/CQ4150View.h"
#include "ui/CZTGridCtrl.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

const char* const g_strInvalidValue = "Invalid value. Last value will be used.";
const char* const g_strPasteError = "Erroneous values have been detected. Appropriate values will be used.";

// A view made ready the way the main frame makes it.
std::unique_ptr<CQ4150View> MakeView(CQ4150Doc& doc)
{
    auto view = std::make_unique<CQ4150View>(doc);
    view->resize(700, 500);
    view->m_bReady = 0;
    view->InitalizeView(0);
    view->m_bReady = 1;
    view->show();
    return view;
}

// Types the text into the cell's editor and presses Return; waits until the edit has ended.
bool TypeIntoCell(CZTGridCtrl& grid, int row, int col, const QString& text)
{
    QSignalSpy end(&grid, &CZTGridCtrl::endEdit);
    QModelIndex index = grid.model()->index(row - 1, col - 1);
    grid.setCurrentIndex(index);
    grid.edit(index);
    auto* line = qobject_cast<QLineEdit*>(grid.indexWidget(index));
    if (!line)
        return false;
    line->setText(text);
    QTest::keyClick(line, Qt::Key_Return);
    return end.wait(2000) || end.count() > 0;
}

void SelectCells(CZTGridCtrl& grid, int top, int left, int bottom, int right)
{
    grid.clearSelection();
    grid.setRangeSelected(QTableWidgetSelectionRange(top - 1, left - 1, bottom - 1, right - 1), true);
}

}  // namespace

class ViewTest : public QObject {
    Q_OBJECT

private slots:
    void generalCellsByKind()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        QCOMPARE(grid.GetRowCount(), 15);
        QCOMPARE(grid.GetColumnCount(), 2);
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("Constants"));
        QCOMPARE(grid.GetItemText(3, 0), QStringLiteral("Device Number"));
        // A list row offers its choices; a value row is edited as a number.
        QCOMPARE(grid.GetCellType(1, 1), int(CZTGridCtrl::GRID_CELL_LIST));
        QCOMPARE(grid.GetListItems(1, 1), (QStringList{"OFF", "CONFIG", "CONF + GEN"}));
        QCOMPARE(grid.GetCellType(3, 1), int(CZTGridCtrl::GRID_CELL_EDIT));
        QCOMPARE(grid.GetCellDataType(3, 1), 3);
        QCOMPARE(grid.GetCellDataType(14, 1), 4);
        QCOMPARE(grid.GetItemText(5, 1), QStringLiteral("9600"));
        int minimum = 6 * view->fontMetrics().averageCharWidth();
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            QVERIFY(grid.GetColumnWidth(c) >= minimum);
        int focusRow, focusCol;
        grid.GetFocusCell(focusRow, focusCol);
        QCOMPARE(focusRow, 1);
        QCOMPARE(focusCol, 1);

        QModelIndex list = grid.model()->index(0, 0);
        grid.edit(list);
        QVERIFY(qobject_cast<QComboBox*>(grid.indexWidget(list)));
        grid.EndEditing();
    }

    void refusedEditShowsMessageAndOldValue()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        QVERIFY(TypeIntoCell(grid, 3, 1, QStringLiteral("63")));
        QCOMPARE(prompt.Messages().size(), size_t(1));
        QCOMPARE(prompt.Messages()[0].text, std::string(g_strInvalidValue));
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("1"));
        QVERIFY(doc.IsModified());
    }

    void anyNotificationMarksModifiedOnlyWhenReady()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        view->m_bReady = 0;
        emit grid.beginEdit(2, 5);
        QVERIFY(!doc.IsModified());
        view->m_bReady = 1;
        emit grid.beginEdit(2, 5);  // a read-only cell: nothing changes but the flag
        QVERIFY(doc.IsModified());
        QVERIFY(doc.Fake().m_validated.empty());
    }

    void cellKindFollowsItemsAndEditableFlag()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        CNdChnData* info = doc.Fake().GetProperty(2, 5);
        struct Case {
            const char* items;
            int editable;
            int expected;
        };
        const Case cases[] = {
            {"x", 1, CZTGridCtrl::GRID_CELL_EDIT},
            {"x", 0, CZTGridCtrl::GRID_CELL_READONLY},
            {"a;b", 0, CZTGridCtrl::GRID_CELL_LIST},
            {"a;b", 1, CZTGridCtrl::GRID_CELL_LIST},
        };
        for (const Case& c : cases) {
            info->GetData().clear();
            info->AddData(c.items);
            info->m_bEditable = c.editable;
            view->UpdateChannelView(2);
            QCOMPARE(grid.GetCellType(2, 5), c.expected);
        }
        QCOMPARE(grid.GetTextLen(2, 2), 8);
        QCOMPARE(grid.GetItemBkColour(3, 5), QColor(0xD3, 0xD3, 0xD3));
        QVERIFY(!grid.GetItemBkColour(3, 3).isValid());
    }

    void pasteCollectsRefusalsIntoOneMessage()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        QApplication::clipboard()->setText(QStringLiteral("63\nMODBUS\nwrong\n"));
        grid.SetFocusCell(3, 1);
        view->OnEditPasteEx();
        QCOMPARE(prompt.Messages().size(), size_t(1));
        QCOMPARE(prompt.Messages()[0].text, std::string(g_strPasteError));
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("1"));
        QCOMPARE(grid.GetItemText(5, 1), QStringLiteral("9600"));
        QCOMPARE(view->m_bPasteError, 0);

        prompt.Clear();
        QApplication::clipboard()->setText(QStringLiteral("17\n"));
        view->OnEditPasteEx();
        QVERIFY(prompt.Messages().empty());
        QCOMPARE(grid.GetItemText(3, 1), QStringLiteral("17"));
    }

    void gridsOwnPasteReportsTheSameWay()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        doc.OnNewDocument();
        auto view = MakeView(doc);
        QApplication::clipboard()->setText(QStringLiteral("99\n"));
        view->GetGrid()->SetFocusCell(3, 1);
        view->GetGrid()->OnEditPaste();
        QCOMPARE(prompt.Messages().size(), size_t(1));
        QCOMPARE(prompt.Messages()[0].text, std::string(g_strPasteError));
    }

    void pasteRefusalCountsOnlyOnRowsInUse_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("reported");
        QTest::newRow("row off, other column") << "OFF" << 2 << "bad" << false;
        QTest::newRow("row on, other column") << "ON" << 2 << "bad" << true;
        QTest::newRow("first column pasted OFF") << "ON" << 1 << "OFF" << false;
        QTest::newRow("first column pasted other") << "OFF" << 1 << "bad" << true;
    }

    void pasteRefusalCountsOnlyOnRowsInUse()
    {
        QFETCH(QString, state);
        QFETCH(int, col);
        QFETCH(QString, pasted);
        QFETCH(bool, reported);
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        doc.Fake().m_nErrID = 0;
        doc.Fake().GetProperty(2, 1)->SetSelText(state.toStdString());
        doc.Fake().m_refused.insert("OFF");
        auto view = MakeView(doc);
        QApplication::clipboard()->setText(pasted);
        view->GetGrid()->SetFocusCell(2, col);
        view->OnEditPasteEx();
        QCOMPARE(prompt.Messages().size(), size_t(reported ? 1 : 0));
    }

    void cutResetsEverySelectedRow()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        for (int r = 1; r <= 6; ++r)
            doc.Fake().ValidateData(r, 3, "5");
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        SelectCells(grid, 3, 2, 5, 2);  // rows 3 to 5 of one column
        view->OnEditCutEx();
        QCOMPARE(doc.Fake().m_resetRows, (std::vector<int>{3, 4, 5}));
        for (int r = 1; r <= 6; ++r)
            QCOMPARE(grid.GetItemText(r, 3), r >= 3 && r <= 5 ? QStringLiteral("0") : QStringLiteral("5"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\n\n\n"));
        QVERIFY(doc.IsModified());
    }

    void popupCellOpensPropertyDialog()
    {
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        auto view = MakeView(doc);
        CZTGridCtrl& grid = *view->GetGrid();
        AnswerNextModal([](QWidget* modal) {
            auto* dlg = qobject_cast<CPropertyDlg*>(modal);
            QVERIFY(dlg);
            dlg->GetGrid()->SetItemText(1, 1, QStringLiteral("ON"));  // Beta
            dlg->accept();
        });
        QModelIndex flags = grid.model()->index(1, 3);  // row 2, column 4
        grid.edit(flags);
        QCOMPARE(doc.Fake().m_updatedRows, std::vector<int>{2});
        QCOMPARE(doc.Fake().Flag(2, 1), std::string("ON"));
        QCOMPARE(grid.GetItemText(2, 4), QStringLiteral("B"));

        AnswerNextModal([](QWidget* modal) {
            qobject_cast<QDialog*>(modal)->reject();
        });
        grid.edit(flags);
        QCOMPARE(doc.Fake().m_updatedRows.size(), size_t(1));

        view->m_bPopupOpen = 1;  // a second dialog while one is open is ignored
        grid.edit(flags);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void pastedInitialsSwitchFlags_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");  // Alpha, Beta, Gamma, Delta; Gamma and Delta start ON
        QTest::newRow("A and C") << "AG" << "ON OFF ON ON";
        QTest::newRow("B only") << "B" << "OFF ON ON ON";
        QTest::newRow("no match") << "X" << "OFF OFF OFF OFF";
        QTest::newRow("empty text") << "" << "OFF OFF ON ON";
    }

    void pastedInitialsSwitchFlags()
    {
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        RecordingPrompt prompt;
        FakeDoc doc(prompt);
        doc.Fake().SetFlag(2, 2, "ON");
        doc.Fake().SetFlag(2, 3, "ON");
        auto view = MakeView(doc);
        QApplication::clipboard()->setText(pasted.isEmpty() ? QStringLiteral("\t") : pasted);
        view->GetGrid()->SetFocusCell(2, pasted.isEmpty() ? 3 : 4);
        view->OnEditPasteEx();
        QStringList flags;
        for (int i = 0; i < 4; ++i)
            flags << QString::fromStdString(doc.Fake().Flag(2, i));
        if (pasted.isEmpty()) {
            QCOMPARE(doc.Fake().m_updatedRows.size(), size_t(1));  // "\t" reaches the pop-up cell empty
        }
        QCOMPARE(flags.join(QLatin1Char(' ')), expected);
    }

};

std::unique_ptr<QObject> MakeViewTest()
{
    return std::make_unique<ViewTest>();
}

#include "ViewTest.moc"
