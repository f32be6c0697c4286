// Plant Transfers: the verify or upload of the checked units, each on its own port and its own
// thread, side by side. A row per unit on a Qt item model (check box, port, progress, result);
// the jobs' news comes back by queued signals, so the GUI thread never waits for them.
#pragma once

#include "plant/CPlant.h"
#include "plant/CPlantLog.h"
#include "plant/CUnitJob.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class CEmulatorServer;
class CUnitJob;
class IMessagePrompt;
class QThread;

class CPlantTransferController : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { COL_UNIT, COL_PORT, COL_PROGRESS, COL_RESULT, COL_COUNT };
    // The progress column's value: per cent of the step under way, -1 before any.
    static constexpr int ProgressRole = Qt::UserRole + 1;
    // The emulated units offered as ports, each a unit of its own.
    static constexpr int EMULATOR_COUNT = 8;

    // The plant is copied: the jobs keep using it while the one shown may change. The prompt
    // asks before an upload into a unit of another device number.
    CPlantTransferController(const CPlant& plant, IMessagePrompt& prompt, QObject* parent = nullptr);
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
    bool VerifyChecked() { return Start(PlantAction::Verify); }
    bool UploadChecked() { return Start(PlantAction::Upload); }
    // Every job stops after its block in flight; each row then says how far it got.
    void Cancel();
    bool IsRunning() const { return !m_mapRunning.empty(); }
    // Whether the unit whose file is at that path (absolute) is being uploaded.
    bool IsUploading(const QString& filePath) const;
    // The emulated unit behind "Emulator N", once started; null before.
    CEmulatorServer* GetEmulator(int number) const;
    // The line's waits for every job started after this (the unit's own 100 ms by default).
    void SetFixedWaitMs(int ms) { m_nFixedWaitMs = ms; }
    const PlantUnit& GetUnit(int row) const { return m_arRows[static_cast<size_t>(row)].unit; }
    // The last job's end in that row; Failed before any.
    PlantResult GetResult(int row) const { return m_arRows[static_cast<size_t>(row)].result; }
    QString GetResultText(int row) const { return m_arRows[static_cast<size_t>(row)].resultText; }

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
        PlantAction step = PlantAction::Verify;
        int percent = -1;
        quint32 stepBytes = 0;
        bool running = false;
        PlantResult result = PlantResult::Failed;
        QString resultText;
        unsigned long unitDevice = 0;
        unsigned long fileDevice = 0;
    };
    class Watcher;
    struct Running {
        std::unique_ptr<CUnitJob> job;
        std::unique_ptr<Watcher> watcher;
        QThread* thread = nullptr;  // deleted once finished
    };

    bool Start(PlantAction action);
    bool StartRow(int row, PlantAction action, bool force);
    // Resolves "Emulator N" to its unit's terminal, starting it when needed; else the port as named.
    QString DevicePath(const QString& port, QString& error);
    void OnStep(int row, int step, quint32 totalBytes);
    void OnBytes(int row, quint32 bytes);
    void OnJobFinished(int row);
    // Asks about the refused uploads one after the other; Yes runs that unit's upload again, forced.
    void AskNextRefusal();
    QString ResultText(PlantAction action, const UnitJobResult& result) const;
    void RowChanged(int row);

    CPlant m_plant;
    IMessagePrompt& m_prompt;
    std::vector<Row> m_arRows;
    std::map<int, Running> m_mapRunning;
    std::vector<std::unique_ptr<CEmulatorServer>> m_arEmulators;
    std::vector<int> m_arRefused;  // rows whose upload the guard stopped, to be asked about
    bool m_bAsking = false;
    bool m_bCancelled = false;
    bool m_logFailureTold = false;  // a log that could not be written was said in this run
    int m_nFixedWaitMs;
};
