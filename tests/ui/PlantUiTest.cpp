// The plant in the desktop program: the panel's states after a verify, Plant Transfers' Stop
// (every unit stops, each row and the log say how far it got, the set-up being uploaded is
// locked meanwhile), and a unit opened from the panel asking to save a modified set-up.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "compare/CSetupTyping.h"
#include "model/CDocumentFile.h"
#include "model/INordaSetupType.h"
#include "plant/CPlantLog.h"
#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "support/TransferDoubles.h"
#include "link/CZTSerial.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/document/CDocManager.h"
#include "ui/app/CMainFrame.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CommandTable.h"
#include "ui/plant/CPlantModel.h"
#include "ui/plant/CPlantPanel.h"
#include "ui/plant/CPlantReport.h"
#include "ui/plant/CPlantTransferController.h"
#include "ui/plant/CPlantUi.h"
#include "ui/app/CQ4150App.h"
#include "ui/document/CQ4150Doc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int TRANSFER_MS = 30000;
constexpr int DEVICE_NUMBER = 3;  // General row of the bus number

// A plant of four units AN-1 to AN-4 in a folder of its own, each set-up for device 11 to 14,
// opened in a main window.
// A log's records in order, each unit's apart, without what differs from run to run (times,
// ports, the backups' names).
QStringList Records(const std::string& log)
{
    QStringList records;
    for (PlantLogRecord record : CPlantLog(log).Read().records) {
        record.time = record.user = record.host = record.port = "";
        if (!record.backup.empty())
            record.backup = record.backup.substr(0, record.backup.rfind('/'));
        records << QString::fromStdString(CPlantLog::ToLine(record));
    }
    std::stable_sort(records.begin(), records.end(), [](const QString& a, const QString& b) {
        return a.section(QStringLiteral("\"tag\":"), 1).left(8) < b.section(QStringLiteral("\"tag\":"), 1).left(8);
    });
    return records;
}

struct Plant : FrameFixture {
    ChecksIgnored checksIgnored;  // the checks are not what this test is about
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("works.q4plant"));

    Plant()
    {
        CPlant plant(path.toStdString(), "works");
        for (int i = 1; i <= 4; ++i) {
            SaveSetup(i, "PUMP");
            QVERIFY(plant.AddUnit({"AN-" + std::to_string(i), "an-" + std::to_string(i) + ".q4g", "hall " + std::to_string(i), ""}));
        }
        QVERIFY(plant.Save());
        QVERIFY(frame->GetPlantUi().OpenPlant(path));
    }
    void SaveSetup(int unit, const char* text) const
    {
        RecordingPrompt quiet;
        CQ4kUnit setup(quiet);
        setup.Initialize();
        QVERIFY(CSetupTyping::Type(setup, {{ST_GENERAL, DEVICE_NUMBER, 1, false, std::to_string(10 + unit)},
                                           {ST_PHYSICAL, 1, 1, false, "10 V"},
                                           {ST_PHYSICAL, 1, 5, false, "10"},
                                           {ST_ALARM, 6, CAlarm::COL_INPREF, false, "IN 11"},
                                           {ST_ALARM, 6, CAlarm::COL_TEXT, false, text}})
                    .empty());
        QVERIFY(CDocumentFile().Save(setup, File(unit).toStdString()));
    }
    QString File(int unit) const { return dir.filePath(QStringLiteral("an-%1.q4g").arg(unit)); }
    CPlantUi& Ui() const { return frame->GetPlantUi(); }
    // Plant Transfers' rows, the window opened; each unit n on "Emulator n".
    CPlantTransferController& Transfers(int waitMs) const
    {
        Ui().OnPlantTransfers();
        CPlantTransferController& rows = *Ui().GetTransfers();
        rows.SetFixedWaitMs(waitMs);
        for (int row = 0; row < rows.rowCount(); ++row)
            rows.SetPort(row, CPlantTransferController::EmulatorName(row + 1));
        return rows;
    }
    // Ticks exactly the units given (1 to 4), runs and waits for the end.
    static bool Run(CPlantTransferController& rows, std::initializer_list<int> units, bool upload)
    {
        for (int row = 0; row < rows.rowCount(); ++row)
            rows.SetChecked(row, std::find(units.begin(), units.end(), row + 1) != units.end());
        if (!(upload ? rows.UploadChecked() : rows.VerifyChecked()))
            return false;
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!rows.IsRunning(), TRANSFER_MS); }();
        return !rows.IsRunning();
    }
    QStringList States() const
    {
        QStringList states;
        const CPlantModel& model = Ui().GetModel();
        for (int row = 0; row < model.rowCount(); ++row)
            states << model.index(row, CPlantModel::TagColumn).data().toString() + QLatin1Char(' ')
                          + model.index(row, CPlantModel::StateColumn).data().toString();
        return states;
    }
};

}  // namespace

class PlantUiTest : public QObject {
    Q_OBJECT

private slots:
    // One unit holds its file, one differs, one was never checked, one's file changed after
    // its upload: the panel tells them apart once the verify has ended.
    void panelShowsEachUnitsStateAfterAVerify()
    {
        Plant plant;
        CPlantTransferController& rows = plant.Transfers(1);
        QVERIFY(Plant::Run(rows, {1, 2, 4}, true));
        for (int row : {0, 1, 3}) {
            QVERIFY2(rows.GetResult(row) == JobOutcome::Ok, qPrintable(rows.GetResultText(row)));
            QCOMPARE(rows.index(row, CPlantTransferController::ProgressColumn).data().toString(), QStringLiteral("Upload 100%"));
        }
        // AN-2's unit is changed at the panel, AN-4's file on the desk.
        PutConstant(rows.GetEmulator(2)->GetUnit(), DEVICE_NUMBER, 42);
        plant.SaveSetup(4, "PUMP 4");
        QVERIFY(Plant::Run(rows, {1, 2}, false));
        QCOMPARE(rows.GetResult(0), JobOutcome::Ok);
        QCOMPARE(rows.GetResult(1), JobOutcome::Differs);
        QCOMPARE(rows.GetResultText(1), QStringLiteral("Differs in 1 cell"));
        for (int row : {0, 1})  // a verify that went through read every block
            QCOMPARE(rows.index(row, CPlantTransferController::ProgressColumn).data().toString(), QStringLiteral("Verify 100%"));
        QCOMPARE(plant.States(), QStringList({QStringLiteral("AN-1 holds its file"), QStringLiteral("AN-2 differs in 1 cell"),
                                              QStringLiteral("AN-3 never checked"), QStringLiteral("AN-4 file changed")}));
        // The emulated units came as device 1: each upload was asked about, answered Yes.
        QCOMPARE(plant.prompt.Messages().size(), size_t(3));
        for (const RecordingPrompt::Shown& shown : plant.prompt.Messages())
            QVERIFY2(shown.text.find("is device 1; the file of AN-") != std::string::npos && shown.buttons == IMessagePrompt::BTN_YES_NO,
                     shown.text.c_str());
    }

    // A log that cannot be written is said in a message, once a run, and in each unit's row:
    // the units were verified all the same.
    void aLogThatCannotBeWrittenIsSaid()
    {
        Plant plant;
        QVERIFY(QDir().mkpath(plant.path + QStringLiteral(".log")));
        CPlantTransferController& rows = plant.Transfers(1);
        plant.prompt.Clear();
        QVERIFY(Plant::Run(rows, {1, 2}, false));
        std::vector<std::string> told;
        for (const RecordingPrompt::Shown& shown : plant.prompt.Messages())
            told.push_back(shown.text);
        QCOMPARE(told.size(), size_t(1));
        QVERIFY2(told[0].rfind("The plant log could not be written: cannot write ", 0) == 0, told[0].c_str());
        QVERIFY2(told[0].find("Is a directory") != std::string::npos, told[0].c_str());
        for (int row : {0, 1}) {
            QCOMPARE(rows.GetResult(row), JobOutcome::Differs);
            QVERIFY2(rows.GetResultText(row).contains(QStringLiteral("(not in the log: ")), qPrintable(rows.GetResultText(row)));
        }
    }

    // Stop ends every upload after its block in flight; each row and the log say how many
    // blocks were written; the set-up open in the window is locked while its unit is uploaded.
    void stopEndsEveryTransferAndSaysHowFarItGot()
    {
        Plant plant;
        QVERIFY(plant.frame->GetDocManager().OpenDocumentFile(plant.File(1)));
        CPlantTransferController& rows = plant.Transfers(1);
        QVERIFY(Plant::Run(rows, {1, 2, 3}, true));  // the units learn their numbers: no question later
        plant.prompt.Clear();
        // Memory lost but for the device number: every block but General's is written again.
        for (int unit = 1; unit <= 3; ++unit) {
            CUnitEmulator& memory = rows.GetEmulator(unit)->GetUnit();
            const uint32_t device = GetConstant(memory, DEVICE_NUMBER);
            memory.Reset(true);
            PutConstant(memory, DEVICE_NUMBER, device);
        }
        rows.SetFixedWaitMs(20);
        for (int row = 0; row < 3; ++row)
            rows.SetChecked(row, true);
        QVERIFY(rows.UploadChecked());
        for (int unit = 1; unit <= 3; ++unit) {
            const int before = rows.GetEmulator(unit)->GetWriteCount();
            QTRY_VERIFY_WITH_TIMEOUT(rows.GetEmulator(unit)->GetWriteCount() > before, TRANSFER_MS);
        }
        QVERIFY(plant.View(0).GetModel()->IsLocked());
        QVERIFY(!(plant.View(0).GetModel()->flags(plant.View(0).GetModel()->index(2, 0)) & Qt::ItemIsEditable));
        rows.Cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!rows.IsRunning(), TRANSFER_MS);
        QVERIFY(!plant.View(0).GetModel()->IsLocked());

        const CPlantLog::Contents log = CPlantLog(plant.path.toStdString() + ".log").Read();
        QVERIFY(log.warnings.empty());
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(rows.GetResult(row), JobOutcome::Stopped);
            const PlantLogRecord& last = [&]() -> const PlantLogRecord& {
                for (auto it = log.records.rbegin(); it != log.records.rend(); ++it) {
                    if (it->tag == "AN-" + std::to_string(row + 1))
                        return *it;
                }
                return log.records.front();
            }();
            QCOMPARE(last.action, PlantAction::Upload);
            QCOMPARE(last.result, PlantResult::Stopped);
            QVERIFY(last.blocksWritten > 0 && last.blocksWritten < 87);
            const QString written = QStringLiteral("(%1 of 87 blocks written)").arg(last.blocksWritten);
            QVERIFY2(rows.GetResultText(row).contains(written), qPrintable(rows.GetResultText(row)));
        }
        QVERIFY(plant.prompt.Messages().empty());
    }

    // With the plant open, Tools > Upload and Verify Unit of a unit's own set-up are the unit's:
    // recorded in the plant's log, backed up into backups/TAG; the port is let go after each, so
    // Plant Transfers can take it at once. The panel is wide enough for its State column.
    void aUnitsOwnTransfersAreRecordedAsTheUnitsAndLetThePortGo()
    {
        Plant plant;
        plant.frame->resize(1600, 900);
        QVERIFY(plant.frame->GetDocManager().OpenDocumentFile(plant.File(2)));
        CEmulatorServer emulator;
        QVERIFY(emulator.Start());
        UnitPortSettings port;
        port.port = emulator.GetSlavePath();
        port.line.m_baudRate = 110;
        port.fixedWaitMs = 5;
        plant.frame->GetTransfers().SetPort(port);
        CBackupSettings{true, plant.dir.filePath(QStringLiteral("elsewhere")), false}.Save();

        plant.frame->GetTransfers().Upload(CBackupSettings::Load());
        QTRY_VERIFY_WITH_TIMEOUT(!plant.frame->IsTransferring(), TRANSFER_MS);
        plant.frame->GetAction(ID_VERIFY_UNIT)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!plant.frame->IsTransferring(), TRANSFER_MS);
        CZTSerial other;
        QVERIFY2(other.OpenCommPort(emulator.GetSlavePath()) != CZTSerial::INVALID_PORT, other.GetOpenError().c_str());
        other.CloseCommPort();

        QStringList records;
        for (const PlantLogRecord& record : CPlantLog(plant.path.toStdString() + ".log").Read().records)
            records << QString::fromStdString(record.tag + " " + CPlantLog::ActionName(record.action) + " "
                                              + CPlantLog::ResultName(record.result));
        QCOMPARE(records, QStringList({QStringLiteral("AN-2 backup ok"), QStringLiteral("AN-2 upload ok"),
                                       QStringLiteral("AN-2 verify ok"), QStringLiteral("AN-2 verify ok")}));
        QCOMPARE(QDir(plant.dir.filePath(QStringLiteral("backups/AN-2"))).entryList({QStringLiteral("*.q4g")}).size(), 1);
        QVERIFY(!QFileInfo::exists(plant.dir.filePath(QStringLiteral("elsewhere"))));
        QCOMPARE(plant.prompt.Messages().back().text, std::string("The unit holds this set-up."));
        QCOMPARE(plant.States()[1], QStringLiteral("AN-2 holds its file"));

        // The report names each change's sheet, and keeps every time on a line of its own.
        const CPlantReport report(CPlant([&] {
            CPlant loaded;
            loaded.Load(plant.path.toStdString());
            return loaded;
        }()));
        QVERIFY(report.GetHtml().contains(QStringLiteral("<td>General</td>")));
        const QString pdf = plant.dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(report.SaveAsPdf(pdf));
        QProcess text;
        text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(20000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        for (const PlantLogRecord& record : CPlantLog(plant.path.toStdString() + ".log").Read().records) {
            if (record.action == PlantAction::Backup)
                continue;  // the report shows the last upload and verify
            const QString shown = QString::fromStdString(record.time.substr(0, 10) + " " + record.time.substr(11));
            QVERIFY2(words.contains(shown), qPrintable(shown));
        }

        const QTableView& table = *plant.Ui().GetPanel()->GetTable();
        const QHeaderView& header = *table.horizontalHeader();
        QVERIFY2(header.sectionViewportPosition(CPlantModel::StateColumn) + header.sectionSize(CPlantModel::StateColumn)
                     <= table.viewport()->width(),
                 qPrintable(QStringLiteral("the panel is %1 pixels wide").arg(table.width())));
        CBackupSettings{false, {}, false}.Save();
    }

    // The same plant uploaded from Plant Transfers and from q4150cli plant upload leaves the same
    // records, but for times, ports and backup names: the same steps, blocks, changes and
    // answers (a delay the unit keeps as 13 s asked about and answered Yes, as --force and the
    // lack of --strict answer it).
    void desktopAndCommandLineRecordTheSame()
    {
        Plant plant;
        // What the checks find is asked about by both, answered Yes by both.
        CChecksUi::SetIgnoredEverywhere({});
        plant.SaveSetup(2, "PUMP");
        RecordingPrompt quiet;
        CQ4kUnit setup(quiet);
        QVERIFY(CDocumentFile().Load(setup, plant.File(2).toStdString()));
        QVERIFY(CSetupTyping::Type(setup, {{ST_ALARM, 6, CAlarm::COL_DELAY, false, "12.5"}}).empty());
        QVERIFY(CDocumentFile().Save(setup, plant.File(2).toStdString()));
        CPlantTransferController& rows = plant.Transfers(1);
        QVERIFY(Plant::Run(rows, {1, 2, 3}, true));
        const std::string log = plant.path.toStdString() + ".log";
        const QStringList desktop = Records(log);
        QCOMPARE(desktop.size(), 9);  // backup, upload, verify by read-back, each unit
        QCOMPARE(desktop.filter(QStringLiteral("uploaded although the unit cannot hold 1 of")).size(), 1);
        QCOMPARE(desktop.filter(QStringLiteral("uploaded although the unit is device 1")).size(), 3);

        QVERIFY(QFile::remove(QString::fromStdString(log)));
        QStringList args{QStringLiteral("plant"), QStringLiteral("upload"), plant.path, QStringLiteral("--force"),
                         QStringLiteral("--fixed-wait"), QStringLiteral("1")};
        for (int unit = 1; unit <= 3; ++unit) {
            rows.GetEmulator(unit)->GetUnit().Reset(false);
            args << QStringLiteral("--port")
                 << QStringLiteral("AN-%1=%2").arg(unit).arg(QString::fromStdString(rows.GetEmulator(unit)->GetSlavePath()));
        }
        QProcess cli;
        cli.start(QStringLiteral(Q4150CLI_PATH), args);
        QVERIFY(cli.waitForFinished(TRANSFER_MS));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(Records(log), desktop);
    }

    // A plant named on the command line, or opened by a file manager, opens as the program
    // starts: its units in the panel beside the default set-up; one that cannot be read ends
    // the start with its reason.
    void plantNamedAtTheStartOpens()
    {
        Plant plant;
        {
            CQ4150App app;
            QVERIFY(app.InitInstance(plant.path));
            CMainFrame& frame = *app.GetMainFrame();
            QVERIFY(frame.GetPlantUi().GetPlant());
            QCOMPARE(frame.GetPlantUi().GetModel().rowCount(), 4);
            QVERIFY(frame.GetPlantUi().GetPanel()->isVisible());
            QCOMPARE(app.GetDocument()->GetTitle(), QStringLiteral("Untitled"));
        }
        const QString broken = plant.dir.filePath(QStringLiteral("broken.q4plant"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no plant");
        file.close();
        CQ4150App app;
        QString told;
        AnswerNextMessageBox(QMessageBox::Ok, &told);
        QVERIFY(!app.InitInstance(broken));
        QVERIFY2(told.contains(QStringLiteral("broken.q4plant could not be opened")), qPrintable(told));
    }

    // Enter in the panel opens the unit's set-up; a modified set-up is asked about first, and
    // Cancel keeps it. The filter narrows the list to what is typed.
    void openingAUnitAsksToSaveTheModifiedSetup()
    {
        Plant plant;
        plant.UseFirstInput();
        QVERIFY(plant.doc.IsModified());
        CPlantPanel& panel = *plant.Ui().GetPanel();
        QVERIFY(panel.isVisible());
        QTest::keyClicks(panel.GetFilter(), QStringLiteral("hall 2"));
        QCOMPARE(panel.GetProxy()->rowCount(), 1);
        QTest::keyClick(panel.GetFilter(), Qt::Key_Return);
        QVERIFY(panel.GetTable()->hasFocus());

        QString asked;
        AnswerNextMessageBox(QMessageBox::Cancel, &asked);
        QTest::keyClick(panel.GetTable(), Qt::Key_Return);
        QVERIFY2(asked.contains(QStringLiteral("Save changes")), qPrintable(asked));
        QVERIFY(plant.doc.IsModified());
        QCOMPARE(plant.doc.GetTitle(), QStringLiteral("Untitled"));

        AnswerNextMessageBox(QMessageBox::Discard);
        QTest::keyClick(panel.GetTable(), Qt::Key_Return);
        QCOMPARE(plant.doc.GetTitle(), QStringLiteral("an-2.q4g"));
        QVERIFY(!plant.doc.IsModified());
    }
};

std::unique_ptr<QObject> MakePlantUiTest()
{
    return std::make_unique<PlantUiTest>();
}

#include "PlantUiTest.moc"
