// The property dialog with hand-made cells: rows by kind, the height grows with the rows, OK
// writes back (an open editor too), Cancel leaves all.
#include "UiTests.h"

#include "ModalHelper.h"
#include "model/CNdChnData.h"
#include "ui/CPropertyDlg.h"
#include "ui/CZTGridCtrl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

struct Cells {
    CNdChnData text{DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT};
    CNdChnData list{DT_INT, 1, CTRL_LIST, CLR_GRID_DEFAULT};
    CNdChnData fixed{DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT};
    CNdChnData empty{DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT};

    Cells()
    {
        text.SetPropName("Label");
        text.AddData("old");
        list.SetPropName("Block");
        list.AddData("OFF;ON");
        fixed.SetPropName("Unit");
        fixed.AddData("mA");
        empty.SetPropName("Nothing");
    }
    // A dialog over the first count cells.
    void Fill(CPropertyDlg& dlg, int count = 4)
    {
        CNdChnData* all[] = {&text, &list, &fixed, &empty};
        dlg.SetProperties(all, count);
    }
};

}  // namespace

class PropertyDlgTest : public QObject {
    Q_OBJECT

private slots:
    void rowsByKindAndHeightByCount()
    {
        Cells cells;
        CPropertyDlg dlg;
        cells.Fill(dlg);
        dlg.show();
        CZTGridCtrl& grid = *dlg.GetGrid();
        QCOMPARE(grid.GetRowCount(), 4);
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("Label"));
        QCOMPARE(grid.GetCellType(0, 0), int(CZTGridCtrl::GRID_CELL_READONLY));
        QCOMPARE(grid.GetCellType(0, 1), int(CZTGridCtrl::GRID_CELL_EDIT));
        QCOMPARE(grid.GetCellType(1, 1), int(CZTGridCtrl::GRID_CELL_LIST));
        QCOMPARE(grid.GetListItems(1, 1), (QStringList{"OFF", "ON"}));
        QCOMPARE(grid.GetCellType(2, 1), int(CZTGridCtrl::GRID_CELL_READONLY));
        QCOMPARE(grid.GetItemText(2, 1), QStringLiteral("mA"));
        QCOMPARE(grid.GetItemText(3, 1), QString());

        CPropertyDlg one;
        cells.Fill(one, 1);
        one.show();
        QCOMPARE(dlg.height() - one.height(), 3 * one.GetRowHeight());
        QVERIFY(one.GetRowHeight() >= one.fontMetrics().height());
    }

    // Edits made in the dialog's editors, the last still open: OK writes them, Cancel none.
    void okWritesBackCancelLeaves_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }

    void okWritesBackCancelLeaves()
    {
        QFETCH(bool, ok);
        Cells cells;
        AnswerNextModal([ok](QWidget* modal) {
            auto* dlg = qobject_cast<CPropertyDlg*>(modal);
            CZTGridCtrl& grid = *dlg->GetGrid();
            QModelIndex text = grid.model()->index(0, 1);
            grid.edit(text);
            qobject_cast<QLineEdit*>(grid.indexWidget(text))->setText(QStringLiteral("typed"));
            grid.EndEditing();
            QModelIndex list = grid.model()->index(1, 1);
            grid.edit(list);
            qobject_cast<QComboBox*>(grid.indexWidget(list))->setCurrentIndex(1);
            ok ? dlg->accept() : dlg->reject();
        });
        CPropertyDlg dlg;
        cells.Fill(dlg);
        QCOMPARE(dlg.exec(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(cells.text.GetData(), std::vector<std::string>{ok ? "typed" : "old"});
        QCOMPARE(cells.list.GetDataAsString(), std::string(ok ? "ON" : "OFF"));
        QCOMPARE(cells.fixed.GetDataAsString(), std::string("mA"));
        QVERIFY(cells.empty.GetData().empty());
    }
};

std::unique_ptr<QObject> MakePropertyDlgTest()
{
    return std::make_unique<PropertyDlgTest>();
}

#include "PropertyDlgTest.moc"
