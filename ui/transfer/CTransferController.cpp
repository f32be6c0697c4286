// The document's jobs on the unit, from the command to what follows the job's end.
#include "ui/transfer/CTransferController.h"

#include "job/CUnitJob.h"
#include "model/CDocumentFile.h"
#include "model/IMessagePrompt.h"
#include "model/Sha256.h"
#include "plant/CPlant.h"
#include "plant/CPlantRecorder.h"
#include "sim/CEmulatorServer.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/transfer/CJobQuestions.h"
#include "ui/document/CQ4150Doc.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/transfer/CQtJob.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <utility>

CTransferController::CTransferController(CQ4150Doc& doc, CJobQuestions& questions, QWidget* window)
    : m_doc(doc), m_questions(questions), m_window(window)
{
    connect(&m_questions, &CJobQuestions::cellsMarked, this, &CTransferController::cellsMarked);
}

CTransferController::~CTransferController()
{
    // The worker ends before the jobs it runs.
    m_qtJob.reset();
}

bool CTransferController::ChoosePort()
{
    if (!m_comSetupUi)
        return false;
    std::string name = m_port.port.empty() ? "COM1" : m_port.port;
    if (!m_comSetupUi->ChoosePortName(name))
        return false;
    CLineSettings line = m_port.line;
    if (!m_comSetupUi->EditLineSettings(name, line))
        return false;
    m_port.port = name;
    m_port.line = line;
    m_portChosen = true;
    return true;
}

bool CTransferController::EnsurePort()
{
    return m_portChosen || ChoosePort();
}

QString CTransferController::GetPortName() const
{
    const CEmulatorServer* emulator = m_comSetupUi ? m_comSetupUi->GetEmulator() : nullptr;
    if (emulator && emulator->GetSlavePath() == m_port.port)
        return QString::fromLatin1(CComPortDlg::EMULATOR);
    return QString::fromStdString(m_port.port);
}

const PlantUnit* CTransferController::PlantUnitOfDocument() const
{
    if (!m_plant || m_doc.GetPathName().isEmpty())
        return nullptr;
    const QString document = QFileInfo(m_doc.GetPathName()).canonicalFilePath();
    for (const PlantUnit& unit : m_plant->GetUnits()) {
        if (QFileInfo(QString::fromStdString(m_plant->FilePath(unit))).canonicalFilePath() == document)
            return &unit;
    }
    return nullptr;
}

std::unique_ptr<CUnitJob> CTransferController::NewJob(JobAction action, JobSettings settings)
{
    settings.port = m_port;
    const PlantUnit* unit = PlantUnitOfDocument();
    if (unit && !settings.backupFolder.empty())
        settings.backupFolder = m_plant->GetBackupFolder(unit->tag);
    m_recorder = unit ? std::make_unique<CPlantRecorder>(*m_plant, unit->tag) : nullptr;
    auto job = std::make_unique<CUnitJob>(action, settings);
    job->SetRecorder(m_recorder.get());
    // The set-up as the record names it: the file's bytes while it is that file's.
    JobSetupName name;
    name.path = m_doc.GetPathName().toStdString();
    std::vector<uint8_t> bytes;
    q4::Result<std::vector<uint8_t>> read = q4::Failure{};
    if (!name.path.empty() && !m_doc.IsModified())
        read = CDocumentFile().ReadBytes(name.path);
    bytes = read ? std::move(read.Value()) : CDocumentFile::SaveBytes(*m_doc.GetUnit());
    name.sha256 = q4::CSha256::Hex(bytes.data(), bytes.size());
    job->SetSetup(*m_doc.GetUnit(), std::move(name));
    return job;
}

bool CTransferController::Upload(const CBackupSettings& backup)
{
    if (IsTransferring() || !EnsurePort())
        return false;
    JobSettings settings;
    if (backup.m_enabled)
        settings.backupFolder = backup.m_folder.toStdString();
    settings.allBlocks = backup.allBlocks;
    if (m_ignoredRules)
        settings.ignoredRules = m_ignoredRules();
    m_backupOn = backup.m_enabled;
    m_job = NewJob(JobAction::Upload, settings);
    CUnitJob* job = m_job.get();
    Run(Command::Upload, static_cast<int>(CQtJob::Purpose::Upload), [job] { job->Run(); }, [job] { job->Cancel(); });
    return true;
}

bool CTransferController::Download()
{
    if (IsTransferring() || !EnsurePort())
        return false;
    m_job = NewJob(JobAction::Download, {});
    CUnitJob* job = m_job.get();
    Run(Command::Download, static_cast<int>(CQtJob::Purpose::Download), [job] { job->Run(); }, [job] { job->Cancel(); });
    return true;
}

bool CTransferController::ReadUnit(std::function<void(const CUnitImage&)> read, bool verify)
{
    if (IsTransferring() || !EnsurePort())
        return false;
    m_onUnitRead = std::move(read);
    m_job = NewJob(verify ? JobAction::Verify : JobAction::ReadUnit, {});
    CUnitJob* job = m_job.get();
    Run(verify ? Command::Verify : Command::ReadUnit,
        static_cast<int>(verify ? CQtJob::Purpose::Verify : CQtJob::Purpose::ReadUnit), [job] { job->Run(); },
        [job] { job->Cancel(); });
    return true;
}

bool CTransferController::Identify(const CPlantSurvey* survey, std::function<void(const Identification&)> found)
{
    if (IsTransferring() || !EnsurePort())
        return false;
    m_onIdentified = std::move(found);
    JobSettings settings;
    settings.port = m_port;
    m_identify = std::make_unique<CIdentifyJob>(survey, settings);
    CIdentifyJob* job = m_identify.get();
    Run(Command::Identify, static_cast<int>(CQtJob::Purpose::Identify), [job] { job->Run(); }, [job] { job->Cancel(); });
    return true;
}

void CTransferController::Run(Command command, int purpose, std::function<void()> work, std::function<void()> cancel)
{
    m_command = command;
    m_qtJob = std::make_unique<CQtJob>(static_cast<CQtJob::Purpose>(purpose), m_questions, m_doc.GetTitle(), GetPortName(),
                                       m_window);
    if (m_job) {
        m_job->SetAnswerer(m_qtJob.get());
        m_job->SetWatcher(m_qtJob.get());
    }
    if (m_identify) {
        m_identify->SetAnswerer(m_qtJob.get());
        m_identify->SetWatcher(m_qtJob.get());
    }
    connect(m_qtJob.get(), &CQtJob::finished, this, &CTransferController::OnJobFinished);
    emit transferStarted();
    m_qtJob->Start(std::move(work), std::move(cancel));
}

void CTransferController::Cancel()
{
    if (m_qtJob)
        m_qtJob->Cancel();
}

void CTransferController::CancelForClose()
{
    if (!m_qtJob)
        return;
    m_closing = true;
    m_qtJob->Cancel();
}

void CTransferController::OnJobFinished()
{
    std::unique_ptr<CQtJob> qtJob = std::move(m_qtJob);
    std::unique_ptr<CUnitJob> job = std::move(m_job);
    std::unique_ptr<CIdentifyJob> identify = std::move(m_identify);
    const Command command = std::exchange(m_command, Command::None);
    auto onUnitRead = std::exchange(m_onUnitRead, nullptr);
    auto onIdentified = std::exchange(m_onIdentified, nullptr);
    m_lastResult = job ? job->GetResult() : JobResult();
    const JobResult& result = m_lastResult;
    emit transferEnded();
    // Sent from within the job window's own call: it goes once that call is over.
    qtJob.release()->deleteLater();

    const bool completed = identify ? identify->GetResult().result != PlantResult::Failed
                                          && identify->GetResult().result != PlantResult::Stopped
                                    : result.outcome == JobOutcome::Ok || result.outcome == JobOutcome::Differs;
    if (std::exchange(m_closing, false)) {
        emit finished(completed);
        emit readyToClose();
        return;
    }
    if (job && result.outcome != JobOutcome::Ok && result.outcome != JobOutcome::Differs)
        TellWhyNotCompleted(command, result);
    if (job && !result.recordError.empty())
        m_doc.GetPrompt().Show(
            q4ui::ToCp1252(tr("The plant log could not be written: %1.").arg(q4ui::TrCore(result.recordError))),
            IMessagePrompt::BTN_OK, true);
    switch (command) {
    case Command::Upload:
        if (result.outcome == JobOutcome::Ok && m_backupOn)
            ReportChanges(result);
        break;
    case Command::Download:
        if (result.outcome == JobOutcome::Ok) {
            m_doc.TakeDownload(job->GetUnitRead());
            emit documentReplaced();
            if (!result.notShown.empty())
                emit downloadNamedCells(result.notShown);
        }
        break;
    case Command::ReadUnit:
    case Command::Verify:
        if (completed)
            onUnitRead(job->GetBlocksRead());
        break;
    case Command::Identify:
        onIdentified(identify->GetResult());
        break;
    case Command::None:
        break;
    }
    emit finished(completed);
}

void CTransferController::TellWhyNotCompleted(Command command, const JobResult& result) const
{
    // A refusal was the user's own answer.
    if (result.outcome == JobOutcome::Refused)
        return;
    const TransferResult& transfer = result.transfer;
    // Cancel, or Cancel answered to a failed block, is the user's own doing too, unless it left
    // the unit partly written or stopped an upload before it wrote; a line that failed is named.
    const bool partly = result.lastStep == JobStep::Upload && transfer.unitWritten;
    const bool byUser = result.outcome == JobOutcome::Stopped || transfer.end == TransferEnd::Failed;
    if (byUser && transfer.reason.empty() && !partly && command != Command::Upload)
        return;
    QString text = q4ui::TrCore(result.reason);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    text += QLatin1Char('.');
    if (partly) {
        text += QLatin1Char(' ') + tr("Upload the whole set-up before the unit is used.");
        if (!result.backupPath.empty())
            text += QLatin1Char(' ')
                    + tr("What it held before is kept in %1.")
                          .arg(QDir::toNativeSeparators(QString::fromStdString(result.backupPath)));
    }
    m_doc.GetPrompt().Show(q4ui::ToCp1252(text), IMessagePrompt::BTN_OK, true);
}

void CTransferController::ReportChanges(const JobResult& result)
{
    if (result.cells.empty()) {
        m_doc.GetPrompt().Show(q4ui::ToCp1252(tr("The upload is complete. The unit held this set-up already; nothing changed.")),
                               IMessagePrompt::BTN_OK, false);
        return;
    }
    // The file as the user knows it, and whether the set-up uploaded is still that file's.
    QString uploaded = m_doc.GetPathName().isEmpty() ? m_doc.GetTitle() : QDir::toNativeSeparators(m_doc.GetPathName());
    if (m_doc.IsModified())
        uploaded = tr("%1, with changes not saved").arg(uploaded);
    emit changesReported(CChangeReport(result.cells, uploaded, QString::fromStdString(result.backupPath), GetPortName(),
                                       QDateTime::currentDateTime()));
}
