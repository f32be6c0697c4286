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
#include "ui/CDocManager.h"
#include "ui/CPlantModel.h"
#include "ui/CPlantPanel.h"
#include "ui/CPlantTransferController.h"
#include "ui/CPlantUi.h"
#include "ui/CQ4150App.h"
#include "ui/CQ4150Doc.h"

#include <QFile>
#include <QLineEdit>
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
struct Plant : FrameFixture {
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
            states << model.index(row, CPlantModel::COL_TAG).data().toString() + QLatin1Char(' ')
                          + model.index(row, CPlantModel::COL_STATE).data().toString();
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
            QVERIFY2(rows.GetResult(row) == PlantResult::Ok, qPrintable(rows.GetResultText(row)));
            QCOMPARE(rows.index(row, CPlantTransferController::COL_PROGRESS).data().toString(), QStringLiteral("Upload 100%"));
        }
        // AN-2's unit is changed at the panel, AN-4's file on the desk.
        PutConstant(rows.GetEmulator(2)->GetUnit(), DEVICE_NUMBER, 42);
        plant.SaveSetup(4, "PUMP 4");
        QVERIFY(Plant::Run(rows, {1, 2}, false));
        QCOMPARE(rows.GetResult(0), PlantResult::Ok);
        QCOMPARE(rows.GetResult(1), PlantResult::Differs);
        QCOMPARE(rows.GetResultText(1), QStringLiteral("Differs in 1 cell"));
        for (int row : {0, 1})  // a verify that went through read every block
            QCOMPARE(rows.index(row, CPlantTransferController::COL_PROGRESS).data().toString(), QStringLiteral("Verify 100%"));
        QCOMPARE(plant.States(), QStringList({QStringLiteral("AN-1 verified, holds its file"), QStringLiteral("AN-2 differs"),
                                              QStringLiteral("AN-3 never checked"),
                                              QStringLiteral("AN-4 file changed since its upload")}));
        // The emulated units came as device 1: each upload was asked about, answered Yes.
        QCOMPARE(plant.prompt.Messages().size(), size_t(3));
        for (const RecordingPrompt::Shown& shown : plant.prompt.Messages())
            QVERIFY2(shown.text.find("is device 1; the file of AN-") != std::string::npos && shown.buttons == IMessagePrompt::BTN_YES_NO,
                     shown.text.c_str());
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
            QCOMPARE(rows.GetResult(row), PlantResult::Stopped);
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
            const QString written = QStringLiteral("after %1 of 87 blocks written").arg(last.blocksWritten);
            QVERIFY2(rows.GetResultText(row).contains(written), qPrintable(rows.GetResultText(row)));
        }
        QVERIFY(plant.prompt.Messages().empty());
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
