// The transfer controller without a main window: an upload with its backup and change report, a
// download that replaces the document only once complete, Cancel, the refusal to write into
// another unit, the reading of the unit, and two controllers on two units at the same time.
#include "UiTests.h"

#include "FrameFixture.h"

#include "compare/CSetupTyping.h"
#include "compare/CUnitVerification.h"
#include "model/CDocumentFile.h"
#include "model/INordaSetupType.h"
#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "support/RecordingPrompt.h"
#include "support/TransferDoubles.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/transfer/CJobQuestions.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/transfer/CQtJob.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CUpDown.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

constexpr int TRANSFER_MS = 30000;
constexpr int DEVICE_NUMBER = 3;  // General row and device constant of the bus number

// A document titled plant.q4g for device `device` with an alarm of its own, on an emulated
// unit of its own whose device number is not set, and a controller between them. The slow line
// setting (the pty ignores it) gives the unit room to answer on a busy machine.
struct Line {
    RecordingPrompt prompt;
    CQ4150Doc doc{prompt};
    CEmulatorServer emulator;
    QTemporaryDir dir;
    CJobQuestions questions{prompt};
    CTransferController controller{doc, questions};
    QSignalSpy finished{&controller, &CTransferController::finished};
    QSignalSpy replaced{&controller, &CTransferController::documentReplaced};
    std::vector<CChangeReport> reports;
    // Each step's progress window as it is shown: its title and first line.
    QStringList phases;

    explicit Line(int device = 17, const char* alarmText = "PUMP 1")
    {
        QObject::connect(&controller, &CTransferController::changesReported,
                         [this](const CChangeReport& report) { reports.push_back(report); });
        QObject::connect(&controller, &CTransferController::transferStarted, &controller, [this] {
            QObject::connect(controller.GetJob(), &CQtJob::stepShown, &controller,
                             [this](const QString& title, const QString& purpose) { phases << title + QStringLiteral(": ") + purpose; });
        });
        doc.OnNewDocument();
        doc.SetTitle(QStringLiteral("plant.q4g"));
        // IN 11 a 0 to 10 V input, alarm 6 on it: a channel in use, whose text the unit keeps.
        QVERIFY(CSetupTyping::Type(*doc.GetUnit(), {{ST_GENERAL, DEVICE_NUMBER, 1, false, std::to_string(device)},
                                                    {ST_PHYSICAL, 1, 1, false, "10 V"},
                                                    {ST_PHYSICAL, 1, 5, false, "10"},
                                                    {ST_ALARM, 6, CAlarm::COL_INPREF, false, "IN 11"},
                                                    {ST_ALARM, 6, CAlarm::COL_TEXT, false, alarmText}})
                    .empty());
        QVERIFY(emulator.Start());
        PutConstant(emulator.GetUnit(), DEVICE_NUMBER, 0);
        UnitPortSettings port;
        port.port = emulator.GetSlavePath();
        port.line.m_baudRate = 110;
        port.fixedWaitMs = 5;
        controller.SetPort(port);
        // The checks are not what this test is about.
        controller.SetIgnoredRules([] { return EveryCheckRule(); });
    }
    QString BackupFolder() const { return dir.filePath(QStringLiteral("backups")); }
    CBackupSettings Backup(bool enabled) const { return {enabled, BackupFolder(), false}; }
    QStringList Backups() const { return QDir(BackupFolder()).entryList({QStringLiteral("*.q4g")}, QDir::Files); }
    void AddFault(const char* text)
    {
        CEmulatorServer::Fault fault{};
        QVERIFY(CEmulatorServer::ParseFault(text, fault));
        emulator.AddFault(fault);
    }
    // Waits for the command's end; whether it did all it was asked.
    bool WaitFinished()
    {
        [&] { QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, TRANSFER_MS); }();
        const bool completed = !finished.isEmpty() && finished.takeFirst().at(0).toBool();
        return completed && !controller.IsTransferring();
    }
    bool Upload(bool backup = false)
    {
        return controller.Upload(Backup(backup)) && WaitFinished();
    }
    // Starts reading the unit; held gets the blocks it sent once the reading has completed.
    bool StartRead(std::optional<CUnitImage>& held)
    {
        return controller.ReadUnit([&held](const CUnitImage& blocks) { held = blocks; });
    }
    std::string Cell(int sheet, int row, int col) const { return doc.GetUnit()->GetSetupType(sheet)->GetCellText(row, col); }
    std::string LastMessage() const { return prompt.Messages().empty() ? std::string() : prompt.Messages().back().text; }
};

bool Holds(const CQ4150Doc& doc, const CUnitImage& held)
{
    return CUnitVerification(*doc.GetUnit(), held).UnitHoldsSetup();
}

}  // namespace

class TransferControllerTest : public QObject {
    Q_OBJECT

private slots:
    // The unit is read into a new backup file before the upload, and asked about as another
    // device; the change report names the file uploaded and the settings the upload changed,
    // the backup's text first, each once; an upload that changes nothing says so. The progress
    // window tells the reading before the upload from the upload.
    void uploadIsBackedUpAndReportsItsChanges()
    {
        Line line;
        QVERIFY(line.Upload());
        QCOMPARE(line.phases, QStringList({QStringLiteral("Upload, step 1 of 2: Reading which unit this is; the upload follows."),
                                           QStringLiteral("Upload, step 2 of 2: Writing the set-up into the unit.")}));
        QVERIFY(!QFileInfo::exists(line.BackupFolder()));
        // Alarm 7 on IN 11 takes its parameters along; alarm 6's Control flag changes its Flags.
        QVERIFY(CSetupTyping::Type(*line.doc.GetUnit(), {{ST_GENERAL, DEVICE_NUMBER, 1, false, "18"},
                                                         {ST_ALARM, 6, CAlarm::COL_TEXT, false, "PUMP 9"},
                                                         {ST_ALARM, 6, 1, true, "ON"},
                                                         {ST_ALARM, 7, CAlarm::COL_INPREF, false, "IN 11"}})
                    .empty());
        QSignalSpy started(&line.controller, &CTransferController::transferStarted);
        line.phases.clear();
        QVERIFY(line.Upload(true));
        QCOMPARE(started.size(), 1);  // one job: the backup, then the upload
        QCOMPARE(line.phases, QStringList({QStringLiteral("Upload, step 1 of 2: Reading the unit for the backup; the upload follows."),
                                           QStringLiteral("Upload, step 2 of 2: Writing the set-up into the unit.")}));
        QCOMPARE(GetConstant(line.emulator.GetUnit(), DEVICE_NUMBER), 18u);
        QCOMPARE(line.Backups().size(), 1);
        const QString backup = QDir(line.BackupFolder()).filePath(line.Backups()[0]);
        CQ4kUnit kept(line.prompt);
        QVERIFY(CDocumentFile().Load(kept, backup.toStdString()));
        QCOMPARE(kept.GetSetupType(ST_GENERAL)->GetCellText(DEVICE_NUMBER, 1), std::string("17"));

        QCOMPARE(line.reports.size(), size_t(1));
        const CChangeReport& report = line.reports[0];
        QCOMPARE(report.GetBackupPath(), backup);
        QCOMPARE(report.GetUploaded(), QStringLiteral("plant.q4g"));
        QStringList listed;
        for (const CChangeReport::Channel& channel : report.GetChannels()) {
            for (const CellDifference& change : channel.changes)
                listed << QStringLiteral("%1/%2/%3: %4 -> %5")
                              .arg(channel.sheet)
                              .arg(channel.row)
                              .arg(QString::fromStdString(change.column).trimmed(),
                                   QString::fromStdString(change.textA).trimmed(),
                                   QString::fromStdString(change.textB).trimmed());
        }
        QCOMPARE(listed, QStringList({QStringLiteral("0/3/Selections: 17 -> 18"), QStringLiteral("3/6/LCD Text: PUMP 1 -> PUMP 9"),
                                      QStringLiteral("3/6/Control: OFF -> ON"), QStringLiteral("3/7/InpRef: OFF -> IN 11")}));
        // The one question, the new device number, answered Yes.
        QCOMPARE(line.prompt.Messages().size(), size_t(1));
        QVERIFY(line.LastMessage().find("is device 17; plant.q4g is for device 18") != std::string::npos);

        QVERIFY(line.Upload(true));
        QCOMPARE(line.reports.size(), size_t(1));
        QCOMPARE(line.LastMessage(), std::string("The upload is complete. The unit held this set-up already; nothing changed."));
        QCOMPARE(line.Backups().size(), 2);
    }

    // Only a completed download replaces the set-up (and the title); Cancel and a failed block
    // answered Cancel leave the document as it was.
    void downloadReplacesTheDocumentOnlyWhenComplete_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("completed") << QStringLiteral("completed");
        QTest::newRow("cancelled") << QStringLiteral("cancelled");
        QTest::newRow("failed") << QStringLiteral("failed");
    }

    void downloadReplacesTheDocumentOnlyWhenComplete()
    {
        QFETCH(QString, end);
        Line line;
        PutConstant(line.emulator.GetUnit(), DEVICE_NUMBER, 42);
        if (end == QStringLiteral("failed"))
            line.AddFault("silent:A:40");
        else if (end == QStringLiteral("cancelled"))
            line.controller.SetFixedWaitMs(20);
        QVERIFY(line.controller.Download());
        QVERIFY(line.controller.IsTransferring());
        if (end == QStringLiteral("failed")) {
            QTRY_VERIFY_WITH_TIMEOUT(line.controller.GetJob()->GetQuestion(), TRANSFER_MS);
            line.controller.GetJob()->GetQuestion()->reject();
        } else if (end == QStringLiteral("cancelled")) {
            QTRY_VERIFY(line.emulator.GetRequestCount() > 10);
            line.controller.Cancel();
        }
        const bool completed = end == QStringLiteral("completed");
        QCOMPARE(line.WaitFinished(), completed);
        QCOMPARE(line.replaced.size(), completed ? 1 : 0);
        QCOMPARE(line.Cell(ST_GENERAL, DEVICE_NUMBER, 1), std::string(completed ? "42" : "17"));
        QCOMPARE(line.Cell(ST_ALARM, 6, CAlarm::COL_TEXT).find("PUMP 1") != std::string::npos, !completed);
        QCOMPARE(line.doc.GetTitle(), completed ? QStringLiteral("Untitled") : QStringLiteral("plant.q4g"));
        QCOMPARE(line.controller.GetLastResult().outcome,
                 completed ? JobOutcome::Ok : end == QStringLiteral("failed") ? JobOutcome::Failed : JobOutcome::Stopped);
        // A download is the unit's set-up, not a file's: modified until saved.
        QCOMPARE(line.doc.IsModified(), completed);
        // A block answered Cancel, or Cancel, is the user's own doing: nothing more is said.
        QVERIFY(line.prompt.Messages().empty());
    }

    // Cancel stops after the block in flight: an upload says the unit is partly written, a
    // reading of the unit hands nothing to its reader; neither says more.
    void cancelStopsAfterTheBlockInFlight()
    {
        for (bool upload : {true, false}) {
            Line line;
            line.controller.SetFixedWaitMs(20);
            std::optional<CUnitImage> held;
            QVERIFY(upload ? line.controller.Upload(line.Backup(false)) : line.StartRead(held));
            if (upload)
                QTRY_VERIFY_WITH_TIMEOUT(line.emulator.GetWriteCount() > 0, TRANSFER_MS);
            else
                QTRY_VERIFY(line.emulator.GetRequestCount() > 10);
            line.controller.Cancel();
            QVERIFY(!line.WaitFinished());
            QCOMPARE(line.controller.GetLastResult().outcome, JobOutcome::Stopped);
            QVERIFY(!held);
            if (upload) {
                QVERIFY(line.emulator.GetWriteCount() < 87);
                QCOMPARE(line.prompt.Messages().size(), size_t(1));
                QVERIFY2(line.LastMessage().find("partly written set-up") != std::string::npos, line.LastMessage().c_str());
            } else {
                QVERIFY(line.prompt.Messages().empty());
            }
        }
    }

    // A unit of another device number is asked about after it was read (the backup or its
    // General blocks); No writes nothing.
    void uploadIntoAnotherUnitIsRefused_data()
    {
        QTest::addColumn<bool>("backup");
        QTest::newRow("backup") << true;
        QTest::newRow("no backup") << false;
    }

    void uploadIntoAnotherUnitIsRefused()
    {
        QFETCH(bool, backup);
        Line line;
        PutConstant(line.emulator.GetUnit(), DEVICE_NUMBER, 7);
        const std::string memory = line.emulator.GetUnit().SaveText();
        line.prompt.AnswerNext(IMessagePrompt::IDCANCEL);
        QVERIFY(line.controller.Upload(line.Backup(backup)));
        QVERIFY(!line.WaitFinished());
        QCOMPARE(line.prompt.Messages().size(), size_t(1));
        QCOMPARE(line.LastMessage(), "The unit on " + line.emulator.GetSlavePath()
                                         + " is device 7; plant.q4g is for device 17. Upload anyway?");
        QCOMPARE(line.emulator.GetWriteCount(), 0);
        QCOMPARE(line.emulator.GetUnit().SaveText(), memory);
        QCOMPARE(line.Backups().size(), backup ? 1 : 0);
        QVERIFY(line.reports.empty());
    }

    // The reader gets what the unit holds; the document stays as it is.
    void readUnitHandsTheUnitsBlocksToItsReader()
    {
        Line line;
        QVERIFY(line.Upload());
        QVERIFY(CSetupTyping::Type(*line.doc.GetUnit(), {{ST_GENERAL, DEVICE_NUMBER, 1, false, "23"}}).empty());
        std::optional<CUnitImage> held;
        QVERIFY(line.StartRead(held) && line.WaitFinished() && held);
        const CUnitVerification verification(*line.doc.GetUnit(), *held);
        QCOMPARE(verification.GetDifferences().size(), size_t(1));
        QCOMPARE(verification.GetDifferences()[0].textB, std::string("17"));
        QCOMPARE(line.Cell(ST_GENERAL, DEVICE_NUMBER, 1), std::string("23"));
        QCOMPARE(line.replaced.size(), 0);
        QCOMPARE(line.doc.GetTitle(), QStringLiteral("plant.q4g"));
    }

    // Two controllers, each on its own unit and port, upload and read at the same time; each
    // unit ends holding its own document and not the other's.
    void twoControllersRunSideBySide()
    {
        Line first(17, "PUMP 1");
        Line second(18, "PUMP 2");
        QVERIFY(first.controller.Upload(first.Backup(true)));
        QVERIFY(second.controller.Upload(second.Backup(false)));
        QVERIFY(first.controller.IsTransferring() && second.controller.IsTransferring());
        QVERIFY(first.WaitFinished());
        QVERIFY(second.WaitFinished());
        QCOMPARE(first.reports.size(), size_t(1));

        std::optional<CUnitImage> held[2];
        QVERIFY(first.StartRead(held[0]) && second.StartRead(held[1]));
        QVERIFY(first.controller.IsTransferring() && second.controller.IsTransferring());
        QVERIFY(first.WaitFinished());
        QVERIFY(second.WaitFinished());
        QVERIFY(held[0] && held[1]);
        QVERIFY(Holds(first.doc, *held[0]));
        QVERIFY(Holds(second.doc, *held[1]));
        QVERIFY(!Holds(first.doc, *held[1]));
        QVERIFY(!Holds(second.doc, *held[0]));
        QVERIFY(first.prompt.Messages().empty() && second.prompt.Messages().empty());
    }
};

std::unique_ptr<QObject> MakeTransferControllerTest()
{
    return std::make_unique<TransferControllerTest>();
}

#include "TransferControllerTest.moc"
