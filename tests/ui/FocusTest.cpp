// Where the keys go once a dialog, a message box, a transfer, the comparison window or a menu of
// the main window is done: to the grid of the tab shown, at its current cell.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "model/CDocumentFile.h"
#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/compare/CCompareController.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/transfer/CLineSettingsDlg.h"
#include "ui/app/CMainFrame.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/document/CQ4150View.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/transfer/CQtJob.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CUpDown.h"
#include "ui/grid/CZTGridCtrl.h"
#include "ui/common/CommandTable.h"
#include "unit/CQ4kUnit.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int TRANSFER_MS = 30000;
constexpr int DEVICE_NUMBER = 3;  // the General row the set-up and the unit differ in
// The cell the user is on when each flow starts: a number cell of the physical inputs.
constexpr int START_TAB = ST_PHYSICAL;
constexpr int START_ROW = 3;
constexpr int START_COL = 4;

enum class Flow {
    SaveQuestion, About, BackupSettings, ComSetup, Flags, Print, MenuEscape, MenuCommand,
    Upload, OtherUnitRefused, Download, Retry, BackupStopped, VerifyHolds, VerifyDiffers, CompareClosed,
    DifferenceShown,
};

// Before writing, the upload asks about the unit's other bus number; Yes goes on.
void AnswerOtherUnit(QMessageBox::StandardButton button, QString* told = nullptr)
{
    AnswerNextMessageBox(button, told, TRANSFER_MS);
}

// The program as the user has it, with message boxes of its own, on an emulated unit whose
// bus number differs from the set-up's; an alarm channel in use, for its Flags.
struct Program {
    ChecksIgnored checksIgnored;  // the checks are not what this test is about; before the frame
    CQtMessagePrompt prompt;
    CQ4150Doc doc{prompt};
    std::unique_ptr<CMainFrame> frame;
    CEmulatorServer emulator;
    QTemporaryDir dir;

    Program()
    {
        doc.OnNewDocument();
        frame = std::make_unique<CMainFrame>(doc);
        frame->ResetViews();
        frame->show();
        QVERIFY(emulator.Start());
        // A slow line setting (the pty ignores it) gives the unit room to answer on a busy machine.
        UnitPortSettings port;
        port.port = emulator.GetSlavePath();
        port.line.m_baudRate = 110;
        port.fixedWaitMs = 5;
        frame->GetTransfers().SetPort(port);
        Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("17"));
        Edit(ST_PHYSICAL, 1, 1, QStringLiteral("10 V"));
        Edit(ST_PHYSICAL, 1, 5, QStringLiteral("10"));
        Edit(ST_ALARM, 1, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        MoveTo(START_TAB, START_ROW, START_COL);
    }
    CZTGridCtrl& Grid(int tab) const { return *frame->GetQ4View(tab)->GetGrid(); }
    void Edit(int tab, int row, int col, const QString& text) const { emit Grid(tab).endEdit(row, col, text); }
    void Activate() const
    {
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    }
    // The tab and cell the user is on, the keys going to that grid.
    void MoveTo(int tab, int row, int col) const
    {
        frame->SetActiveView(tab);
        Grid(tab).SetFocusCell(row, col);
        Activate();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&Grid(tab)));
    }
    void Run(int command) const
    {
        frame->GetAction(command)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame->IsTransferring(), TRANSFER_MS);
    }
    // The menu of the menu bar opened with Alt and its letter.
    QWidget* OpenMenu(Qt::Key letter) const
    {
        QTest::keyClick(frame.get(), letter, Qt::AltModifier);
        return QApplication::activePopupWidget();
    }
};

void RunFlow(Program& p, Flow flow)
{
    auto reject = [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); };
    QString told;
    switch (flow) {
    case Flow::SaveQuestion:
        AnswerNextMessageBox(QMessageBox::Cancel);
        p.frame->GetAction(ID_FILE_NEW)->trigger();
        break;
    case Flow::About:
        AnswerNextModal(reject);
        p.frame->GetAction(ID_APP_ABOUT)->trigger();
        break;
    case Flow::BackupSettings:
        AnswerNextModal(reject);
        p.frame->GetAction(ID_BACKUP_SETTINGS)->trigger();
        break;
    case Flow::ComSetup:
        AnswerNextModal([](QWidget* modal) {
            auto* ports = qobject_cast<CComPortDlg*>(modal);
            QVERIFY(ports);
            ports->GetCombo()->setCurrentText(QString::fromLatin1(CComPortDlg::EMULATOR));
            AnswerNextModal([](QWidget* settings) { qobject_cast<CLineSettingsDlg*>(settings)->accept(); });
            ports->accept();
        });
        p.frame->GetAction(ID_COMMSETUP)->trigger();
        QVERIFY(p.frame->GetComSetupUi().GetEmulator());
        break;
    case Flow::Flags:
        p.MoveTo(ST_ALARM, 1, CAlarm::COL_FLAGS);
        AnswerNextModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        break;
    case Flow::Print:
        AnswerNextModal(reject);
        p.frame->GetAction(ID_FILE_PRINT_ALL)->trigger();
        break;
    case Flow::MenuEscape:
        if (QWidget* menu = p.OpenMenu(Qt::Key_E))
            QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        // The offscreen platform makes a menu's own window the active one, even once it is gone;
        // the window manager's turn below gives the main window back.
        QTest::qWait(10);
        break;
    case Flow::MenuCommand:
        AnswerNextModal(reject);
        if (QWidget* menu = p.OpenMenu(Qt::Key_H))
            QTest::keyClick(menu, Qt::Key_A);  // About
        break;
    case Flow::Upload:
        AnswerOtherUnit(QMessageBox::Yes);
        p.Run(ID_UPLOAD);
        QVERIFY(p.emulator.GetWriteCount() > 0);
        QCOMPARE(p.emulator.GetWriteCount(), p.frame->GetTransfers().GetLastResult().blocksWritten);
        break;
    case Flow::OtherUnitRefused:
        AnswerOtherUnit(QMessageBox::No, &told);
        p.Run(ID_UPLOAD);
        QVERIFY2(told.contains(QStringLiteral("is device 1;")), qPrintable(told));
        QCOMPARE(p.emulator.GetWriteCount(), 0);
        break;
    case Flow::Download:
        AnswerNextMessageBox(QMessageBox::Discard);
        p.Run(ID_DOWNLOAD);
        QCOMPARE(p.Grid(ST_GENERAL).GetItemText(DEVICE_NUMBER, 1), QStringLiteral("1"));
        break;
    case Flow::Retry: {
        CEmulatorServer::Fault fault{};
        QVERIFY(CEmulatorServer::ParseFault("silent:A:40:1", fault));
        p.emulator.AddFault(fault);
        AnswerOtherUnit(QMessageBox::Yes);
        p.frame->GetAction(ID_UPLOAD)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.frame->GetTransfer() && p.frame->GetTransfer()->GetQuestion(), TRANSFER_MS);
        CQtJob* transfer = p.frame->GetTransfer();
        transfer->GetQuestion()->accept();
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        break;
    }
    case Flow::BackupStopped:
        CBackupSettings{true, p.dir.filePath(QStringLiteral("backups")), false}.Save();
        AnswerNextMessageBox(QMessageBox::Ok, &told, TRANSFER_MS);
        p.frame->GetAction(ID_UPLOAD)->trigger();
        p.frame->GetTransfer()->GetProgress().GetCancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QVERIFY2(told.endsWith(QStringLiteral("nothing was written to the unit.")), qPrintable(told));
        break;
    case Flow::VerifyHolds:
        AnswerOtherUnit(QMessageBox::Yes);
        p.Run(ID_UPLOAD);
        AnswerNextMessageBox(QMessageBox::Ok, &told, TRANSFER_MS);
        p.Run(ID_VERIFY_UNIT);
        QCOMPARE(told, QStringLiteral("The unit holds this set-up."));
        break;
    case Flow::VerifyDiffers:
        AnswerNextMessageBox(QMessageBox::Ok, &told, TRANSFER_MS);
        p.Run(ID_VERIFY_UNIT);
        QVERIFY2(told.startsWith(QStringLiteral("The unit differs")), qPrintable(told));
        QVERIFY(p.frame->GetCompare().GetDialog());
        p.frame->GetCompare().GetDialog()->GetCloseButton()->click();
        break;
    case Flow::CompareClosed:
    case Flow::DifferenceShown: {
        // A file of the default set-up: it differs in the bus number.
        QString path = p.dir.filePath(QStringLiteral("plant.q4g"));
        QVERIFY(CDocumentFile().Save(*p.doc.CreateScratchUnit(), path.toStdString()));
        QVERIFY(p.frame->GetCompare().CompareWithFile(path));
        CCompareDlg* dialog = p.frame->GetCompare().GetDialog();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        if (flow == Flow::CompareClosed) {
            dialog->GetCloseButton()->click();
            break;
        }
        QTreeWidget* tree = dialog->GetTree();
        QTreeWidgetItem* item = tree->topLevelItem(0)->child(0);
        QPoint at = tree->visualItemRect(item).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
        break;
    }
    }
}

}  // namespace

class FocusTest : public QObject {
    Q_OBJECT

private slots:
    void init() { CBackupSettings{false, {}, false}.Save(); }
    void cleanup() { CBackupSettings{false, {}, false}.Save(); }

    void keysGoToTheGridAfter_data()
    {
        QTest::addColumn<int>("flow");
        QTest::addColumn<int>("tab");  // where the keys go afterwards
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        const struct {
            const char* name;
            Flow flow;
            int tab, row, col;
        } rows[] = {
            {"save question", Flow::SaveQuestion, START_TAB, START_ROW, START_COL},
            {"About", Flow::About, START_TAB, START_ROW, START_COL},
            {"Backup Settings", Flow::BackupSettings, START_TAB, START_ROW, START_COL},
            {"COM setup dialogs", Flow::ComSetup, START_TAB, START_ROW, START_COL},
            {"Flags dialog", Flow::Flags, ST_ALARM, 1, CAlarm::COL_FLAGS},
            {"print dialog", Flow::Print, START_TAB, START_ROW, START_COL},
            {"menu closed with Escape", Flow::MenuEscape, START_TAB, START_ROW, START_COL},
            {"menu command", Flow::MenuCommand, START_TAB, START_ROW, START_COL},
            {"upload", Flow::Upload, START_TAB, START_ROW, START_COL},
            {"upload into another unit refused", Flow::OtherUnitRefused, START_TAB, START_ROW, START_COL},
            {"download", Flow::Download, ST_GENERAL, 1, 1},  // a new set-up starts on its first sheet
            {"Retry question", Flow::Retry, START_TAB, START_ROW, START_COL},
            {"backup stopped", Flow::BackupStopped, START_TAB, START_ROW, START_COL},
            {"Verify Unit, unit holds the set-up", Flow::VerifyHolds, START_TAB, START_ROW, START_COL},
            {"Verify Unit, comparison closed", Flow::VerifyDiffers, START_TAB, START_ROW, START_COL},
            {"Compare with File closed", Flow::CompareClosed, START_TAB, START_ROW, START_COL},
            {"difference double-clicked", Flow::DifferenceShown, ST_GENERAL, DEVICE_NUMBER, 1},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << int(r.flow) << r.tab << r.row << r.col;
    }

    void keysGoToTheGridAfter()
    {
        QFETCH(int, flow);
        QFETCH(int, tab);
        QFETCH(int, row);
        QFETCH(int, col);
        Program p;
        RunFlow(p, Flow(flow));
        if (QTest::currentTestFailed())
            return;
        // Once the flow's last window is gone the window manager activates the main window.
        if (QApplication::activeWindow() != p.frame.get())
            p.Activate();
        CZTGridCtrl& grid = p.Grid(tab);
        QCOMPARE(p.frame->GetActivePage(), tab);
        QTRY_VERIFY2(QApplication::focusWidget() == &grid || QApplication::focusWidget() == grid.viewport(),
                     QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "nothing");
        QCOMPARE(grid.currentIndex(), grid.IndexAt(row, col));
    }
};

std::unique_ptr<QObject> MakeFocusTest()
{
    return std::make_unique<FocusTest>();
}

#include "FocusTest.moc"
