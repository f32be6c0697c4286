// Plant Transfers: the verify or upload of the checked units, each on its own port and its own
// thread, side by side. A row per unit on a Qt item model (check box, port, progress, result);
// the jobs' news comes back by queued signals, so the GUI thread never waits for them.
#pragma once

#include "plant/CPlant.h"
#include "plant/CPlantLog.h"
#include "plant/CPlantUnitJob.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class CEmulatorServer;
class CJobQuestions;
class QThread;

class CPlantTransferController : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { UnitColumn, PortColumn, ProgressColumn, ResultColumn, ColumnCount };
    // The progress column's value: per cent of the step under way, -1 before any.
    static constexpr int ProgressRole = Qt::UserRole + 1;
    // The emulated units offered as ports, each a unit of its own.
    static constexpr int EmulatorCount = 8;

    // The plant is copied: the jobs keep using it while the one shown may change. The jobs'
    // questions (cells a unit cannot hold, another device number) go to questions, one at a time.
    CPlantTransferController(const CPlant& plant, CJobQuestions& questions, QObject* parent = nullptr);
    // Jobs still running are cancelled and their threads waited for.
    ~CPlantTransferController() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The ports to choose from: the serial ports found, then "Emulator 1" to "Emulator 8".
    static QStringList PortChoices();
    static QString EmulatorName(int number);

    void SetChecked(int row, bool checked);
    void SetPort(int row, const QString& port);
    // Starts the job of every checked row that has a port; false when none started (a run is
    // under way, nothing checked).
    bool VerifyChecked() { return Start(JobAction::Verify); }
    bool UploadChecked() { return Start(JobAction::Upload); }
    // Every job stops after its block in flight; each row then says how far it got.
    void Cancel();
    bool IsRunning() const { return !m_running.empty(); }
    // Whether the unit whose file is at that path (absolute) is being uploaded.
    bool IsUploading(const QString& filePath) const;
    // The emulated unit behind "Emulator N", once started; null before.
    CEmulatorServer* GetEmulator(int number) const;
    // The line's waits for every job started after this (the unit's own 100 ms by default).
    void SetFixedWaitMs(int ms) { m_fixedWaitMs = ms; }
    const PlantUnit& GetUnit(int row) const { return m_rows[static_cast<size_t>(row)].unit; }
    // The last job's end in that row; Failed before any.
    JobOutcome GetResult(int row) const { return m_rows[static_cast<size_t>(row)].result; }
    QString GetResultText(int row) const { return m_rows[static_cast<size_t>(row)].resultText; }

signals:
    // A run starts, or its last job has ended.
    void runningChanged(bool running);
    // A unit's job ended and its record is in the log.
    void unitFinished(const QString& tag);

private:
    struct Row {
        PlantUnit unit;
        bool checked = false;
        QString port;
        JobStep step = JobStep::Verify;
        int percent = -1;
        bool running = false;
        JobOutcome result = JobOutcome::Failed;
        QString resultText;
    };
    class Watcher;
    struct Running {
        std::unique_ptr<CPlantUnitJob> job;
        std::unique_ptr<Watcher> watcher;
        QThread* thread = nullptr;  // deleted once finished
    };

    bool Start(JobAction action);
    bool StartRow(int row, JobAction action);
    // Resolves "Emulator N" to its unit's terminal, starting it when needed; else the port as named.
    QString DevicePath(const QString& port, QString& error);
    void OnStep(int row, JobStep step);
    void OnProgress(int row, int done, int total);
    void OnJobFinished(int row);
    static QString ResultText(JobAction action, const JobResult& result);
    void RowChanged(int row);

    CPlant m_plant;
    CJobQuestions& m_questions;
    std::vector<Row> m_rows;
    std::map<int, Running> m_running;
    std::vector<std::unique_ptr<CEmulatorServer>> m_emulators;
    bool m_logFailureTold = false;  // a log that could not be written was said in this run
    int m_fixedWaitMs;
};
