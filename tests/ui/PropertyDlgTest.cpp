// The property dialog with hand-made cells: rows by kind, OK writes back and Cancel leaves all,
// Tab through values and buttons (Enter: the main frame's keyboard test), its place by the cell.
#include "UiTests.h"

#include "model/CNdChnData.h"
#include "ui/document/CPropertyDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

struct Cells {
    CNdChnData text{DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT};
    CNdChnData list{DT_INT, 1, CTRL_LIST, CLR_GRID_DEFAULT};
    CNdChnData fixed{DT_TEXT, 0, CTRL_EDIT, CLR_GRID_DEFAULT};
    CNdChnData empty{DT_TEXT, 1, CTRL_EDIT, CLR_GRID_DEFAULT};
    CNdChnData locked{DT_TEXT, 0, CTRL_LIST, CLR_GRID_DEFAULT};

    Cells()
    {
        text.SetPropName("Label");
        text.AddData("old");
        list.SetPropName("Block");
        list.AddData("OFF;ON");
        fixed.SetPropName("Unit");
        fixed.AddData("mA");
        empty.SetPropName("Nothing");
        locked.SetPropName("Hysteresis");
        locked.AddData("OFF;ON");
        locked.SetSelText("ON");
    }
    void Fill(CPropertyDlg& dlg)
    {
        CNdChnData* all[] = {&text, &list, &fixed, &empty, &locked};
        dlg.SetProperties(all, 5);
    }
};

enum Side { Right, Left, Below };

// The box that has the focus, whether it or its line edit holds it.
QWidget* FocusedBox()
{
    QWidget* focus = QApplication::focusWidget();
    return qobject_cast<QLineEdit*>(focus) ? focus->parentWidget() : focus;
}

}  // namespace

class PropertyDlgTest : public QObject {
    Q_OBJECT

private slots:
    // Lists offer their items, a single item is typed, read-only and empty cells are greyed.
    void rowsByKind()
    {
        Cells cells;
        CPropertyDlg dlg;
        cells.Fill(dlg);
        const struct {
            const char* label;
            QStringList items;
            const char* shown;
            bool enabled;
            bool typed;
        } rows[] = {
            {"&Label", {"old"}, "old", true, true},
            {"&Block", {"OFF", "ON"}, "OFF", true, false},
            {"&Unit", {"mA"}, "mA", false, false},
            {"&Nothing", {}, "", false, false},
            {"&Hysteresis", {"OFF", "ON"}, "ON", false, false},
        };
        QCOMPARE(dlg.GetRowCount(), 5);
        for (int i = 0; i < 5; ++i) {
            const auto& row = rows[i];
            QComboBox* box = dlg.GetValueBox(i);
            QCOMPARE(dlg.GetLabel(i)->text(), QString::fromLatin1(row.label));
            QCOMPARE(dlg.GetLabel(i)->buddy(), box);
            QStringList items;
            for (int k = 0; k < box->count(); ++k)
                items << box->itemText(k);
            QCOMPARE(items, row.items);
            QCOMPARE(box->currentText(), QString::fromLatin1(row.shown));
            QCOMPARE(box->isEnabled(), row.enabled);
            QCOMPARE(box->isEditable(), row.typed);
        }
        QVERIFY(dlg.GetOkButton()->isDefault());
    }

    // OK writes what was chosen and typed; read-only cells keep even a selection past the first
    // item. Cancel leaves all.
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
        CPropertyDlg dlg;
        cells.Fill(dlg);
        dlg.GetValueBox(0)->setEditText(QStringLiteral("typed"));
        dlg.GetValueBox(1)->setCurrentIndex(1);
        (ok ? dlg.GetOkButton() : dlg.GetCancelButton())->click();
        QCOMPARE(dlg.result(), ok ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(cells.text.GetData(), std::vector<std::string>{ok ? "typed" : "old"});
        QCOMPARE(cells.list.GetDataAsString(), std::string(ok ? "ON" : "OFF"));
        QCOMPARE(cells.fixed.GetDataAsString(), std::string("mA"));
        QVERIFY(cells.empty.GetData().empty());
        QCOMPARE(cells.locked.GetDataAsString(), std::string("ON"));
    }

    // The first value has the focus; Tab walks every value that can be changed, then OK and
    // Cancel, and comes round again.
    void tabWalksValuesThenButtons()
    {
        Cells cells;
        CPropertyDlg dlg;
        cells.Fill(dlg);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        const QList<QWidget*> expected{dlg.GetValueBox(0), dlg.GetValueBox(1), dlg.GetOkButton(),
                                       dlg.GetCancelButton(), dlg.GetValueBox(0)};
        QList<QWidget*> seen{FocusedBox()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << FocusedBox();
        }
        QCOMPARE(seen, expected);
    }

    // Right of the cell where there is room, else left of it, else below it; always on the
    // screen's available area and never over the cell.
    void placedNextToTheCell_data()
    {
        QTest::addColumn<QRect>("cell");  // relative to the available area
        QTest::addColumn<int>("side");
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::newRow("room on the right") << QRect(40, 40, 80, 20) << int(Right);
        QTest::newRow("at the right edge") << QRect(area.width() - 100, 40, 80, 20) << int(Left);
        QTest::newRow("as wide as the screen") << QRect(0, 40, area.width(), 20) << int(Below);
    }

    void placedNextToTheCell()
    {
        QFETCH(QRect, cell);
        QFETCH(int, side);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        cell.translate(area.topLeft());
        Cells cells;
        CPropertyDlg dlg;
        cells.Fill(dlg);
        dlg.PlaceNextTo(cell);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QRect placed = dlg.frameGeometry();
        QVERIFY(area.contains(placed));
        QVERIFY(!placed.intersects(cell));
        const int gap[] = {placed.left() - cell.right(), cell.left() - placed.right(), placed.top() - cell.bottom()};
        QCOMPARE(gap[side], 1);  // touching the cell on that side
    }
};

std::unique_ptr<QObject> MakePropertyDlgTest()
{
    return std::make_unique<PropertyDlgTest>();
}

#include "PropertyDlgTest.moc"
