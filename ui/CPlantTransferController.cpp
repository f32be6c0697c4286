// The rows of Plant Transfers and the jobs behind them, one QThread each.
#include "ui/CPlantTransferController.h"

#include "model/IMessagePrompt.h"
#include "plant/CUnitJob.h"
#include "sim/CEmulatorServer.h"
#include "ui/CComPortDlg.h"
#include "ui/CQtComSetupUi.h"
#include "ui/CoreTranslation.h"
#include "ui/QtText.h"

#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

// Passes a job's progress to the GUI thread, queued.
class CPlantTransferController::Watcher : public IUnitJobWatcher {
public:
    Watcher(CPlantTransferController& owner, int row) : m_owner(owner), m_nRow(row) {}
    void OnStep(PlantAction step, uint32_t totalBytes) override
    {
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner, row = m_nRow, step, totalBytes] { owner->OnStep(row, static_cast<int>(step), totalBytes); },
            Qt::QueuedConnection);
    }
    void OnBytesMoved(uint32_t bytes) override
    {
        QMetaObject::invokeMethod(
            &m_owner, [owner = &m_owner, row = m_nRow, bytes] { owner->OnBytes(row, bytes); }, Qt::QueuedConnection);
    }

private:
    CPlantTransferController& m_owner;
    int m_nRow;
};

CPlantTransferController::CPlantTransferController(const CPlant& plant, IMessagePrompt& prompt, QObject* parent)
    : QAbstractTableModel(parent), m_plant(plant), m_prompt(prompt), m_nFixedWaitMs(CComSetupDialog::FIXED_WAIT_MS)
{
    for (const PlantUnit& unit : m_plant.GetUnits()) {
        Row row;
        row.unit = unit;
        m_arRows.push_back(std::move(row));
    }
    m_arEmulators.resize(EMULATOR_COUNT);
}

CPlantTransferController::~CPlantTransferController()
{
    // The jobs end before the plant and the emulated units they use.
    for (auto& [row, running] : m_mapRunning)
        running.job->Cancel();
    for (auto& [row, running] : m_mapRunning) {
        running.thread->disconnect(this);
        running.thread->wait();
        delete running.thread;
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
    for (int i = 1; i <= EMULATOR_COUNT; ++i)
        ports << EmulatorName(i);
    return ports;
}

int CPlantTransferController::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_arRows.size());
}

int CPlantTransferController::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : COL_COUNT;
}

QVariant CPlantTransferController::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case COL_UNIT: return tr("Unit");
    case COL_PORT: return tr("Port");
    case COL_PROGRESS: return tr("Progress");
    case COL_RESULT: return tr("Result");
    default: return QVariant();
    }
}

QVariant CPlantTransferController::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const Row& row = m_arRows[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case COL_UNIT:
        if (role == Qt::DisplayRole)
            return QString::fromStdString(row.unit.tag);
        if (role == Qt::CheckStateRole)
            return row.checked ? Qt::Checked : Qt::Unchecked;
        break;
    case COL_PORT:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return row.port;
        break;
    case COL_PROGRESS:
        if (role == ProgressRole)
            return row.percent;
        if (role == Qt::DisplayRole && row.percent >= 0) {
            QString step = row.step == PlantAction::Backup ? tr("Backup") : row.step == PlantAction::Upload ? tr("Upload") : tr("Verify");
            return tr("%1 %2%").arg(step).arg(row.percent);
        }
        break;
    case COL_RESULT:
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
    const bool idle = !m_arRows[static_cast<size_t>(index.row())].running;
    if (index.column() == COL_UNIT && idle)
        flags |= Qt::ItemIsUserCheckable;
    if (index.column() == COL_PORT && idle)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CPlantTransferController::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || m_arRows[static_cast<size_t>(index.row())].running)
        return false;
    if (index.column() == COL_UNIT && role == Qt::CheckStateRole) {
        SetChecked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (index.column() == COL_PORT && role == Qt::EditRole) {
        SetPort(index.row(), value.toString().trimmed());
        return true;
    }
    return false;
}

void CPlantTransferController::SetChecked(int row, bool checked)
{
    m_arRows[static_cast<size_t>(row)].checked = checked;
    RowChanged(row);
}

void CPlantTransferController::SetPort(int row, const QString& port)
{
    m_arRows[static_cast<size_t>(row)].port = port;
    RowChanged(row);
}

void CPlantTransferController::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, COL_COUNT - 1));
}

CEmulatorServer* CPlantTransferController::GetEmulator(int number) const
{
    return number >= 1 && number <= EMULATOR_COUNT ? m_arEmulators[static_cast<size_t>(number - 1)].get() : nullptr;
}

QString CPlantTransferController::DevicePath(const QString& port, QString& error)
{
    for (int i = 1; i <= EMULATOR_COUNT; ++i) {
        if (port.compare(EmulatorName(i), Qt::CaseInsensitive) != 0)
            continue;
        // Each emulated unit lives as long as the window's rows: what was uploaded reads back.
        std::unique_ptr<CEmulatorServer>& emulator = m_arEmulators[static_cast<size_t>(i - 1)];
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
    for (const auto& [row, running] : m_mapRunning) {
        if (running.job->GetAction() == PlantAction::Upload
            && QFileInfo(QString::fromStdString(m_plant.FilePath(running.job->GetUnit()))).absoluteFilePath() == wanted)
            return true;
    }
    return false;
}

bool CPlantTransferController::Start(PlantAction action)
{
    if (IsRunning())
        return false;
    m_bCancelled = false;
    bool started = false;
    for (int row = 0; row < rowCount(); ++row) {
        if (m_arRows[static_cast<size_t>(row)].checked)
            started = StartRow(row, action, false) || started;
    }
    return started;
}

bool CPlantTransferController::StartRow(int row, PlantAction action, bool force)
{
    Row& shown = m_arRows[static_cast<size_t>(row)];
    shown.percent = -1;
    shown.step = action;
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
    UnitJobSettings settings;
    settings.port.port = path.toStdString();
    CQtComSetupUi::LoadLineSettings(settings.port.line);
    settings.port.fixedWaitMs = m_nFixedWaitMs;
    settings.force = force;

    const bool wasRunning = IsRunning();
    Running& running = m_mapRunning[row];
    running.job = std::make_unique<CUnitJob>(m_plant, shown.unit, action, settings);
    running.watcher = std::make_unique<Watcher>(*this, row);
    running.job->SetWatcher(running.watcher.get());
    CUnitJob* job = running.job.get();
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
    m_bCancelled = true;
    for (auto& [row, running] : m_mapRunning)
        running.job->Cancel();
}

void CPlantTransferController::OnStep(int row, int step, quint32 totalBytes)
{
    Row& shown = m_arRows[static_cast<size_t>(row)];
    shown.step = static_cast<PlantAction>(step);
    shown.stepBytes = totalBytes;
    shown.percent = 0;
    RowChanged(row);
}

void CPlantTransferController::OnBytes(int row, quint32 bytes)
{
    Row& shown = m_arRows[static_cast<size_t>(row)];
    if (shown.stepBytes == 0 || !shown.running)
        return;
    const int percent = static_cast<int>(std::min<quint64>(100, quint64(bytes) * 100 / shown.stepBytes));
    if (percent != shown.percent) {
        shown.percent = percent;
        emit dataChanged(index(row, COL_PROGRESS), index(row, COL_PROGRESS));
    }
}

void CPlantTransferController::OnJobFinished(int row)
{
    auto it = m_mapRunning.find(row);
    if (it == m_mapRunning.end())
        return;
    it->second.thread->deleteLater();
    const PlantAction action = it->second.job->GetAction();
    const UnitJobResult result = it->second.job->GetResult();
    // The job lets its port go before anything else may open it (an upload forced after the question).
    m_mapRunning.erase(it);
    Row& shown = m_arRows[static_cast<size_t>(row)];
    shown.running = false;
    // A transfer that went through has moved all its blocks, whatever the count of bytes said.
    if (result.transfer.end == TransferEnd::Completed)
        shown.percent = 100;
    shown.result = result.result;
    shown.resultText = ResultText(action, result);
    shown.unitDevice = result.unitDevice;
    shown.fileDevice = result.fileDevice;
    RowChanged(row);
    emit unitFinished(QString::fromStdString(shown.unit.tag));
    if (result.result == PlantResult::Refused && !m_bCancelled)
        m_arRefused.push_back(row);
    AskNextRefusal();
    if (!IsRunning() && !m_bAsking)
        emit runningChanged(false);
}

void CPlantTransferController::AskNextRefusal()
{
    // One question at a time: others that come meanwhile wait their turn.
    if (m_bAsking)
        return;
    while (!m_arRefused.empty() && !m_bCancelled) {
        const int row = m_arRefused.front();
        m_arRefused.erase(m_arRefused.begin());
        const Row& shown = m_arRows[static_cast<size_t>(row)];
        m_bAsking = true;
        const QString question = tr("The unit on %1 is device %2; the file of %3 is for device %4. Upload anyway?")
                                     .arg(shown.port)
                                     .arg(shown.unitDevice)
                                     .arg(QString::fromStdString(shown.unit.tag))
                                     .arg(shown.fileDevice);
        const bool yes = m_prompt.Show(q4ui::ToCp1252(question), IMessagePrompt::BTN_YES_NO, true) == IMessagePrompt::IDOK;
        m_bAsking = false;
        if (yes)
            StartRow(row, PlantAction::Upload, true);
    }
    m_arRefused.clear();
}

QString CPlantTransferController::ResultText(PlantAction action, const UnitJobResult& result) const
{
    const QString reason = q4ui::TrCore(result.reason);
    QString text;
    switch (result.result) {
    case PlantResult::Ok:
        text = action == PlantAction::Verify ? tr("Holds its file")
                                             : (result.cells.size() == 1 ? tr("Uploaded: %1 blocks written, 1 cell changed")
                                                                         : tr("Uploaded: %1 blocks written, %2 cells changed")
                                                                               .arg(static_cast<int>(result.cells.size())))
                                                   .arg(result.transfer.blocksDone);
        break;
    case PlantResult::Differs:
        text = result.cells.size() == 1 ? tr("Differs in 1 cell") : tr("Differs in %1 cells").arg(static_cast<int>(result.cells.size()));
        break;
    case PlantResult::Refused:
        text = tr("Not uploaded: the unit is device %1, its file is for device %2")
                   .arg(result.unitDevice)
                   .arg(result.fileDevice);
        break;
    case PlantResult::Stopped:
        text = tr("Stopped %1").arg(reason);
        break;
    default:
        text = tr("Failed: %1").arg(reason);
        break;
    }
    if (!result.logError.empty())
        text += QLatin1Char(' ') + tr("(not in the log: %1)").arg(q4ui::TrCore(result.logError));
    return text;
}
