// The transfer commands against the emulated unit: COM setup dialogs, upload and download with
// the main window disabled meanwhile, Retry after a failed block, Cancel and Escape, a
// download that changes the document only when it completes, and Verify Unit and Compare with
// Unit, which read the unit without ever changing the document.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "sim/CEmulatorServer.h"
#include "support/TransferDoubles.h"
#include "ui/transfer/CBackupSettings.h"
#include "setup/alarms/CAlarm.h"
#include "ui/compare/CCellListDlg.h"
#include "ui/compare/CCellListModel.h"
#include "ui/compare/CCompareController.h"
#include "ui/compare/CCompareDlg.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/transfer/CLineSettingsDlg.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/transfer/CQtJob.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"
#include "unit/CUnitHistory.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int DEVICE_NUMBER = 3;  // General row and device constant of the bus number
constexpr int TRANSFER_MS = 30000;

// Chooses the port in the "COM Port Setup" dialog and confirms the line settings.
void AnswerComSetup(const QString& port)
{
    AnswerNextModal([port](QWidget* modal) {
        auto* dialog = qobject_cast<CComPortDlg*>(modal);
        QVERIFY(dialog);
        dialog->GetCombo()->setCurrentText(port);
        // A slow line setting: the emulated unit's reply still counts on a busy machine.
        AnswerNextModal([](QWidget* modal) {
            auto* settings = qobject_cast<CLineSettingsDlg*>(modal);
            QVERIFY(settings);
            settings->GetBaudRate()->setCurrentText(QStringLiteral("110"));
            settings->accept();
        });
        dialog->accept();
    });
}

// A main window over a document whose set-up has the bus number 17, modified and saved as
// plant.q4g as far as the document knows.
struct Program : FrameFixture {
    ChecksIgnored checksIgnored;  // the checks are not what this test is about
    Program()
    {
        Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("17"));
        doc.SetTitle(QStringLiteral("plant.q4g"));
        doc.SetModifiedFlag();
    }
    // Sets the link up to the emulated unit, with short waits; its device number is not set
    // yet, so an upload asks no question about it.
    CEmulatorServer* Connect()
    {
        AnswerComSetup(QStringLiteral("Emulator"));
        frame->OnCommsetup();
        frame->GetTransfers().SetFixedWaitMs(5);
        CEmulatorServer* emulator = frame->GetComSetupUi().GetEmulator();
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 0);
        return emulator;
    }
    void AddFault(const char* text)
    {
        CEmulatorServer::Fault fault{};
        QVERIFY(CEmulatorServer::ParseFault(text, fault));
        frame->GetComSetupUi().GetEmulator()->AddFault(fault);
    }
    QString GridText(int page, int row) const { return Grid(page).GetItemText(row, 1); }
    // Runs the command and waits for its transfer to end.
    void Run(int command)
    {
        frame->GetAction(command)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame->IsTransferring(), TRANSFER_MS);
    }
    // The comparison's bus number item: this set-up's text and the unit's.
    QStringList BusNumberItem() const
    {
        CCompareDlg* dialog = frame->GetCompare().GetDialog();
        QTreeWidgetItem* general = dialog ? dialog->GetTree()->topLevelItem(0) : nullptr;
        for (int i = 0; general && i < general->childCount(); ++i) {
            if (general->child(i)->text(0) == Grid(ST_GENERAL).GetItemText(DEVICE_NUMBER, 0).trimmed())
                return {general->child(i)->text(2), general->child(i)->text(3)};
        }
        return {};
    }
    std::string BusNumber() const { return doc.GetUnit()->GetSetupType(ST_GENERAL)->GetCellText(DEVICE_NUMBER, 1); }
};

}  // namespace

class TransferTest : public QObject {
    Q_OBJECT

private slots:
    // Every test starts from a program that has never set up a port; an upload is the upload
    // alone, as with backups off.
    void init()
    {
        QSettings().remove(QStringLiteral("COM Setup"));
        CBackupSettings{false, {}, false}.Save();
    }

    // Only the ports the system has, ttyS0 as COM1; a described port shows its description but
    // is used by its path; sorted by what they show, numbers as numbers; the emulated unit last.
    void portListNamesEveryPortFound()
    {
        const QList<CComPortDlg::FoundPort> found{
            {"/dev/ttyUSB0", "ttyUSB0", "FT232R USB UART"},
            {"/dev/ttyS0", "ttyS0", ""},
            {"/dev/ttyS11", "ttyS11", ""},
            {"/dev/ttyS4", "ttyS4", "16550A"},
            {"/dev/ttyACM0", "ttyACM0", ""},
        };
        const QList<QPair<QString, QString>> expected{
            {"/dev/ttyACM0", "/dev/ttyACM0"}, {"COM1 (ttyS0)", "COM1"}, {"COM5 (ttyS4) - 16550A", "COM5"},
            {"COM12 (ttyS11)", "COM12"}, {"ttyUSB0 - FT232R USB UART", "/dev/ttyUSB0"}, {"Emulator", "Emulator"},
        };
        QList<QPair<QString, QString>> entries;
        for (const CComPortDlg::Entry& entry : CComPortDlg::Entries(found))
            entries.append({entry.label, entry.port});
        QCOMPARE(entries, expected);
        QCOMPARE(CComPortDlg::Entries({}).size(), 1);
    }

    // A listed entry gives the port behind it, a typed name itself; the port list has a label.
    void portDialogTakesEntriesAndTypedNames()
    {
        CComPortDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("COM Port Setup"));
        QCOMPARE(dialog.GetPortName(), dialog.GetCombo()->itemData(0).toString());
        dialog.GetCombo()->addItem(QStringLiteral("ttyUSB9 - USB UART"), QStringLiteral("/dev/ttyUSB9"));
        dialog.GetCombo()->setCurrentText(QStringLiteral("ttyUSB9 - USB UART"));
        QCOMPARE(dialog.GetPortName(), QStringLiteral("/dev/ttyUSB9"));
        dialog.GetCombo()->setEditText(QStringLiteral("/dev/ttyACM7"));
        QCOMPARE(dialog.GetPortName(), QStringLiteral("/dev/ttyACM7"));
        auto* label = dialog.findChild<QLabel*>();
        QVERIFY(label && label->buddy() == dialog.GetCombo());
    }

    // The port dialog and the line settings dialog, titled by a port's long path too, are wide
    // enough for their titles.
    void dialogTitlesAreNotCut()
    {
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<CComPortDlg>());
        dialogs.push_back(std::make_unique<CLineSettingsDlg>(QStringLiteral("Emulator"), CLineSettings()));
        dialogs.push_back(std::make_unique<CLineSettingsDlg>(
            QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"), CLineSettings()));
        QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        for (auto& dialog : dialogs) {
            dialog->show();
            QVERIFY2(dialog->width() >= title.horizontalAdvance(dialog->windowTitle()) + 3 * title.height(),
                     qPrintable(dialog->windowTitle()));
        }
    }

    // Nothing chosen yet: the link's suggestion where the system has such a port, else the first
    // port listed, not a name of no device. The emulated unit's line starts at 9600 baud, as
    // q4150cli's does.
    void firstComSetupOffersPortsThatExistAndTheEmulatorAt9600Baud()
    {
        CQtComSetupUi ui;
        QString offered;
        AnswerNextModal([&offered](QWidget* modal) {
            auto* dialog = qobject_cast<CComPortDlg*>(modal);
            QVERIFY(dialog);
            offered = dialog->GetPortName();
            dialog->reject();
        });
        std::string name = "COM99";
        QVERIFY(!ui.ChoosePortName(name));
        QCOMPARE(offered, CComPortDlg::Entries(CComPortDlg::FoundPorts()).front().port);

        Program p;
        unsigned baud = 0;
        AnswerNextModal([&baud](QWidget* modal) {
            auto* dialog = qobject_cast<CComPortDlg*>(modal);
            QVERIFY(dialog);
            dialog->GetCombo()->setCurrentText(QString::fromLatin1(CComPortDlg::EMULATOR));
            AnswerNextModal([&baud](QWidget* modal) {
                auto* settings = qobject_cast<CLineSettingsDlg*>(modal);
                QVERIFY(settings);
                baud = settings->GetSettings().m_baudRate;
                settings->reject();
            });
            dialog->accept();
        });
        p.frame->OnCommsetup();
        QCOMPARE(baud, 9600u);
    }

    // The port and the line settings chosen last are offered again, by a new program too.
    void comSetupRemembersPortAndLineSettings_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("listed") << QStringLiteral("COM3");
        QTest::newRow("typed") << QStringLiteral("/dev/ttyACM7");
    }

    void comSetupRemembersPortAndLineSettings()
    {
        QFETCH(QString, port);
        const CLineSettings chosen{19200, 8, CLineSettings::Parity::Even, 1, CLineSettings::FlowControl::None};
        {
            CQtComSetupUi ui;
            AnswerNextModal([port](QWidget* modal) {
                auto* dialog = qobject_cast<CComPortDlg*>(modal);
                QVERIFY(dialog);
                dialog->GetCombo()->setEditText(port);
                dialog->accept();
            });
            std::string name = "COM1";
            QVERIFY(ui.ChoosePortName(name));
            QCOMPARE(QString::fromStdString(name), port);
            AnswerNextModal([&chosen](QWidget* modal) {
                auto* dialog = qobject_cast<CLineSettingsDlg*>(modal);
                QVERIFY(dialog);
                dialog->GetBaudRate()->setCurrentText(QStringLiteral("19200"));
                dialog->GetParity()->setCurrentText(QStringLiteral("Even"));
                QVERIFY(dialog->GetSettings() == chosen);
                dialog->accept();
            });
            CLineSettings settings;
            QVERIFY(ui.EditLineSettings(name, settings));
        }
        CQtComSetupUi ui;
        QString offered;
        AnswerNextModal([&offered](QWidget* modal) {
            auto* dialog = qobject_cast<CComPortDlg*>(modal);
            QVERIFY(dialog);
            offered = dialog->GetCombo()->currentText();
            dialog->reject();
        });
        std::string name = "COM1";  // what the link suggests
        QVERIFY(!ui.ChoosePortName(name));
        QCOMPARE(offered, port);
        CLineSettings offeredSettings;
        AnswerNextModal([&offeredSettings](QWidget* modal) {
            auto* dialog = qobject_cast<CLineSettingsDlg*>(modal);
            QVERIFY(dialog);
            offeredSettings = dialog->GetSettings();
            dialog->reject();
        });
        CLineSettings portOwn;  // 9600 8N1 as the port reports
        QVERIFY(!ui.EditLineSettings("/dev/ttyACM7", portOwn));
        QVERIFY(offeredSettings == chosen);
    }

    // The window is disabled and busy while the worker runs; a click meanwhile is not kept.
    void uploadRunsWithTheWindowDisabledAndReplaysNothing()
    {
        Program p;
        AnswerComSetup(QStringLiteral("Emulator"));
        p.frame->GetAction(ID_UPLOAD)->trigger();
        QVERIFY(p.frame->IsTransferring());
        QVERIFY(!p.frame->isEnabled());
        QCOMPARE(p.frame->cursor().shape(), Qt::BusyCursor);
        QTabBar* tabs = p.frame->GetTabControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        p.frame->GetTransfers().SetFixedWaitMs(5);
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QCOMPARE(GetConstant(p.frame->GetComSetupUi().GetEmulator()->GetUnit(), DEVICE_NUMBER), 17u);
        QVERIFY(p.frame->isEnabled());
        QCOMPARE(p.frame->GetActivePage(), 0);
        // The one question: the emulated unit is device 1 (answered Yes).
        QCOMPARE(p.prompt.Messages().size(), size_t(1));
        QVERIFY(p.prompt.Messages()[0].text.find("is device 1; plant.q4g is for device 17") != std::string::npos);
    }

    // Escape, then "go on"; a block that fails later asks Retry, and Retry completes.
    void escapeThenAFailedBlockAsksRetryAndRetryCompletes()
    {
        Program p;
        CEmulatorServer* emulator = p.Connect();
        p.AddFault("silent:A:40:1");
        p.frame->GetAction(ID_UPLOAD)->trigger();
        // The unit's General blocks are read first, to tell which unit it is.
        QTRY_VERIFY_WITH_TIMEOUT(p.frame->GetTransfer()->GetStep() == JobStep::Upload, TRANSFER_MS);
        CQtJob* transfer = p.frame->GetTransfer();
        QTest::keyClick(transfer->GetProgress().GetWindow(), Qt::Key_Escape);
        QVERIFY(transfer->GetStopQuestion());
        transfer->GetStopQuestion()->button(QMessageBox::No)->click();
        QTRY_VERIFY_WITH_TIMEOUT(transfer->GetQuestion(), TRANSFER_MS);
        QCOMPARE(transfer->GetQuestion()->m_strMsg, QStringLiteral("Error to upload Alarm data"));
        QCOMPARE(transfer->GetQuestion()->parentWidget(), transfer->GetProgress().GetWindow());
        QVERIFY(!transfer->GetQuestion()->GetIcon()->pixmap().isNull());
        transfer->GetQuestion()->accept();
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QCOMPARE(GetConstant(emulator->GetUnit(), DEVICE_NUMBER), 17u);
        QVERIFY(p.prompt.Messages().empty());
    }

    // An upload stopped by the user, or by a unit that goes away (the question comes at once),
    // says that the unit holds a partly written set-up; the window is back to normal.
    void uploadThatDoesNotCompleteWarnsOfAPartlyWrittenUnit()
    {
        for (bool unitGone : {false, true}) {
            Program p;
            CEmulatorServer* emulator = p.Connect();
            p.frame->GetTransfers().SetFixedWaitMs(20);
            p.frame->GetAction(ID_UPLOAD)->trigger();
            QTRY_VERIFY(emulator->GetWriteCount() > 0);
            CQtJob* transfer = p.frame->GetTransfer();
            if (unitGone) {
                emulator->Stop();
                QTRY_VERIFY_WITH_TIMEOUT(transfer->GetQuestion(), 2000);
                transfer->GetQuestion()->reject();
            } else {
                transfer->GetProgress().GetCancelButton()->click();
                transfer->GetStopQuestion()->button(QMessageBox::Yes)->click();
            }
            QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
            QVERIFY2(p.frame->isEnabled() && emulator->GetWriteCount() < 87, unitGone ? "unit gone" : "cancelled");
            QCOMPARE(p.prompt.Messages().size(), size_t(1));
            QVERIFY(p.prompt.Messages()[0].text.find("partly written set-up") != std::string::npos);
            QCOMPARE(p.prompt.Messages()[0].text.find("the port went away: Input/output error") != std::string::npos, unitGone);
        }
    }

    // Cancel mid-download, Cancel on the Retry question, or a unit that goes away (the question
    // comes at once): the document stays as it was.
    void downloadThatDoesNotCompleteLeavesTheDocument_data()
    {
        QTest::addColumn<bool>("atQuestion");
        QTest::addColumn<bool>("unitGone");
        QTest::newRow("cancel button") << false << false;
        QTest::newRow("question") << true << false;
        QTest::newRow("unit gone") << true << true;
    }

    void downloadThatDoesNotCompleteLeavesTheDocument()
    {
        QFETCH(bool, atQuestion);
        QFETCH(bool, unitGone);
        Program p;
        CEmulatorServer* emulator = p.Connect();
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 42);
        if (atQuestion && !unitGone)
            p.AddFault("silent:A:40");
        else
            p.frame->GetTransfers().SetFixedWaitMs(20);
        AnswerNextMessageBox(QMessageBox::Discard);  // the save question
        p.frame->GetAction(ID_DOWNLOAD)->trigger();
        QVERIFY(p.frame->IsTransferring());
        CQtJob* transfer = p.frame->GetTransfer();
        if (unitGone) {
            QTRY_VERIFY(emulator->GetRequestCount() > 10);
            emulator->Stop();
            QTRY_VERIFY_WITH_TIMEOUT(transfer->GetQuestion(), 2000);
            transfer->GetQuestion()->reject();
        } else if (atQuestion) {
            QTRY_VERIFY_WITH_TIMEOUT(transfer->GetQuestion(), TRANSFER_MS);
            transfer->GetQuestion()->reject();
        } else {
            QTRY_VERIFY(emulator->GetRequestCount() > 10);
            transfer->GetProgress().GetCancelButton()->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        if (unitGone) {
            QCOMPARE(p.prompt.Messages().size(), size_t(1));
            QCOMPARE(p.prompt.Messages()[0].text, std::string("The download failed: the port went away: Input/output error."));
        }
        QCOMPARE(p.BusNumber(), std::string("17"));
        QCOMPARE(p.GridText(0, DEVICE_NUMBER), QStringLiteral("17"));
        QCOMPARE(p.doc.GetTitle(), QStringLiteral("plant.q4g"));
        QVERIFY(p.doc.IsModified());
    }

    void completedDownloadReplacesTheSetUpAndNamesItUntitled()
    {
        Program p;
        p.doc.SetModifiedFlag(false);
        const QString before = p.GridText(0, DEVICE_NUMBER);
        CEmulatorServer* emulator = p.Connect();
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 42);
        p.frame->SetActiveView(2);
        p.frame->GetAction(ID_DOWNLOAD)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QCOMPARE(p.GridText(0, DEVICE_NUMBER), QStringLiteral("42"));
        QCOMPARE(p.frame->windowTitle(), QStringLiteral("Untitled[*] - Norda Q4150 Programmer"));
        // The unit's set-up is in no file yet: New, Open and closing ask to save it.
        QVERIFY(p.frame->isWindowModified());
        QCOMPARE(p.frame->GetActivePage(), 0);
        QVERIFY(p.doc.GetPathName().isEmpty());
        // The download is one step: Undo brings the set-up from before it back.
        p.frame->GetAction(ID_EDIT_UNDO)->trigger();
        QCOMPARE(p.GridText(0, DEVICE_NUMBER), before);
    }

    // A download shows what the unit holds: a delay of 2.5 s as 2.5. What the set-up cannot show
    // so (an input type the program does not know, and the alarm on that input) is listed in a
    // window after the download, its cells marked in the sheets while it is open.
    void downloadListsWhatTheSetUpCannotShowAsHeld()
    {
        Program p;
        p.doc.SetModifiedFlag(false);
        CEmulatorServer* emulator = p.Connect();
        const uint8_t alarm[32] = {0, 0x32, 0, 0x20, 25, 1, 24, 14, 0, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        QVERIFY(emulator->GetUnit().SetBlock(CUnitEmulator::BlockSpace::Alarm, 0, alarm));
        uint8_t physical[32] = {2, 0, 0, 0, 0, 0, 0, 10, 0, 0, 100};
        std::memset(physical + 28, ' ', 4);
        QVERIFY(emulator->GetUnit().SetBlock(CUnitEmulator::BlockSpace::Input, 0, physical));
        p.Run(ID_DOWNLOAD);
        QCOMPARE(q4ui::ToQString(p.doc.GetUnit()->GetSetupType(ST_ALARM)->GetCellText(1, CAlarm::COL_DELAY)),
                 QStringLiteral("2.5"));
        QVERIFY(!p.frame->GetCellList() || !p.frame->GetCellList()->isVisible());

        physical[0] = 0x59;
        QVERIFY(emulator->GetUnit().SetBlock(CUnitEmulator::BlockSpace::Input, 0, physical));
        AnswerNextMessageBox(QMessageBox::Discard);  // the download is in no file yet
        p.Run(ID_DOWNLOAD);
        CCellListDlg* list = p.frame->GetCellList();
        QVERIFY(list && list->isVisible());
        const QAbstractItemModel& model = list->GetModel();
        QCOMPARE(model.data(model.index(0, CCellListModel::TextAColumn)).toString(), QStringLiteral("code 89"));
        QCOMPARE(model.data(model.index(0, CCellListModel::TextBColumn)).toString(), QStringLiteral("OFF"));
        QCOMPARE(model.data(model.index(0, CCellListModel::ReasonColumn)).toString(),
                 QStringLiteral("a code the program does not know"));
        QVERIFY(p.Marked(ST_PHYSICAL).count({1, 1}));
        QVERIFY(p.Marked(ST_ALARM).count({1, CAlarm::COL_INPREF}));
        list->GetCloseButton()->click();
        QVERIFY(p.Marked(ST_PHYSICAL).empty());
        QVERIFY(p.Marked(ST_ALARM).empty());
    }

    // Closing during a transfer asks; Yes stops the transfer, then the window closes.
    void closingDuringATransferStopsItFirst()
    {
        Program p;
        p.doc.SetModifiedFlag(false);
        p.Connect();
        p.AddFault("silent:A:40");
        p.frame->GetAction(ID_DOWNLOAD)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(p.frame->GetTransfer()->GetQuestion(), TRANSFER_MS);
        AnswerNextMessageBox(QMessageBox::Yes);
        p.frame->close();
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QTRY_VERIFY(!p.frame->isVisible());
        QCOMPARE(p.BusNumber(), std::string("17"));
    }

    // Verify Unit says that the unit holds the set-up; after an edit, in how many cells it differs,
    // and the comparison opens, from which the unit's texts can be taken back; a difference no
    // cell shows is told in blocks.
    void verifyUnitTellsWhetherTheUnitHoldsTheSetUp()
    {
        Program p;
        CEmulatorServer* emulator = p.Connect();
        p.Run(ID_UPLOAD);
        p.Run(ID_VERIFY_UNIT);
        QCOMPARE(p.prompt.Messages().size(), size_t(1));
        QCOMPARE(p.prompt.Messages().back().text, std::string("The unit holds this set-up."));
        QVERIFY(!p.frame->GetCompare().GetDialog());

        p.Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("23"));
        p.Run(ID_VERIFY_UNIT);
        QCOMPARE(p.prompt.Messages().back().text, std::string("The unit differs from this set-up in 1 cell."));
        CCompareDlg* dialog = p.frame->GetCompare().GetDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Compare with Unit - 1 difference"));
        QCOMPARE(p.BusNumberItem(), QStringList({"23", "17"}));
        QCOMPARE(p.Marked(ST_GENERAL), (std::set<std::pair<int, int>>{{DEVICE_NUMBER, 1}}));
        QCOMPARE(p.BusNumber(), std::string("23"));

        dialog->GetTakeAllButton()->click();
        QCOMPARE(p.BusNumber(), std::string("17"));
        QCOMPARE(p.doc.GetHistory().UndoLabel(), std::string("Take All from Unit"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Compare with Unit - no differences"));
        QCOMPARE(dialog->GetSummary()->text(), QStringLiteral("The unit holds this set-up."));
        QVERIFY(p.Marked(ST_GENERAL).empty());
        dialog->GetCloseButton()->click();
        QCOMPARE(p.prompt.Messages().size(), size_t(2));

        // A byte no cell shows (the last of alarm block 0): the blocks are told, nothing opens.
        uint8_t block[CUnitEmulator::BLOCK_LEN];
        QVERIFY(emulator->GetUnit().GetBlock(CUnitEmulator::BlockSpace::Alarm, 0, block));
        block[CUnitEmulator::BLOCK_LEN - 1] ^= 0x5A;
        QVERIFY(emulator->GetUnit().SetBlock(CUnitEmulator::BlockSpace::Alarm, 0, block));
        p.Run(ID_VERIFY_UNIT);
        QCOMPARE(p.prompt.Messages().back().text,
                 std::string("The unit differs from this set-up in 1 block, though in no cell the sheets show."));
        QVERIFY(!p.frame->GetCompare().GetDialog());
    }

    // Compare with Unit asks nothing and leaves the document as it was, completed or cancelled.
    void compareWithUnitLeavesTheDocument_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("completed") << false;
        QTest::newRow("cancelled") << true;
    }

    void compareWithUnitLeavesTheDocument()
    {
        QFETCH(bool, cancel);
        Program p;
        CEmulatorServer* emulator = p.Connect();
        p.Run(ID_UPLOAD);
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 42);
        const std::string step = p.doc.GetHistory().UndoLabel();
        if (cancel)
            p.frame->GetTransfers().SetFixedWaitMs(20);
        p.frame->GetAction(ID_COMPARE_UNIT)->trigger();  // a modified document: no question
        QVERIFY(p.frame->IsTransferring());
        if (cancel) {
            QTRY_VERIFY(emulator->GetRequestCount() > 10);
            p.frame->GetTransfer()->GetProgress().GetCancelButton()->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QCOMPARE(p.BusNumber(), std::string("17"));
        QCOMPARE(p.GridText(0, DEVICE_NUMBER), QStringLiteral("17"));
        QCOMPARE(p.doc.GetTitle(), QStringLiteral("plant.q4g"));
        QVERIFY(p.doc.IsModified());
        QCOMPARE(p.doc.GetHistory().UndoLabel(), step);
        QVERIFY(p.prompt.Messages().empty());
        CCompareDlg* dialog = p.frame->GetCompare().GetDialog();
        QCOMPARE(dialog != nullptr, !cancel);
        if (!cancel) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Compare with Unit - 1 difference"));
            QCOMPARE(p.BusNumberItem(), QStringList({"17", "42"}));
            dialog->GetCloseButton()->click();
        }
    }

    void cancelledQuestionsStartNothing()
    {
        Program p;
        p.doc.SetModifiedFlag();
        AnswerNextMessageBox(QMessageBox::Cancel);
        p.frame->GetAction(ID_DOWNLOAD)->trigger();
        QVERIFY(!p.frame->IsTransferring());
        // A cancelled COM setup leaves the document as it was.
        AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        p.frame->GetAction(ID_UPLOAD)->trigger();
        QVERIFY(!p.frame->GetTransfers().IsPortChosen());
        QVERIFY(!p.frame->IsTransferring());
        QVERIFY(p.frame->isEnabled());
        QCOMPARE(p.GridText(0, DEVICE_NUMBER), QStringLiteral("17"));
        QCOMPARE(p.doc.GetTitle(), QStringLiteral("plant.q4g"));
    }
};

std::unique_ptr<QObject> MakeTransferTest()
{
    return std::make_unique<TransferTest>();
}

#include "TransferTest.moc"
