// The rows of Plant Transfers and the jobs behind them, one QThread each.
#include "ui/plant/CPlantTransferController.h"

#include "sim/CEmulatorServer.h"
#include "ui/transfer/CBackupSettings.h"
#include "ui/checks/CChecksUi.h"
#include "ui/transfer/CJobQuestions.h"
#include "ui/transfer/CComPortDlg.h"
#include "ui/transfer/CQtComSetupUi.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

#include <utility>

// Passes a job's progress and questions to the GUI thread, queued. A failed block is not retried:
// the row says why, and the unit is taken again when the engineer starts it again.
class CPlantTransferController::Watcher : public IJobWatcher, public IJobAnswerer {
public:
    Watcher(CPlantTransferController& owner, int row) : m_owner(owner), m_row(row) {}
    void OnStep(JobStep step, int) override
    {
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner, row = m_row, step] { owner->OnStep(row, step); }, Qt::QueuedConnection);
    }
    void OnSetupTypeStarted(JobStep, int, const std::string&) override {}
    void OnProgress(const JobProgress& progress) override
    {
        QMetaObject::invokeMethod(
            &m_owner,
            [owner = &m_owner, row = m_row, done = progress.blocksDone, total = progress.blocksTotal] {
                owner->OnProgress(row, done, total);
            },
            Qt::QueuedConnection);
    }
    void Ask(CUnitJob& job, const JobQuestion& question) override
    {
        if (question.kind == JobQuestion::Kind::Retry || question.kind == JobQuestion::Kind::NotShown) {
            job.Answer(question.kind == JobQuestion::Kind::NotShown);
            return;
        }
        CUnitJob* asking = &job;
        QMetaObject::invokeMethod(
            &m_owner,
            [owner = &m_owner, row = m_row, asking, question] {
                const Row& shown = owner->m_rows[static_cast<size_t>(row)];
                owner->m_questions.Ask(asking, question, QString::fromStdString(shown.unit.file),
                                       QString::fromStdString(shown.unit.tag), false);
            },
            Qt::QueuedConnection);
    }

private:
    CPlantTransferController& m_owner;
    int m_row;
};

CPlantTransferController::CPlantTransferController(const CPlant& plant, CJobQuestions& questions, QObject* parent)
    : QAbstractTableModel(parent), m_plant(plant), m_questions(questions), m_fixedWaitMs(CSerialLink::FIXED_WAIT_MS)
{
    for (const PlantUnit& unit : m_plant.GetUnits()) {
        Row row;
        row.unit = unit;
        m_rows.push_back(std::move(row));
    }
    m_emulators.resize(EmulatorCount);
}

CPlantTransferController::~CPlantTransferController()
{
    // The jobs end before the plant and the emulated units they use.
    for (auto& [row, running] : m_running)
        running.job->Cancel();
    for (auto& [row, running] : m_running) {
        running.thread->disconnect(this);
        running.thread->wait();
        delete running.thread;
        m_questions.Forget(&running.job->GetJob());
    }
}

QString CPlantTransferController::EmulatorName(int number)
{
    return tr("Emulator %1").arg(number);
}

QStringList CPlantTransferController::PortChoices()
{
    QStringList ports;
    for (const CComPortDlg::FoundPort& port : CComPortDlg::FoundPorts())
        ports << port.path;
    for (int i = 1; i <= EmulatorCount; ++i)
        ports << EmulatorName(i);
    return ports;
}

int CPlantTransferController::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CPlantTransferController::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CPlantTransferController::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case UnitColumn: return tr("Unit");
    case PortColumn: return tr("Port");
    case ProgressColumn: return tr("Progress");
    case ResultColumn: return tr("Result");
    default: return QVariant();
    }
}

QVariant CPlantTransferController::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case UnitColumn:
        if (role == Qt::DisplayRole)
            return QString::fromStdString(row.unit.tag);
        if (role == Qt::CheckStateRole)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        break;
    case PortColumn:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return row.port;
        break;
    case ProgressColumn:
        if (role == ProgressRole)
            return row.percent;
        if (role == Qt::DisplayRole && row.percent >= 0) {
            QString step = row.step == JobStep::Backup ? tr("Backup") : row.step == JobStep::Upload ? tr("Upload") : tr("Verify");
            return tr("%1 %2%").arg(step).arg(row.percent);
        }
        break;
    case ResultColumn:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return row.running ? tr("Running") : row.resultText;
        break;
    default:
        break;
    }
    return QVariant();
}

Qt::ItemFlags CPlantTransferController::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const bool idle = !m_rows[static_cast<size_t>(index.row())].running;
    if (index.column() == UnitColumn && idle)
        flags |= Qt::ItemIsUserCheckable;
    if (index.column() == PortColumn && idle)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CPlantTransferController::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || m_rows[static_cast<size_t>(index.row())].running)
        return false;
    if (index.column() == UnitColumn && role == Qt::CheckStateRole) {
        SetChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (index.column() == PortColumn && role == Qt::EditRole) {
        SetPort(index.row(), value.toString().trimmed());
        return true;
    }
    return false;
}

void CPlantTransferController::SetChecked(int row, bool checked)
{
    m_rows[static_cast<size_t>(row)].checked = checked;
    RowChanged(row);
}

void CPlantTransferController::SetPort(int row, const QString& port)
{
    m_rows[static_cast<size_t>(row)].port = port;
    RowChanged(row);
}

void CPlantTransferController::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

CEmulatorServer* CPlantTransferController::GetEmulator(int number) const
{
    return number >= 1 && number <= EmulatorCount ? m_emulators[static_cast<size_t>(number - 1)].get() : nullptr;
}

QString CPlantTransferController::DevicePath(const QString& port, QString& error)
{
    for (int i = 1; i <= EmulatorCount; ++i) {
        if (port.compare(EmulatorName(i), Qt::CaseInsensitive) != 0)
            continue;
        // Each emulated unit lives as long as the window's rows: what was uploaded reads back.
        std::unique_ptr<CEmulatorServer>& emulator = m_emulators[static_cast<size_t>(i - 1)];
        if (!emulator) {
            emulator = std::make_unique<CEmulatorServer>();
            if (!emulator->Start()) {
                emulator.reset();
                error = tr("The emulated unit cannot be started: no pseudo-terminal is available.");
                return QString();
            }
        }
        return QString::fromStdString(emulator->GetSlavePath());
    }
    return port;
}

bool CPlantTransferController::IsUploading(const QString& filePath) const
{
    const QString wanted = QFileInfo(filePath).absoluteFilePath();
    for (const auto& [row, running] : m_running) {
        if (running.job->GetAction() == JobAction::Upload
            && QFileInfo(QString::fromStdString(m_plant.FilePath(running.job->GetUnit()))).absoluteFilePath() == wanted)
            return true;
    }
    return false;
}

bool CPlantTransferController::Start(JobAction action)
{
    if (IsRunning())
        return false;
    m_logFailureTold = false;
    bool started = false;
    for (int row = 0; row < rowCount(); ++row) {
        if (m_rows[static_cast<size_t>(row)].checked)
            started = StartRow(row, action) || started;
    }
    return started;
}

bool CPlantTransferController::StartRow(int row, JobAction action)
{
    Row& shown = m_rows[static_cast<size_t>(row)];
    shown.percent = -1;
    shown.step = action == JobAction::Upload ? JobStep::Upload : JobStep::Verify;
    if (shown.port.isEmpty()) {
        shown.resultText = tr("No port chosen");
        RowChanged(row);
        return false;
    }
    QString error;
    const QString path = DevicePath(shown.port, error);
    if (path.isEmpty()) {
        shown.resultText = error;
        RowChanged(row);
        return false;
    }
    JobSettings settings;
    settings.port.port = path.toStdString();
    CQtComSetupUi::LoadLineSettings(settings.port.line);
    settings.port.fixedWaitMs = m_fixedWaitMs;
    settings.allBlocks = CBackupSettings::Load().allBlocks;
    settings.ignoredRules = CChecksUi::IgnoredEverywhere();

    const bool wasRunning = IsRunning();
    Running& running = m_running[row];
    running.job = std::make_unique<CPlantUnitJob>(m_plant, shown.unit, action, settings);
    running.watcher = std::make_unique<Watcher>(*this, row);
    running.job->GetJob().SetWatcher(running.watcher.get());
    running.job->GetJob().SetAnswerer(running.watcher.get());
    CPlantUnitJob* job = running.job.get();
    running.thread = QThread::create([job] { job->Run(); });
    connect(running.thread, &QThread::finished, this, [this, row] { OnJobFinished(row); }, Qt::QueuedConnection);
    shown.running = true;
    shown.resultText.clear();
    RowChanged(row);
    if (!wasRunning)
        emit runningChanged(true);
    running.thread->start();
    return true;
}

void CPlantTransferController::Cancel()
{
    for (auto& [row, running] : m_running)
        running.job->Cancel();
}

void CPlantTransferController::OnStep(int row, JobStep step)
{
    Row& shown = m_rows[static_cast<size_t>(row)];
    shown.step = step;
    shown.percent = 0;
    RowChanged(row);
}

void CPlantTransferController::OnProgress(int row, int done, int total)
{
    Row& shown = m_rows[static_cast<size_t>(row)];
    if (total <= 0 || !shown.running)
        return;
    const int percent = std::min(100, done * 100 / total);
    if (percent != shown.percent) {
        shown.percent = percent;
        emit dataChanged(index(row, ProgressColumn), index(row, ProgressColumn));
    }
}

void CPlantTransferController::OnJobFinished(int row)
{
    auto it = m_running.find(row);
    if (it == m_running.end())
        return;
    it->second.thread->deleteLater();
    m_questions.Forget(&it->second.job->GetJob());
    const JobAction action = it->second.job->GetAction();
    const JobResult result = it->second.job->GetResult();
    // The job has let its port go.
    m_running.erase(it);
    Row& shown = m_rows[static_cast<size_t>(row)];
    shown.running = false;
    // A transfer that went through has moved all its blocks, whatever the count said.
    if (result.transfer.end == TransferEnd::Completed)
        shown.percent = 100;
    shown.result = result.outcome;
    shown.resultText = ResultText(action, result);
    RowChanged(row);
    emit unitFinished(QString::fromStdString(shown.unit.tag));
    // A record missing from the commissioning record is said at once, once a run.
    if (!result.recordError.empty() && !std::exchange(m_logFailureTold, true))
        m_questions.Tell(tr("The plant log could not be written: %1. The action of %2 is not in the commissioning record.")
                             .arg(q4ui::TrCore(result.recordError), QString::fromStdString(shown.unit.tag)));
    if (!IsRunning())
        emit runningChanged(false);
}

QString CPlantTransferController::ResultText(JobAction action, const JobResult& result)
{
    const QString reason = q4ui::TrCore(result.reason);
    QString text;
    switch (result.outcome) {
    case JobOutcome::Ok:
        if (action == JobAction::Verify)
            text = tr("Holds its file");
        else if (result.cells.size() == 1)
            text = tr("Uploaded: %1 blocks written, %2 held already, 1 cell changed").arg(result.blocksWritten).arg(result.blocksHeld);
        else
            text = tr("Uploaded: %1 blocks written, %2 held already, %3 cells changed")
                       .arg(result.blocksWritten)
                       .arg(result.blocksHeld)
                       .arg(static_cast<int>(result.cells.size()));
        break;
    case JobOutcome::Differs:
        text = result.cells.size() == 1 ? tr("Differs in 1 cell")
                                        : tr("Differs in %1 cells").arg(static_cast<int>(result.cells.size()));
        break;
    case JobOutcome::Refused:
        text = tr("Not uploaded: %1").arg(reason);
        break;
    case JobOutcome::Stopped:
        text = tr("Stopped: %1").arg(reason);
        break;
    case JobOutcome::Failed:
        text = tr("Failed: %1").arg(reason);
        break;
    }
    if (!result.recordError.empty())
        text += QLatin1Char(' ') + tr("(not in the log: %1)").arg(q4ui::TrCore(result.recordError));
    return text;
}
