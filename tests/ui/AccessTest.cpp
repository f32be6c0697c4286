// What a screen reader and a dark desktop get: grids and cells named as the user names them,
// toolbar buttons with plain names, a label for every input of the dialogs, a tab bar that
// shows the focus, every cell readable on a dark palette and light colours on paper.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "ProgramWindows.h"
#include "compare/CellDifference.h"
#include "model/CNdChnData.h"
#include "setup/alarms/CAlarm.h"
#include "ui/transfer/CBackupSettingsDlg.h"
#include "ui/transfer/CChangeReportDlg.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/grid/CGridCellDelegate.h"
#include "ui/print/CGridPrinter.h"
#include "ui/transfer/CLineSettingsDlg.h"
#include "ui/plant/CPlantModel.h"
#include "ui/plant/CPlantPanel.h"
#include "ui/plant/CPlantUi.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/document/CPropertyDlg.h"
#include "ui/common/CommandTable.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressBar>
#include <QTableView>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <map>
#include <memory>

namespace {

// Relative luminance and contrast ratio as WCAG 2 defines them.
double Luminance(const QColor& c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop's colours for the whole program while it lives.
struct DarkPalette {
    QPalette before = QApplication::palette();
    DarkPalette()
    {
        QPalette dark;
        const std::pair<QPalette::ColorRole, QColor> colours[] = {
            {QPalette::Window, QColor(0x35, 0x35, 0x35)}, {QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE)},
            {QPalette::Base, QColor(0x23, 0x23, 0x23)},   {QPalette::AlternateBase, QColor(0x2E, 0x2E, 0x2E)},
            {QPalette::Text, QColor(0xEE, 0xEE, 0xEE)},   {QPalette::Button, QColor(0x35, 0x35, 0x35)},
            {QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE)}, {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
            {QPalette::HighlightedText, Qt::black},       {QPalette::Mid, QColor(0x60, 0x60, 0x60)},
        };
        for (const auto& [role, colour] : colours)
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(before); }
};

// Alarm 1 on IN 11; IN 12 and the other alarms off; a cell marked on each sheet.
struct MixedSetup : FrameFixture {
    ChecksIgnored checksIgnored;  // the checks are not what this test is about
    MixedSetup()
    {
        UseFirstInput();
        Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        Edit(ST_LOGICAL, 1, 1, QStringLiteral("IN 11"));
        const std::pair<int, int> marked[] = {{3, 1}, {1, 5}, {1, 1}, {1, CAlarm::COL_SETPOINT}};
        for (int sheet = 0; sheet < 4; ++sheet)
            Grid(sheet).GetSheetModel()->SetMarkedCells({marked[sheet]});
    }
    // The alarm's Flags dialog closed with OK, the flags of the initials given on.
    void SetFlags(int row, const std::string& initials) const
    {
        PropList props;
        QVERIFY(Type(ST_ALARM).GetPopupProperties(row, CAlarm::COL_FLAGS, props));
        for (auto& prop : props)
            prop->SetSelText(initials.find(prop->GetName()[0]) != std::string::npos ? "ON" : "OFF");
        Type(ST_ALARM).UpdateProperties(row, CAlarm::COL_FLAGS, props);
    }
};

// The most a pixel of the area differs from the background, as contrast ratio; transparent
// pixels do not count.
double MostContrast(const QImage& image, const QRect& area, const QColor& background)
{
    double most = 1.0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
            if (pixel.alpha() > 200)
                most = std::max(most, Contrast(pixel, background));
        }
    }
    return most;
}

// The inputs of a dialog that have neither a name of their own nor a label.
QStringList Unlabelled(QWidget& dialog)
{
    QStringList unlabelled;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        // A combo box's line edit and list belong to the combo box.
        bool own = !qobject_cast<QComboBox*>(w->parentWidget()) && !w->parentWidget()->inherits("QComboBoxPrivateContainer");
        bool input = qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w)
                     || qobject_cast<QPlainTextEdit*>(w) || (qobject_cast<QAbstractItemView*>(w) && !qobject_cast<QHeaderView*>(w));
        if (!own || !input || !w->accessibleName().isEmpty())
            continue;
        if (QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label).isEmpty())
            unlabelled << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    }
    return unlabelled;
}

}  // namespace

class AccessTest : public QObject {
    Q_OBJECT

private slots:
    // A grid is named after its sheet; a cell reads as its channel, column and value, and says
    // what it takes, that it is read-only, or how to make it active (the table cells of Qt's
    // accessibility report no read-only state of their own).
    void gridsAndCellsReadAsChannelColumnAndValue_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("setting") << int(ST_GENERAL) << 3 << 1 << "Device Number, Selections: 1"
                                 << "A whole number from 1 to 62";
        QTest::newRow("input type") << int(ST_PHYSICAL) << 1 << 1 << "IN 11, InpTp: 10 V" << "";
        QTest::newRow("inactive") << int(ST_PHYSICAL) << 2 << 3 << "IN 12, InpLo: 0" << "Not active: set InpTp of IN 12 first.";
        QTest::newRow("copy") << int(ST_ALARM) << 1 << int(CAlarm::COL_INPTP) << "1 (A11), InpTp: 10 V" << "Read-only";
        QTest::newRow("empty copy") << int(ST_ALARM) << 2 << int(CAlarm::COL_INPTP) + 1 << "2 (A12), LCDU: empty" << "Read-only";
        QTest::newRow("flags by name") << int(ST_ALARM) << 1 << int(CAlarm::COL_FLAGS) << "1 (A11), Flags: Block, Control"
                                       << "Enter or a double click opens the settings of this cell";
        QTest::newRow("no flag on") << int(ST_ALARM) << 3 << int(CAlarm::COL_FLAGS) << "3 (A13), Flags: none"
                                    << "Not active: set InpRef of 3 (A13) first.";
        QTest::newRow("dynamic reference without a logical input")
            << int(ST_ALARM) << 2 << int(CAlarm::COL_DYNREF) << "2 (A12), DynRef: OFF"
            << "Read-only: Available once a logical input is in use: choose its first input (I1) on Logical Input";
    }

    void gridsAndCellsReadAsChannelColumnAndValue()
    {
        QFETCH(int, sheet);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MixedSetup f;
        // Alarm 1 with two of its flags on; alarm 2 on IN 11 too, once the logical input is off.
        f.SetFlags(1, "BC");
        f.Edit(ST_LOGICAL, 1, 1, QStringLiteral("OFF"));
        f.Edit(ST_ALARM, 2, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        CZTGridCtrl& grid = f.Activate(sheet);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->text(QAccessible::Name), f.frame->GetTabControl()->tabText(sheet));
        QAccessibleInterface* cell = table->tableInterface()->cellAt(row - 1, col - 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), name);
        if (description.isEmpty())  // a list's hint: its choices
            QVERIFY(cell->text(QAccessible::Description).startsWith(QStringLiteral("One of: ")));
        else
            QCOMPARE(cell->text(QAccessible::Description), description);
    }

    // The toolbar's buttons are named as the commands, without keys or ampersands.
    void toolbarButtonsHavePlainNames()
    {
        FrameFixture f;
        auto* toolbar = f.frame->findChild<QToolBar*>(QStringLiteral("toolbar128"));
        QVERIFY(toolbar);
        QStringList names;
        for (QAction* action : toolbar->actions()) {
            if (QWidget* button = toolbar->widgetForAction(action); qobject_cast<QToolButton*>(button))
                names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        }
        QCOMPARE(names, QStringList({"New", "Open", "Save", "Cut", "Copy", "Paste", "Undo", "Redo", "Print",
                                     "About Q4150", "Upload", "Download"}));
        for (QToolButton* button : toolbar->findChildren<QToolButton*>())  // the one for a narrow window too
            QVERIFY2(!QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty(),
                     qPrintable(button->objectName()));
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));  // Undo names its step, still without keys
        QAccessibleInterface* undo = QAccessible::queryAccessibleInterface(toolbar->widgetForAction(f.frame->GetAction(ID_EDIT_UNDO)));
        QVERIFY2(!undo->text(QAccessible::Name).contains(QLatin1Char('\t')), qPrintable(undo->text(QAccessible::Name)));
        QVERIFY(undo->text(QAccessible::Name).startsWith(QStringLiteral("Undo ")));
    }

    // Every input of the program's dialogs has a label a screen reader can tell.
    void everyDialogInputHasALabel()
    {
        std::vector<std::unique_ptr<QWidget>> dialogs;
        dialogs.push_back(std::make_unique<CComPortDlg>());
        dialogs.push_back(std::make_unique<CLineSettingsDlg>(QStringLiteral("Emulator"), CLineSettings()));
        dialogs.push_back(std::make_unique<CBackupSettingsDlg>(CBackupSettings{true, QStringLiteral("/tmp"), false}));
        auto property = std::make_unique<CPropertyDlg>();
        CNdChnData flag(DT_INT, 1, CTRL_LIST, CLR_GRID_DEFAULT);
        flag.SetPropName("Block");
        flag.AddData("OFF;ON");
        CNdChnData* flags[] = {&flag};
        property->SetProperties(flags, 1);
        dialogs.push_back(std::move(property));
        auto compare = std::make_unique<CCompareDlg>();
        compare->SetDifferences({}, QStringLiteral("plant.q4g"), QString());
        dialogs.push_back(std::move(compare));
        QPrinter printer;
        CellDifference change{ST_GENERAL, 3, 1, false, "General", "Device Number", "Selections", "1", "17"};
        dialogs.push_back(std::make_unique<CChangeReportDlg>(
            CChangeReport({change}, QStringLiteral("plant.q4g"), QStringLiteral("/tmp/unit.q4g"), QStringLiteral("COM1"), QDateTime::currentDateTime()),
            printer));
        for (auto& dialog : dialogs) {
            dialog->show();
            QVERIFY2(Unlabelled(*dialog).isEmpty(),
                     qPrintable(dialog->windowTitle() + QStringLiteral(": ") + Unlabelled(*dialog).join(QStringLiteral(", "))));
        }
    }

    // The plant panel's cells read with their unit and column, not as bare values.
    void plantPanelCellsReadWithTheirColumn()
    {
        PlantFrame f;
        QTableView* table = f.frame->GetPlantUi().GetPanel()->GetTable();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
        QVERIFY(iface && iface->tableInterface());
        const struct {
            int row;
            int col;
            const char* name;
        } cases[] = {
            {0, CPlantModel::TagColumn, "Tag: AN-1"},
            {0, CPlantModel::LocationColumn, "AN-1, Location: Pump hall"},
            {0, CPlantModel::DeviceColumn, "AN-1, Device: 1"},
            {0, CPlantModel::FileColumn, "AN-1, File: an-1.q4g"},
            {1, CPlantModel::DeviceColumn, "AN-2, Device: empty"},  // its file is missing
            {1, CPlantModel::StateColumn, "AN-2, State: file missing"},
        };
        for (const auto& c : cases) {
            QAccessibleInterface* cell = iface->tableInterface()->cellAt(c.row, c.col);
            QVERIFY(cell);
            QCOMPARE(cell->text(QAccessible::Name), QString::fromUtf8(c.name));
        }
    }

    // An editable box is read by what its label says, not by the text it holds.
    void portBoxIsNamedPort()
    {
        CComPortDlg dialog;
        dialog.SelectPort(QStringLiteral("/dev/ttyUSB7"));
        auto* combo = dialog.findChild<QComboBox*>();
        QVERIFY(combo);
        QCOMPARE(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Name), QStringLiteral("Port"));
    }

    // A menu item reads its name; its keys are its accelerator, not a part of the name.
    void menuItemsReadTheirNamesWithoutKeys()
    {
        FrameFixture f;
        f.Edit(ST_GENERAL, 3, 1, QStringLiteral("17"));  // Undo names its step, its keys apart
        std::map<QString, QString> keys;  // name: accelerator
        for (QAction* title : f.frame->menuBar()->actions()) {
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(title->menu());
            QVERIFY(menu);
            for (int i = 0; i < menu->childCount(); ++i) {
                QAccessibleInterface* item = menu->child(i);
                const QString name = item->text(QAccessible::Name);
                QVERIFY2(!name.contains(QLatin1Char('\t')) && !name.contains(QLatin1Char('&')), qPrintable(name));
                keys[name] = item->text(QAccessible::Accelerator);
            }
        }
        QCOMPARE(keys[QStringLiteral("New")], QKeySequence(QStringLiteral("Ctrl+N")).toString());
        QCOMPARE(keys[QStringLiteral("Paste")], QKeySequence(QStringLiteral("Ctrl+V")).toString());
        QVERIFY(keys.count(QStringLiteral("Help Topics")) && keys[QStringLiteral("Help Topics")] == QStringLiteral("F1"));
    }

    // The progress window is a dialog named after its transfer; its bar is named after the
    // transfer too, tells the step under way and has its value.
    void progressWindowTellsItsTransferStepAndValue()
    {
        FrameFixture f;
        CProgressWnd progress;
        QVERIFY(progress.Create(f.frame.get(), QStringLiteral("Upload, step 2 of 2"), 0));
        progress.SetRange(0, 200);
        progress.SetText(std::string("Uploading Alarm data ..."));
        progress.SetPos(50);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(progress.GetWindow());
        QCOMPARE(window->role(), QAccessible::Dialog);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Upload, step 2 of 2 [25%]"));
        auto* bar = progress.GetWindow()->findChild<QProgressBar*>();
        QVERIFY(bar);
        QAccessibleInterface* value = QAccessible::queryAccessibleInterface(bar);
        QCOMPARE(value->role(), QAccessible::ProgressBar);
        QCOMPARE(value->text(QAccessible::Name), QStringLiteral("Upload, step 2 of 2"));
        QCOMPARE(value->text(QAccessible::Description), QStringLiteral("Uploading Alarm data ..."));
        QVERIFY(value->valueInterface());
        QCOMPARE(value->valueInterface()->currentValue().toInt(), 50);
        QCOMPARE(value->valueInterface()->maximumValue().toInt(), 200);
        progress.DestroyWindow();
    }

    // A cell's settings dialog is named after the cell.
    void settingsDialogIsNamedAfterItsCell()
    {
        MixedSetup f;
        CZTGridCtrl& grid = f.Activate(ST_ALARM);
        QString title;
        AnswerNextModal([&title](QWidget* modal) {
            title = QAccessible::queryAccessibleInterface(modal)->text(QAccessible::Name);
            qobject_cast<QDialog*>(modal)->reject();
        });
        grid.SetFocusCell(1, CAlarm::COL_FLAGS);
        QTest::keyClick(&grid, Qt::Key_Return);
        QCOMPARE(title, QStringLiteral("Flags of 1 (A11)"));
    }

    // The tab bar draws a focus mark when the keys are with it, however they got there.
    void tabBarShowsWhereTheFocusIs()
    {
        FrameFixture f;
        QTabBar* tabs = f.frame->GetTabControl()->tabBar();
        f.Activate(ST_PHYSICAL);
        const QImage unfocused = tabs->grab().toImage();
        tabs->setFocus(Qt::ActiveWindowFocusReason);  // as after a dialog closed
        QVERIFY(tabs->hasFocus());
        const QImage focused = tabs->grab().toImage();
        QVERIFY(focused != unfocused);
    }

    // On a dark palette every cell's text stands out from its background by at least 4.5 to 1,
    // whatever the cell is (active, read-only, inactive, marked), as the grid draws it.
    void darkPaletteKeepsEveryCellReadable()
    {
        DarkPalette dark;
        MixedSetup f;
        std::map<CellLook, int> looks;
        int marks = 0;
        for (int sheet = 0; sheet < 4; ++sheet) {
            CZTGridCtrl& grid = f.Activate(sheet);
            grid.clearSelection();
            auto* delegate = qobject_cast<CGridCellDelegate*>(grid.itemDelegate());
            QVERIFY(delegate);
            const QImage shown = grid.viewport()->grab().toImage();
            const QRect visible = grid.viewport()->rect();
            for (int row = 1; row < grid.GetRowCount(); ++row) {
                for (int col = 1; col < grid.GetColumnCount(); ++col) {
                    const QModelIndex index = grid.IndexAt(row, col);
                    const QRect rect = grid.visualRect(index);
                    if (!visible.contains(rect) || index == grid.currentIndex())
                        continue;
                    QStyleOptionViewItem option;
                    option.initFrom(grid.viewport());
                    delegate->initStyleOption(&option, index);
                    const QColor background = option.backgroundBrush.style() == Qt::NoBrush
                                                  ? option.palette.color(QPalette::Base)
                                                  : option.backgroundBrush.color();
                    const QColor text = option.palette.color(QPalette::Text);
                    const QString where = QStringLiteral("sheet %1, %2").arg(sheet).arg(index.data(Qt::AccessibleTextRole).toString());
                    QVERIFY2(Contrast(text, background) >= 4.5,
                             qPrintable(where + QStringLiteral(": %1 on %2").arg(text.name(), background.name())));
                    // The grid draws what it says it draws.
                    const QPoint corner = rect.topLeft() + QPoint(1, 1);
                    QCOMPARE(QColor(shown.pixel(corner * shown.devicePixelRatio())).name(), background.name());
                    ++looks[grid.GetItemLook(row, col)];
                    // A list cell's drop-down mark, at its right edge, stands out as a graphic must.
                    if (static_cast<CSheetModel::CellKind>(index.data(CSheetModel::KindRole).toInt()) == CSheetModel::CellKind::List) {
                        const qreal ratio = shown.devicePixelRatio();
                        const QRect mark(QPoint(rect.right() - 12, rect.top() + 1) * ratio, QSize(11, rect.height() - 2) * ratio);
                        QVERIFY2(MostContrast(shown, mark, background) >= 3.0, qPrintable(where + QStringLiteral(": the list's mark")));
                        ++marks;
                    }
                }
            }
        }
        for (CellLook look : {CellLook::Plain, CellLook::ReadOnly, CellLook::Inactive, CellLook::Marked})
            QVERIFY2(looks[look] > 0, qPrintable(QString::number(int(look))));
        QVERIFY(marks > 20);
    }

    // The toolbar's icons are drawn in the desktop's colours: each stands out from the toolbar
    // on a dark palette as on a light one, and follows a change of palette.
    void toolbarIconsStandOutOnEveryPalette()
    {
        FrameFixture f;
        auto check = [&f](const char* palette) {
            auto* toolbar = f.frame->findChild<QToolBar*>(QStringLiteral("toolbar128"));
            const QColor background = toolbar->palette().color(QPalette::Window);
            for (QAction* action : toolbar->actions()) {
                if (action->isSeparator())
                    continue;
                const QImage icon = action->icon().pixmap(QSize(16, 16)).toImage();
                QVERIFY2(MostContrast(icon, icon.rect(), background) >= 3.0,
                         qPrintable(QStringLiteral("%1 on the %2 palette").arg(action->iconText(), QLatin1String(palette))));
            }
        };
        check("light");
        {
            DarkPalette dark;
            QCoreApplication::processEvents();
            check("dark");
        }
    }

    // Paper stays light under a dark desktop: the alarm sheet's grey copies and marks print on
    // light backgrounds.
    void printingKeepsLightColours()
    {
        DarkPalette dark;
        MixedSetup f;
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        CGridPrinter printer(f.Grid(ST_ALARM), 0);
        printer.Paginate(painter, page.rect());
        printer.PrintPage(painter, 1, 1);
        painter.end();
        std::map<QRgb, int> counts;
        for (int y = 0; y < page.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            for (int x = 0; x < page.width(); ++x)
                ++counts[line[x]];
        }
        // The backgrounds fill far more of the page than any shade of the text's edges.
        std::vector<std::pair<int, QRgb>> byCount;
        for (const auto& [colour, count] : counts)
            byCount.push_back({count, colour});
        std::sort(byCount.rbegin(), byCount.rend());
        int backgrounds = 0;
        for (const auto& [count, colour] : byCount) {
            if (count < 2000 || colour == qRgb(0, 0, 0))
                continue;
            ++backgrounds;
            QVERIFY2(Luminance(QColor(colour)) > 0.5, qPrintable(QColor(colour).name()));
        }
        QVERIFY(backgrounds >= 3);  // white, the grey copies, the headings
    }
};

std::unique_ptr<QObject> MakeAccessTest()
{
    return std::make_unique<AccessTest>();
}

#include "AccessTest.moc"
