// The property dialog with hand-made cells: rows by kind, OK writes back, Cancel leaves all,
// the height grows with the rows.
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
    CNdChnData text{30, 1, CTRL_EDIT, 0xFF000000};      // one item, editable
    CNdChnData list{3, 1, CTRL_LIST, 0xFF000000};       // OFF / ON
    CNdChnData fixed{30, 0, CTRL_EDIT, 0xFF000000};     // read-only
    CNdChnData empty{30, 1, CTRL_EDIT, 0xFF000000};     // no items

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
    std::vector<CNdChnData*> All() { return {&text, &list, &fixed, &empty}; }
};

}  // namespace

class PropertyDlgTest : public QObject {
    Q_OBJECT

private slots:
    void rowsShowNamesAndValuesByKind()
    {
        Cells cells;
        CPropertyDlg dlg;
        auto all = cells.All();
        dlg.SetProperties(all.data(), static_cast<int>(all.size()));
        dlg.show();
        CZTGridCtrl& grid = *dlg.GetGrid();
        QCOMPARE(grid.GetRowCount(), 4);
        QCOMPARE(grid.GetColumnCount(), 2);
        QCOMPARE(grid.GetItemText(0, 0), QStringLiteral("Label"));
        QCOMPARE(grid.GetCellType(0, 0), int(CZTGridCtrl::GRID_CELL_READONLY));
        QCOMPARE(grid.GetCellType(0, 1), int(CZTGridCtrl::GRID_CELL_EDIT));
        QCOMPARE(grid.GetCellType(1, 1), int(CZTGridCtrl::GRID_CELL_LIST));
        QCOMPARE(grid.GetListItems(1, 1), (QStringList{"OFF", "ON"}));
        QCOMPARE(grid.GetCellType(2, 1), int(CZTGridCtrl::GRID_CELL_READONLY));
        QCOMPARE(grid.GetItemBkColour(2, 1), QColor(0xE2, 0xE2, 0xE2));
        QCOMPARE(grid.GetItemText(2, 1), QStringLiteral("mA"));
        QCOMPARE(grid.GetItemText(3, 1), QString());
    }

    void okWritesTypedTextAndChoice()
    {
        Cells cells;
        AnswerNextModal([](QWidget* modal) {
            auto* dlg = qobject_cast<CPropertyDlg*>(modal);
            CZTGridCtrl& grid = *dlg->GetGrid();
            QModelIndex text = grid.model()->index(0, 1);
            grid.edit(text);
            qobject_cast<QLineEdit*>(grid.indexWidget(text))->setText(QStringLiteral("typed"));
            grid.EndEditing();
            QModelIndex list = grid.model()->index(1, 1);
            grid.edit(list);
            qobject_cast<QComboBox*>(grid.indexWidget(list))->setCurrentIndex(1);
            dlg->accept();  // takes the open list edit first
        });
        CPropertyDlg dlg;
        auto all = cells.All();
        dlg.SetProperties(all.data(), static_cast<int>(all.size()));
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(cells.text.GetData(), std::vector<std::string>{"typed"});
        QCOMPARE(cells.list.GetDataAsString(), std::string("ON"));
        QCOMPARE(cells.fixed.GetDataAsString(), std::string("mA"));
        QVERIFY(cells.empty.GetData().empty());
    }

    void cancelLeavesEveryProperty()
    {
        Cells cells;
        AnswerNextModal([](QWidget* modal) {
            auto* dlg = qobject_cast<CPropertyDlg*>(modal);
            dlg->GetGrid()->SetItemText(0, 1, QStringLiteral("changed"));
            dlg->GetGrid()->SetItemText(1, 1, QStringLiteral("ON"));
            dlg->reject();
        });
        CPropertyDlg dlg;
        auto all = cells.All();
        dlg.SetProperties(all.data(), static_cast<int>(all.size()));
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        QCOMPARE(cells.text.GetDataAsString(), std::string("old"));
        QCOMPARE(cells.list.GetDataAsString(), std::string("OFF"));
    }

    void heightGrowsWithRows()
    {
        Cells cells;
        auto all = cells.All();
        CPropertyDlg one;
        one.SetProperties(all.data(), 1);
        one.show();
        CPropertyDlg four;
        four.SetProperties(all.data(), 4);
        four.show();
        QCOMPARE(four.height() - one.height(), 3 * one.GetRowHeight());
        QFontMetrics fm(one.font());
        QCOMPARE(one.GetRowHeight(), fm.height() + fm.leading() + 5);
    }

    void takesAtMostAHundred()
    {
        std::vector<CNdChnData> cells(120, CNdChnData(30, 1, CTRL_EDIT, 0xFF000000));
        std::vector<CNdChnData*> pointers;
        for (auto& cell : cells)
            pointers.push_back(&cell);
        CPropertyDlg dlg;
        dlg.SetProperties(pointers.data(), 120);
        dlg.show();
        QCOMPARE(dlg.GetGrid()->GetRowCount(), CPropertyDlg::MAX_PROPS);
    }
};

std::unique_ptr<QObject> MakePropertyDlgTest()
{
    return std::make_unique<PropertyDlgTest>();
}

#include "PropertyDlgTest.moc"
