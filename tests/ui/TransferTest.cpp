// The transfer commands against the emulated unit: COM setup dialogs, upload, download with
// its save question and reset, Retry after a failed block, and the dialogs on their own.
#include "UiTests.h"

#include "ModalHelper.h"
#include "model/CQ4kUnit.h"
#include "sim/CEmulatorServer.h"
#include "support/TransferDoubles.h"
#include "support/RecordingPrompt.h"
#include "ui/CComPortDlg.h"
#include "ui/CLineSettingsDlg.h"
#include "ui/CMainFrame.h"
#include "ui/CQ4150Doc.h"
#include "ui/CQ4150View.h"
#include "ui/CQtComSetupUi.h"
#include "ui/CQtTransferQuestion.h"
#include "ui/CUpDown.h"
#include "ui/CZTGridCtrl.h"
#include "ui/CommandTable.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

constexpr int DEVICE_NUMBER = 3;  // General row and device constant of the bus number

std::unique_ptr<CMainFrame> StartFrame(CQ4150Doc& doc)
{
    doc.OnNewDocument();
    auto frame = std::make_unique<CMainFrame>(doc);
    frame->ResetViews();
    frame->show();
    return frame;
}

// Chooses the port in the "COM Port Setup" dialog and confirms the line settings.
void AnswerComSetup(const QString& port)
{
    AnswerNextModal([port](QWidget* modal) {
        auto* dialog = qobject_cast<CComPortDlg*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->GetPortName(), QStringLiteral("COM1"));
        dialog->GetCombo()->setCurrentText(port);
        AnswerNextModal([](QWidget* settings) {
            QVERIFY(qobject_cast<CLineSettingsDlg*>(settings));
            qobject_cast<QDialog*>(settings)->accept();
        });
        dialog->accept();
    });
}

}  // namespace

class TransferTest : public QObject {
    Q_OBJECT

private slots:
    void portDialogOffersPortsAndTakesTypedNames()
    {
        QStringList names = CComPortDlg::PortNames();
        for (const char* name : {"COM1", "COM2", "COM3", "COM4", "Emulator"})
            QVERIFY(names.contains(QString::fromLatin1(name)));
        CComPortDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("COM Port Setup"));
        QCOMPARE(dialog.GetPortName(), QStringLiteral("COM1"));
        dialog.GetCombo()->setEditText(QStringLiteral("COM7"));
        QCOMPARE(dialog.GetPortName(), QStringLiteral("COM7"));
    }

    void lineSettingsRoundTrip()
    {
        CLineSettings settings;
        settings.m_nBaudRate = 19200;
        settings.m_nParity = CLineSettings::PARITY_EVEN;
        settings.m_nStopBits = 2;
        settings.m_nDataBits = 7;
        settings.m_nFlowControl = CLineSettings::FLOW_RTSCTS;
        CLineSettingsDlg dialog(QStringLiteral("COM2"), settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("COM2 Properties"));
        QVERIFY(dialog.GetSettings() == settings);
        dialog.GetBaudRate()->setCurrentText(QStringLiteral("4800"));
        dialog.GetParity()->setCurrentIndex(0);
        CLineSettings changed = dialog.GetSettings();
        QCOMPARE(changed.m_nBaudRate, 4800u);
        QCOMPARE(changed.m_nParity, CLineSettings::PARITY_NONE);
        QCOMPARE(changed.m_nDataBits, 7);
    }

    void workerAsksRetryOnTheGuiThread_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("retry");
        QTest::newRow("retry") << "Retry" << true;
        QTest::newRow("cancel") << "Cancel" << false;
    }

    void workerAsksRetryOnTheGuiThread()
    {
        QFETCH(QString, button);
        QFETCH(bool, retry);
        CQtTransferQuestion question;
        QString title, text;
        AnswerNextModal([&](QWidget* modal) {
            title = modal->windowTitle();
            text = modal->findChild<QLabel*>()->text();
            for (auto* push : modal->findChildren<QPushButton*>()) {
                if (push->text() == button)
                    push->click();
            }
        });
        std::atomic<int> answer{-1};
        std::thread worker([&] { answer = question.AskRetry("Error to download General data") ? 1 : 0; });
        QTRY_VERIFY_WITH_TIMEOUT(answer >= 0, 5000);
        worker.join();
        QCOMPARE(answer.load(), retry ? 1 : 0);
        QCOMPARE(title, QStringLiteral("Upload/Download"));
        QCOMPARE(text, QStringLiteral("Error to download General data"));
    }

    void uploadWritesTheSetUpIntoTheUnit()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        QVERIFY(doc.GetUnit()->GetSetupType(0)->ValidateData(DEVICE_NUMBER, 1, "17"));
        AnswerComSetup(QStringLiteral("Emulator"));
        frame->GetAction(ID_UPLOAD)->trigger();
        CEmulatorServer* emulator = frame->GetComSetupUi().GetEmulator();
        QVERIFY(emulator);
        QCOMPARE(GetConstant(emulator->GetUnit(), DEVICE_NUMBER), 17u);
        QVERIFY(frame->isEnabled());
        QVERIFY(!frame->IsTransferring());
        QVERIFY(doc.GetUnit()->IsTransEnd());
        QVERIFY(prompt.Messages().empty());
    }

    void downloadReplacesTheSetUpAndNamesItUntitled()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.SetTitle(QStringLiteral("plant.q4g"));
        doc.SetModifiedFlag();
        AnswerNextModal([](QWidget* modal) {
            // Before anything is set up the save question comes; the emulator is not running yet.
            qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Discard)->click();
            AnswerComSetup(QStringLiteral("Emulator"));
        });
        frame->GetAction(ID_DOWNLOAD)->trigger();
        CEmulatorServer* emulator = frame->GetComSetupUi().GetEmulator();
        QVERIFY(emulator);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Untitled - Norda Q4150 Programmer"));
        QCOMPARE(frame->GetActivePage(), 0);

        // A second download, the link ready: what the unit holds arrives in the grid.
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 42);
        doc.SetModifiedFlag(false);
        frame->GetAction(ID_DOWNLOAD)->trigger();
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(DEVICE_NUMBER, 1), QStringLiteral("42"));
        QVERIFY(doc.GetPathName().isEmpty());
    }

    void failedBlockAsksRetryAndStartsAgain()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        AnswerComSetup(QStringLiteral("Emulator"));
        doc.OnCommsetup();
        CEmulatorServer* emulator = frame->GetComSetupUi().GetEmulator();
        QVERIFY(emulator && doc.GetUnit()->IsCommReady());
        PutConstant(emulator->GetUnit(), DEVICE_NUMBER, 9);
        CEmulatorServer::Fault fault{};
        QVERIFY(CEmulatorServer::ParseFault("silent:B:2:1", fault));
        emulator->AddFault(fault);
        QString asked;
        AnswerNextModal([&asked](QWidget* modal) {
            auto* dialog = qobject_cast<CUpDown*>(modal);
            asked = dialog ? dialog->m_strMsg : QString();
            dialog->accept();  // Retry
        });
        frame->GetAction(ID_DOWNLOAD)->trigger();
        QCOMPARE(asked, QStringLiteral("Error to download General data"));
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(DEVICE_NUMBER, 1), QStringLiteral("9"));
    }

    void cancelledSaveQuestionLeavesTheDocument()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.GetUnit()->GetSetupType(0)->ValidateData(DEVICE_NUMBER, 1, "17");
        doc.SetTitle(QStringLiteral("kept.q4g"));
        doc.SetModifiedFlag();
        AnswerNextMessageBox(QMessageBox::Cancel);
        frame->GetAction(ID_DOWNLOAD)->trigger();
        QCOMPARE(doc.GetUnit()->GetSetupType(0)->GetCellText(DEVICE_NUMBER, 1), std::string("17"));
        QCOMPARE(doc.GetTitle(), QStringLiteral("kept.q4g"));
    }

    void cancelledComSetupStartsNothing()
    {
        RecordingPrompt prompt;
        CQ4150Doc doc(prompt);
        auto frame = StartFrame(doc);
        doc.GetUnit()->GetSetupType(0)->ValidateData(DEVICE_NUMBER, 1, "17");
        AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        frame->GetAction(ID_UPLOAD)->trigger();
        QVERIFY(!doc.GetUnit()->IsCommReady());
        QVERIFY(frame->isEnabled());
        // A download whose COM setup is cancelled still leaves a default, untitled set-up.
        AnswerNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        frame->GetAction(ID_DOWNLOAD)->trigger();
        QCOMPARE(frame->GetQ4View(0)->GetGrid()->GetItemText(DEVICE_NUMBER, 1), QStringLiteral("1"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Untitled - Norda Q4150 Programmer"));
    }
};

std::unique_ptr<QObject> MakeTransferTest()
{
    return std::make_unique<TransferTest>();
}

#include "TransferTest.moc"
