// Tools Compare with File: the comparison window (title, sheets, double-click), the marks in the
// grids and on paper while it is open, taking a sheet or everything as one undo step, the list
// following every edit, and a file that cannot be read. The unit's side is in TransferTest.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "compare/CSetupComparison.h"
#include "compare/CSetupTyping.h"
#include "model/CDocumentFile.h"
#include "setup/alarms/CAlarm.h"
#include "ui/compare/CCompareController.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/print/CGridPrinter.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"
#include "unit/CUnitHistory.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <fstream>

namespace {

constexpr int DEVICE_NUMBER = 3;  // General row of the bus number
constexpr int FLAG_ROW = 2;       // the alarm channel whose second flag the file has on

// The file's set-up: the defaults with a bus number, a physical input in use and an alarm on it
// with a flag on.
const std::vector<CellText> g_FileTexts{
    {ST_GENERAL, DEVICE_NUMBER, 1, false, "17"},
    {ST_PHYSICAL, 1, 1, false, "10 V"},
    {ST_PHYSICAL, 1, 5, false, "10"},
    {ST_ALARM, FLAG_ROW, CAlarm::COL_INPREF, false, "IN 11"},
    {ST_ALARM, FLAG_ROW, 1, true, "ON"},
};

// A document with bus number 23, and plant.q4g beside it holding the file's set-up.
struct Comparison : FrameFixture {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plant.q4g"));
    std::unique_ptr<CQ4kUnit> file = doc.CreateScratchUnit();

    Comparison()
    {
        QVERIFY(CSetupTyping::Type(*file, g_FileTexts).empty());
        QVERIFY(CDocumentFile().Save(*file, path.toStdString()));
        Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("23"));
    }
    CCompareController& Compare() const { return frame->GetCompare(); }
    CCompareDlg* Dialog() const { return Compare().GetDialog(); }
    QTreeWidget& Tree() const { return *Dialog()->GetTree(); }
    std::vector<CellDifference> Expected() const { return CSetupComparison::Compare(*doc.GetUnit(), *file); }
    // The item of the difference in that sheet's row and grid column.
    QTreeWidgetItem* Item(int sheet, int row, int col) const
    {
        const std::vector<CellDifference>& differences = Compare().GetDifferences();
        for (QTreeWidgetItemIterator it(&Tree()); *it; ++it) {
            int index = (*it)->data(0, CCompareDlg::IndexRole).toInt();
            if (index < 0)
                continue;
            const CellDifference& d = differences[static_cast<size_t>(index)];
            if (d.sheet == sheet && d.row == row && (d.flag ? CAlarm::COL_FLAGS : d.col) == col)
                return *it;
        }
        return nullptr;
    }
    void DoubleClick(QTreeWidgetItem* item) const
    {
        QVERIFY(item);
        Tree().scrollToItem(item);
        // The press of a hand's double-click first: QTest's double-click alone presses nothing.
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, {}, Tree().visualItemRect(item).center());
        QTest::mouseDClick(Tree().viewport(), Qt::LeftButton, {}, Tree().visualItemRect(item).center());
    }
};

// Pixels of the mark's colour on the first printed page of a sheet.
int MarkedPixels(const CZTGridCtrl& grid)
{
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    CGridPrinter printer(grid, 0);
    printer.Paginate(painter, page.rect());
    printer.PrintPage(painter, 1, 1);
    painter.end();
    int count = 0;
    const QRgb mark = q4ui::CellBackground(CellLook::Marked, q4ui::PaperPalette()).rgb();
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        count += static_cast<int>(std::count(line, line + page.width(), mark));
    }
    return count;
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT

private slots:
    // The window names the file and the count, lists the cells by sheet, shows a cell on a
    // double-click and follows every edit; the cells are marked on screen and on paper until
    // it closes.
    void compareWithFileListsMarksAndShowsTheCells()
    {
        Comparison c;
        // The file as the file dialog hands it over (that dialog keeps what earlier tests chose).
        QVERIFY(c.Compare().CompareWithFile(c.path));
        QVERIFY(c.Dialog() && c.Dialog()->isVisible());
        const std::vector<CellDifference> expected = c.Expected();
        QVERIFY(expected.size() >= 4);
        QCOMPARE(c.Dialog()->windowTitle(), QStringLiteral("Compare with plant.q4g - %1 differences").arg(expected.size()));
        QCOMPARE(c.Tree().headerItem()->text(3), QStringLiteral("plant.q4g"));

        // One top item per sheet with its count, in tab order.
        QStringList sheets;
        for (int sheet : {ST_GENERAL, ST_PHYSICAL, ST_ALARM}) {
            auto n = std::count_if(expected.begin(), expected.end(), [sheet](const CellDifference& d) { return d.sheet == sheet; });
            sheets << QStringLiteral("%1 (%2)").arg(c.frame->GetTabControl()->tabText(sheet)).arg(n);
        }
        QStringList shown;
        for (int i = 0; i < c.Tree().topLevelItemCount(); ++i)
            shown << c.Tree().topLevelItem(i)->text(0);
        QCOMPARE(shown, sheets);
        QTreeWidgetItem* bus = c.Item(ST_GENERAL, DEVICE_NUMBER, 1);
        QVERIFY(bus);
        QCOMPARE(bus->text(0), c.Grid(ST_GENERAL).GetItemText(DEVICE_NUMBER, 0).trimmed());
        QCOMPARE(bus->text(2), QStringLiteral("23"));
        QCOMPARE(bus->text(3), QStringLiteral("17"));

        // Marked: exactly the differing cells, a flag on its row's Flags cell; printed as shown.
        std::set<std::pair<int, int>> cells[4];
        for (const CellDifference& d : expected)
            cells[d.sheet].insert({d.row, d.flag ? CAlarm::COL_FLAGS : d.col});
        QVERIFY(cells[ST_ALARM].count({FLAG_ROW, CAlarm::COL_FLAGS}));
        for (int sheet = 0; sheet < 4; ++sheet)
            QCOMPARE(c.Marked(sheet), cells[sheet]);
        QCOMPARE(c.Grid(ST_GENERAL).GetItemLook(DEVICE_NUMBER, 1), CellLook::Marked);
        QVERIFY(MarkedPixels(c.Grid(ST_GENERAL)) > 0);

        // A double-click shows the cell: its tab, the cell current.
        const std::pair<int, int> shownCells[] = {{ST_ALARM, CAlarm::COL_FLAGS}, {ST_GENERAL, 1}};
        for (const auto& [sheet, col] : shownCells) {
            int row = sheet == ST_ALARM ? FLAG_ROW : DEVICE_NUMBER;
            c.DoubleClick(c.Item(sheet, row, col));
            QCOMPARE(c.frame->GetActivePage(), sheet);
            QCOMPARE(c.Grid(sheet).currentIndex(), c.Grid(sheet).IndexAt(row, col));
        }
        // A cell the grid does not show (General's spare rows): the tab alone.
        c.Activate(ST_LOGICAL);
        CellDifference spare;
        spare.row = 40;
        spare.col = 1;
        c.Compare().ShowDifference(spare);
        QCOMPARE(c.frame->GetActivePage(), int(ST_GENERAL));

        // An edit, and the list, the count and the marks follow.
        c.Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("17"));
        QCOMPARE(c.Dialog()->windowTitle(), QStringLiteral("Compare with plant.q4g - %1 differences").arg(expected.size() - 1));
        QVERIFY(!c.Item(ST_GENERAL, DEVICE_NUMBER, 1));
        QVERIFY(c.Marked(ST_GENERAL).empty());
        c.frame->GetAction(ID_EDIT_UNDO)->trigger();
        QVERIFY(c.Item(ST_GENERAL, DEVICE_NUMBER, 1));

        c.Dialog()->GetCloseButton()->click();
        QVERIFY(!c.Dialog());
        for (int sheet = 0; sheet < 4; ++sheet)
            QVERIFY(c.Marked(sheet).empty());
        QVERIFY(!c.Grid(ST_GENERAL).GetItemBkColour(DEVICE_NUMBER, 1).isValid());
        QCOMPARE(MarkedPixels(c.Grid(ST_GENERAL)), 0);
        QVERIFY(c.prompt.Messages().empty());
    }

    // Taking a sheet or everything is one step: the list follows, Ctrl+Z in the window restores.
    void takingFromTheFileIsOneUndoStep_data()
    {
        QTest::addColumn<int>("sheet");  // -1: Take All
        QTest::addColumn<QString>("label");
        QTest::newRow("sheet") << int(ST_PHYSICAL) << QStringLiteral("Take Physical Input from plant.q4g");
        QTest::newRow("all") << -1 << QStringLiteral("Take All from plant.q4g");
    }

    void takingFromTheFileIsOneUndoStep()
    {
        QFETCH(int, sheet);
        QFETCH(QString, label);
        Comparison c;
        QVERIFY(c.Compare().CompareWithFile(c.path));
        const std::vector<CellDifference> before = c.Expected();
        const QString title = c.Dialog()->windowTitle();
        const std::string edit = c.doc.GetHistory().UndoLabel();
        if (sheet >= 0) {
            c.Tree().setCurrentItem(c.Tree().topLevelItem(1));
            QCOMPARE(c.Dialog()->GetSelectedSheet(), sheet);
            c.Dialog()->GetTakeSheetButton()->click();
        } else {
            c.Dialog()->GetTakeAllButton()->click();
        }
        QCOMPARE(QString::fromStdString(c.doc.GetHistory().UndoLabel()), label);
        const std::vector<CellDifference> after = c.Expected();
        QCOMPARE(c.Compare().GetDifferences().size(), after.size());
        for (const CellDifference& d : after)
            QVERIFY(sheet >= 0 && d.sheet != sheet);
        if (sheet < 0) {
            QVERIFY(after.empty());
            QCOMPARE(c.Dialog()->windowTitle(), QStringLiteral("Compare with plant.q4g - no differences"));
            QCOMPARE(c.Dialog()->GetSummary()->text(), QStringLiteral("This set-up and plant.q4g do not differ."));
            QVERIFY(!c.Dialog()->GetTakeAllButton()->isEnabled());
            for (int s = 0; s < 4; ++s)
                QVERIFY(c.Marked(s).empty());
        }
        QVERIFY(c.prompt.Messages().empty());

        QVERIFY(QTest::qWaitForWindowActive(c.Dialog()));
        QTest::keyClick(c.Dialog(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.Expected().size(), before.size());
        QCOMPARE(c.Dialog()->windowTitle(), title);
        QCOMPARE(c.Grid(ST_GENERAL).GetItemText(DEVICE_NUMBER, 1), QStringLiteral("23"));
        QCOMPARE(c.doc.GetHistory().UndoLabel(), edit);
    }

    // A refused text is told with the cell it belongs to, once for the whole take.
    void refusalsAreListedInOneMessage()
    {
        Comparison c;
        // The file's bus number beyond what the document takes.
        c.file->GetSetupType(ST_GENERAL)->GetProperty(DEVICE_NUMBER, 1)->SetText("999");
        QVERIFY(CDocumentFile().Save(*c.file, c.path.toStdString()));
        QVERIFY(c.Compare().CompareWithFile(c.path));
        c.Dialog()->GetTakeAllButton()->click();
        QCOMPARE(c.prompt.Messages().size(), size_t(1));
        QString text = q4ui::ToQString(c.prompt.Messages()[0].text);
        QVERIFY2(text.startsWith(QStringLiteral("1 cell did not take the text of plant.q4g:\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\"999\" not taken, holds \"23\"")), qPrintable(text));
        QCOMPARE(c.Compare().GetDifferences().size(), size_t(1));
    }

    // A file that cannot be read is named with the reason; no window opens.
    void unreadableFileIsNamed_data()
    {
        QTest::addColumn<QByteArray>("contents");  // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("damaged") << QByteArray("no set-up at all");
    }

    void unreadableFileIsNamed()
    {
        QFETCH(QByteArray, contents);
        Comparison c;
        QString path = c.dir.filePath(QStringLiteral("other.q4g"));
        if (!contents.isEmpty())
            std::ofstream(path.toStdString()) << contents.toStdString();
        QString text;
        AnswerNextMessageBox(QMessageBox::Ok, &text);
        QVERIFY(!c.Compare().CompareWithFile(path));
        QVERIFY2(text.startsWith(QStringLiteral("The set-up cannot be compared with other.q4g: the file cannot be read.\n")), qPrintable(text));
        QVERIFY(!c.Dialog());
        QVERIFY(c.Marked(ST_GENERAL).empty());
    }
};

std::unique_ptr<QObject> MakeCompareTest()
{
    return std::make_unique<CompareTest>();
}

#include "CompareTest.moc"
