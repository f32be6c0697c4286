// Upload with the unit backed up first: the backup file, the upload that follows, the change
// report and its printouts; a backup that fails starts no upload; the backup settings.
#include "UiTests.h"

#include "FrameFixture.h"
#include "ModalHelper.h"
#include "compare/CSetupComparison.h"
#include "model/CDocumentFile.h"
#include "setup/alarms/CAlarm.h"
#include "sim/CEmulatorServer.h"
#include "support/TransferDoubles.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/transfer/CBackupSettingsDlg.h"
#include "ui/transfer/CChangeReportDlg.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/transfer/CQtJob.h"
#include "ui/transfer/CTransferController.h"
#include "ui/common/CommandTable.h"
#include "ui/common/QtText.h"
#include "unit/CUnitImage.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

constexpr int TRANSFER_MS = 30000;
constexpr int DEVICE_NUMBER = 3;

// A program on an emulated unit of its own, with short waits, backing up into a folder that
// does not exist yet. The slow line setting (the pty ignores it) gives the unit room to answer
// on a busy machine before the line counts as quiet.
struct BackupProgram : FrameFixture {
    ChecksIgnored checksIgnored;  // the checks are not what this test is about
    CEmulatorServer emulator;
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("backups/plant"));

    BackupProgram()
    {
        QVERIFY(emulator.Start());
        UnitPortSettings port;
        port.port = emulator.GetSlavePath();
        port.line.m_baudRate = 110;
        port.fixedWaitMs = 5;
        frame->GetTransfers().SetPort(port);
        SetBackup(true);
    }
    void SetBackup(bool enabled) const { CBackupSettings{enabled, folder, false}.Save(); }
    void Upload() const
    {
        frame->GetAction(ID_UPLOAD)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!frame->IsTransferring(), TRANSFER_MS);
    }
    QStringList Backups() const { return QDir(folder).entryList({QStringLiteral("*.q4g")}, QDir::Files, QDir::Name); }
    std::string LastMessage() const { return prompt.Messages().empty() ? std::string() : prompt.Messages().back().text; }
};

// The words of a PDF file, as pdftotext reads them.
QString PdfWords(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {path, QStringLiteral("-")});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

}  // namespace

class UploadBackupTest : public QObject {
    Q_OBJECT

private slots:
    // Backups off: no file. On: the file holds what the unit held, the unit then holds the
    // document, and the report lists the changed channels; an upload that changes nothing says
    // so, and its backup is a file of its own. The report printed and saved as PDF.
    void uploadIsBackedUpAndItsChangesReported()
    {
        BackupProgram p;
        p.UseFirstInput();
        for (int alarm : {5, 6})
            p.Edit(ST_ALARM, alarm, CAlarm::COL_INPREF, QStringLiteral("IN 11"));
        p.SetBackup(false);
        p.Upload();
        QVERIFY(!QFileInfo::exists(p.folder));
        CQ4kUnit held(p.prompt);
        held.CopyFrom(*p.doc.GetUnit());

        // A flag of alarm 5, listed by the comparison after every sheet, joins its channel.
        p.Edit(ST_GENERAL, DEVICE_NUMBER, 1, QStringLiteral("18"));
        CSetupComparison::GetFlagCell(*p.doc.GetUnit(), 5, 0)->SetSelText("ON");
        p.Edit(ST_ALARM, 6, CAlarm::COL_TEXT, QStringLiteral("PUMP 2"));
        p.Edit(ST_ALARM, 6, CAlarm::COL_DELAY, QStringLiteral("5"));
        p.SetBackup(true);
        p.prompt.Clear();
        const int requests = p.emulator.GetRequestCount();
        p.Upload();
        // The new device number is asked about, and Yes uploads it.
        QCOMPARE(p.prompt.Messages().size(), size_t(1));
        QVERIFY(p.prompt.Messages()[0].text.find("is device 1; Untitled is for device 18") != std::string::npos);
        // The backup's reads, then one read of each General block, checked by the backup's, and
        // the read-backs of the few blocks that changed: the others the unit held already.
        const int written = p.frame->GetTransfers().GetLastResult().blocksWritten;
        QVERIFY(written > 0 && written < 8);
        QCOMPARE(p.emulator.GetRequestCount() - requests, 87 + 8 + written);
        QCOMPARE(GetConstant(p.emulator.GetUnit(), DEVICE_NUMBER), 18u);
        QCOMPARE(p.Backups().size(), 1);
        const QString backup = p.Backups()[0];
        CQ4kUnit kept(p.prompt);
        CDocumentFile file;
        QVERIFY(file.Load(kept, QDir(p.folder).filePath(backup).toStdString()));
        QVERIFY(CUnitImage::FromUpload(kept, nullptr) == CUnitImage::FromUpload(held, nullptr));

        auto* report = p.frame->findChild<CChangeReportDlg*>();
        QVERIFY(report && report->isVisible());
        QStringList listed;
        for (const CChangeReport::Channel& channel : report->GetReport().GetChannels())
            listed << QStringLiteral("%1/%2/%3").arg(channel.sheet).arg(channel.row).arg(channel.changes.size());
        QCOMPARE(listed, QStringList({QStringLiteral("0/3/1"), QStringLiteral("3/5/1"), QStringLiteral("3/6/2")}));

        p.Upload();
        QCOMPARE(p.LastMessage(), std::string("The upload is complete. The unit held this set-up already; nothing changed."));
        QCOMPARE(p.frame->findChildren<CChangeReportDlg*>().size(), 1);
        QCOMPARE(p.Backups().size(), 2);

        // Print... on the program's printer; Save as PDF... offers a file beside the backup.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir out;
        const QString printed = out.filePath(QStringLiteral("printed.pdf"));
        const QString saved = QDir(p.folder).filePath(QFileInfo(backup).completeBaseName() + QStringLiteral("-changes.pdf"));
        p.frame->GetPrinter().setOutputFormat(QPrinter::PdfFormat);
        p.frame->GetPrinter().setOutputFileName(printed);
        const QList<QPushButton*> buttons = report->findChildren<QPushButton*>();
        auto click = [&buttons](const QString& text) {
            for (QPushButton* button : buttons)
                if (button->text().remove(QLatin1Char('&')) == text)
                    button->click();
        };
        AnswerNextModal([](QWidget* modal) { QMetaObject::invokeMethod(modal, "accept"); });
        click(QStringLiteral("Print..."));
        AnswerNextModal([](QWidget* modal) {
            QVERIFY(qobject_cast<QFileDialog*>(modal));
            QMetaObject::invokeMethod(modal, "accept");
        });
        click(QStringLiteral("Save as PDF..."));
        QStringList expected{QStringLiteral("re-test every function listed"), backup, QStringLiteral("PUMP 2"),
                             QStringLiteral("Set-up uploaded: Untitled, with changes not saved")};
        for (int alarm : {5, 6})
            expected << q4ui::ToQString(p.Type(ST_ALARM).GetCellText(alarm, 0)).simplified();
        expected << q4ui::ToQString(p.Type(ST_GENERAL).GetCellText(DEVICE_NUMBER, 0));
        for (const QString& pdf : {printed, saved}) {
            const QString words = PdfWords(pdf);
            for (const QString& text : expected)
                QVERIFY2(words.contains(text), qPrintable(pdf + QStringLiteral(": ") + text));
            QVERIFY(!words.contains(QStringLiteral("IN 11")));  // an input the upload did not change
        }
    }

    // The change report opens at its heading however long it is, and names the file uploaded.
    void changeReportOpensAtItsTop()
    {
        std::vector<CellDifference> changes;
        for (int row = 1; row <= CAlarm::ALARM_CHANNELS; ++row)
            changes.push_back({ST_ALARM, row, CAlarm::COL_TEXT, false, "Alarm", std::to_string(row), "LCD Text", "", "PUMP"});
        QPrinter printer;
        CChangeReportDlg dialog(CChangeReport(changes, QStringLiteral("plant.q4g"), QStringLiteral("/tmp/backup.q4g"),
                                              QStringLiteral("COM1"), QDateTime::currentDateTime()),
                                printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QScrollBar* bar = dialog.GetText()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);
        QVERIFY(dialog.GetText()->toPlainText().contains(QStringLiteral("Set-up uploaded: plant.q4g")));
    }

    // A backup that fails says why and starts no upload: the unit's memory stays as it was.
    void failedBackupStartsNoUpload_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("The backup failed: cannot make the backup folder");
        QTest::newRow("read") << QStringLiteral("silent:A:40") << QStringLiteral("The backup failed: Error to download Alarm data");
        QTest::newRow("cancel") << QStringLiteral("cancel") << QStringLiteral("topped");
    }

    void failedBackupStartsNoUpload()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        BackupProgram p;
        const std::string memory = p.emulator.GetUnit().SaveText();
        if (failure == QStringLiteral("folder")) {
            QFile blocker(p.dir.filePath(QStringLiteral("backups")));  // a file where a folder must go
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else if (failure.contains(QLatin1Char(':'))) {
            CEmulatorServer::Fault fault{};
            QVERIFY(CEmulatorServer::ParseFault(failure.toStdString(), fault));
            p.emulator.AddFault(fault);
        }
        p.frame->GetAction(ID_UPLOAD)->trigger();
        CQtJob* transfer = p.frame->GetTransfer();
        QVERIFY(transfer->GetStep() != JobStep::Upload);
        if (failure == QStringLiteral("cancel"))
            transfer->GetProgress().GetCancelButton()->click();
        if (failure.contains(QLatin1Char(':'))) {
            QTRY_VERIFY_WITH_TIMEOUT(transfer->GetQuestion(), TRANSFER_MS);
            transfer->GetQuestion()->reject();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!p.frame->IsTransferring(), TRANSFER_MS);
        QVERIFY2(p.LastMessage().find(reason.toStdString()) != std::string::npos, p.LastMessage().c_str());
        QVERIFY(p.LastMessage().find("nothing was written to the unit") != std::string::npos);
        QCOMPARE(p.emulator.GetWriteCount(), 0);
        QCOMPARE(p.emulator.GetUnit().SaveText(), memory);
        QVERIFY(p.Backups().isEmpty());
        QVERIFY(p.frame->isEnabled());
    }

    // Before writing, the upload names the cells the unit cannot hold as shown (marked while it
    // asks), and a unit that is another device; No writes nothing, Yes uploads.
    void uploadAsksBeforeWritingWhatTheUnitCannotHoldOrIntoAnotherUnit_data()
    {
        QTest::addColumn<QString>("why");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("backup");
        QTest::newRow("cells, no") << QStringLiteral("cells") << false << true;
        QTest::newRow("cells, yes") << QStringLiteral("cells") << true << true;
        QTest::newRow("other unit, no") << QStringLiteral("unit") << false << true;
        QTest::newRow("other unit, yes") << QStringLiteral("unit") << true << true;
        // Without a backup the unit's General blocks are read to tell which unit it is.
        QTest::newRow("other unit, no backup, no") << QStringLiteral("unit") << false << false;
        QTest::newRow("other unit, no backup, yes") << QStringLiteral("unit") << true << false;
    }

    void uploadAsksBeforeWritingWhatTheUnitCannotHoldOrIntoAnotherUnit()
    {
        QFETCH(QString, why);
        QFETCH(bool, yes);
        QFETCH(bool, backup);
        BackupProgram p;
        p.SetBackup(backup);
        p.UseFirstInput();
        const bool cells = why == QStringLiteral("cells");
        if (cells)
            p.Type(ST_PHYSICAL).GetProperty(1, 4)->SetText("12abc");  // as an older version let it in
        else
            PutConstant(p.emulator.GetUnit(), DEVICE_NUMBER, 7);
        const std::string memory = p.emulator.GetUnit().SaveText();
        std::set<std::pair<int, int>> marked;
        p.prompt.m_onShow = [&p, &marked] { marked = p.Marked(ST_PHYSICAL); };
        p.prompt.AnswerNext(yes ? IMessagePrompt::IDOK : IMessagePrompt::IDCANCEL);
        p.Upload();

        QCOMPARE(p.prompt.Messages().empty(), false);
        const RecordingPrompt::Shown& question = p.prompt.Messages().front();
        QCOMPARE(question.buttons, IMessagePrompt::BTN_YES_NO);
        const std::string port = p.emulator.GetSlavePath();
        if (cells) {
            QVERIFY2(question.text.find("Physical Input IN 11 LCDLo: \"12abc\" as \"12\"") != std::string::npos,
                     question.text.c_str());
            QCOMPARE(marked, (std::set<std::pair<int, int>>{{1, 4}}));
            QVERIFY(p.Backups().size() == (yes ? 1 : 0));
        } else {
            QCOMPARE(question.text, "The unit on " + port + " is device 7; Untitled is for device 1. Upload anyway?");
            QCOMPARE(p.Backups().size(), backup ? 1 : 0);
        }
        QVERIFY(p.Marked(ST_PHYSICAL).empty());
        if (yes) {
            QCOMPARE(GetConstant(p.emulator.GetUnit(), DEVICE_NUMBER), 1u);
            QVERIFY(p.emulator.GetWriteCount() > 0);
        } else {
            QCOMPARE(p.emulator.GetWriteCount(), 0);
            QCOMPARE(p.emulator.GetUnit().SaveText(), memory);
        }
        QVERIFY(p.frame->isEnabled());
    }

    // On by default in the user's data folder, writing only what the unit does not hold; OK
    // keeps what the dialog shows, Cancel nothing.
    void backupSettingsAreRemembered()
    {
        QSettings().remove(QStringLiteral("Backup"));
        FrameFixture f;
        QTemporaryDir dir;
        for (bool confirm : {true, false}) {
            AnswerNextModal([&dir, confirm](QWidget* modal) {
                auto* dialog = qobject_cast<CBackupSettingsDlg*>(modal);
                QVERIFY(dialog);
                QCOMPARE(dialog->GetEnabled()->isChecked(), confirm);
                QCOMPARE(dialog->GetFolder()->text(), confirm ? CBackupSettings::DefaultFolder() : dir.path());
                QCOMPARE(dialog->GetAllBlocks()->isChecked(), !confirm);
                dialog->GetEnabled()->setChecked(!confirm);
                dialog->GetAllBlocks()->setChecked(confirm);
                dialog->GetFolder()->setText(confirm ? dir.path() : QString());
                confirm ? dialog->accept() : dialog->reject();
            });
            f.frame->GetAction(ID_BACKUP_SETTINGS)->trigger();
            CBackupSettings stored = CBackupSettings::Load();
            QCOMPARE(stored.m_enabled, false);
            QCOMPARE(stored.m_folder, dir.path());
            QCOMPARE(stored.allBlocks, true);
        }

        QSettings().remove(QStringLiteral("Backup"));
    }
};

std::unique_ptr<QObject> MakeUploadBackupTest()
{
    return std::make_unique<UploadBackupTest>();
}

#include "UploadBackupTest.moc"
