// The grid control: fixed headers, editors by cell type, typed-text checks, the edit
// notifications, clipboard commands and pagination of a printout.
#include "UiTests.h"

#include "model/CNdChnData.h"
#include "ui/CGridPrinter.h"
#include "ui/CZTGridCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A grid of 6 rows and 4 columns with one fixed row and column, filled "r,c".
void FillGrid(CZTGridCtrl& grid, int rows = 6, int cols = 4)
{
    grid.SetRowCount(rows);
    grid.SetColumnCount(cols);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c)
            grid.SetItemText(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
    }
}

QWidget* OpenEditor(CZTGridCtrl& grid, int row, int col)
{
    QModelIndex index = grid.model()->index(row - grid.GetFixedRowCount(), col - grid.GetFixedColumnCount());
    grid.setCurrentIndex(index);
    grid.edit(index);
    return grid.indexWidget(index);
}

}  // namespace

class GridCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void fixedRowAndColumnAreHeaders()
    {
        CZTGridCtrl grid;
        FillGrid(grid);
        QCOMPARE(grid.horizontalHeaderItem(0)->text(), QStringLiteral("0,1"));  // stays in view
        for (auto [r, c] : std::initializer_list<std::pair<int, int>>{{0, 0}, {0, 3}, {5, 0}, {5, 3}, {2, 2}})
            QCOMPARE(grid.GetItemText(r, c), QStringLiteral("%1,%2").arg(r).arg(c));
        QCOMPARE(grid.GetItemText(6, 0), QString());
        QCOMPARE(grid.GetCellType(0, 2), int(CZTGridCtrl::GRID_CELL_READONLY));
    }

    // A read-only cell announces the edit (pop-up cells need it) but opens no editor; a list
    // cell offers exactly its items.
    void editorsFollowTheCellType()
    {
        CZTGridCtrl grid;
        FillGrid(grid);
        grid.show();
        grid.SetCellType(2, 2, CZTGridCtrl::GRID_CELL_READONLY);
        QSignalSpy begin(&grid, &CZTGridCtrl::beginEdit);
        QVERIFY(!OpenEditor(grid, 2, 2));
        QCOMPARE(begin.count(), 1);
        QCOMPARE(begin.at(0), (QList<QVariant>{2, 2}));

        grid.SetCellType(1, 1, CZTGridCtrl::GRID_CELL_LIST);
        grid.FillListItems(1, 1, {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("AUTO")});
        grid.SetItemText(1, 1, QStringLiteral("ON"));
        QSignalSpy end(&grid, &CZTGridCtrl::endEdit);
        auto* combo = qobject_cast<QComboBox*>(OpenEditor(grid, 1, 1));
        QVERIFY(combo);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentText(), QStringLiteral("ON"));
        combo->setCurrentIndex(2);
        QTest::keyClick(combo, Qt::Key_Return);
        QTRY_COMPARE(end.count(), 1);
        QCOMPARE(grid.GetItemText(1, 1), QStringLiteral("AUTO"));
    }

    void listColumnsWidenToTheirLongestChoice()
    {
        CZTGridCtrl grid;
        FillGrid(grid);
        grid.AutoSizeColumn(2);
        int before = grid.GetColumnWidth(2);
        const QString longChoice = QStringLiteral("A much longer choice than any text shown");
        grid.SetCellType(3, 2, CZTGridCtrl::GRID_CELL_LIST);
        grid.FillListItems(3, 2, {QStringLiteral("OFF"), longChoice});
        grid.FitListColumns();
        int needed = grid.fontMetrics().horizontalAdvance(longChoice);
        QVERIFY(before < needed);
        QVERIFY(grid.GetColumnWidth(2) > needed);
        grid.FillListItems(3, 2, {QStringLiteral("OFF")});
        grid.FitListColumns();                        // never narrows
        QVERIFY(grid.GetColumnWidth(2) > needed);
    }

    void typedTextFollowsDataTypeAndLimit_data()
    {
        QTest::addColumn<int>("dataType");
        QTest::addColumn<int>("textLen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer drops letters") << int(DT_INT) << -1 << "12a" << "12";
        QTest::newRow("integer keeps sign") << int(DT_INT) << -1 << "-7" << "-7";
        QTest::newRow("integer drops point") << int(DT_INT) << -1 << "1.5" << "15";
        QTest::newRow("real keeps point") << int(DT_REAL) << -1 << "12.5x" << "12.5";
        QTest::newRow("real drops second point") << int(DT_REAL) << -1 << "1.2.3" << "1.23";
        QTest::newRow("text takes anything") << int(DT_TEXT) << -1 << "ab c" << "ab c";
        QTest::newRow("text limit") << int(DT_TEXT) << 3 << "abcdef" << "abc";
    }

    void typedTextFollowsDataTypeAndLimit()
    {
        QFETCH(int, dataType);
        QFETCH(int, textLen);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        CZTGridCtrl grid;
        FillGrid(grid);
        grid.show();
        grid.SetCellType(2, 1, CZTGridCtrl::GRID_CELL_EDIT);
        grid.SetCellDataType(2, 1, dataType);
        grid.SetTextLen(2, 1, textLen);
        QSignalSpy end(&grid, &CZTGridCtrl::endEdit);
        auto* line = qobject_cast<QLineEdit*>(OpenEditor(grid, 2, 1));
        QVERIFY(line);
        line->clear();
        QTest::keyClicks(line, typed);
        QTest::keyClick(line, Qt::Key_Return);
        QTRY_COMPARE(end.count(), 1);
        QCOMPARE(end.at(0), (QList<QVariant>{2, 1}));
        QCOMPARE(grid.GetItemText(2, 1), expected);
    }

    void copyGivesTabSeparatedSelection()
    {
        CZTGridCtrl grid;
        FillGrid(grid);
        grid.setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);  // rows 1..2, columns 1..2
        grid.OnEditCopy();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1,1\t1,2\n2,1\t2,2\n"));
    }

    void pasteWritesAndAnnouncesEachCellInPasteMode()
    {
        CZTGridCtrl grid;
        FillGrid(grid);
        std::vector<std::tuple<int, int, QString, int>> seen;
        connect(&grid, &CZTGridCtrl::endEdit, &grid, [&](int r, int c) {
            seen.emplace_back(r, c, grid.GetItemText(r, c), grid.GetPastMode());
        });
        QSignalSpy finished(&grid, &CZTGridCtrl::pasteFinished);
        QApplication::clipboard()->setText(QStringLiteral("a\tb\r\nc\td\tbeyond\n"));
        grid.SetFocusCell(4, 2);
        grid.OnEditPaste();
        // Column 4 does not exist; rows 4 and 5, columns 2 and 3 are written in reading order.
        const std::vector<std::tuple<int, int, QString, int>> expected = {
            {4, 2, "a", 1}, {4, 3, "b", 1}, {5, 2, "c", 1}, {5, 3, "d", 1}};
        QCOMPARE(seen, expected);
        QCOMPARE(grid.GetPastMode(), 0);
        QCOMPARE(finished.count(), 1);
    }

    void printoutPaginatesTheRows()
    {
        CZTGridCtrl grid;
        FillGrid(grid, 60, 5);
        QImage page(400, 500, QImage::Format_RGB32);
        QPainter painter(&page);
        CGridPrinter printer(grid, 3);
        int pages = printer.Paginate(painter, QRect(0, 0, 400, 500));
        int perPage = printer.GetRowsPerPage();
        QVERIFY(perPage > 1 && pages > 1);
        QCOMPARE(pages, (59 + perPage - 1) / perPage);  // the header row is not counted
    }
};

std::unique_ptr<QObject> MakeGridCtrlTest()
{
    return std::make_unique<GridCtrlTest>();
}

#include "GridCtrlTest.moc"
