// The document's transfers with the unit on the port chosen in COM Setup: Upload, Download,
// Verify Unit, the reading of the unit for a comparison and Identify Unit, each one job of the
// core on a worker thread (CQtJob), the port held only while it runs. When the document is a
// unit of the open plant, its jobs are recorded in the plant's log and its backups go to the
// unit's folder. It has no window beyond the progress window and its questions; the window around
// it follows its signals. Several can run side by side, one per unit and port.
#pragma once

#include "compare/CellDifference.h"
#include "job/JobTypes.h"
#include "plant/CUnitIdentifier.h"
#include "ui/transfer/CChangeReport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CBackupSettings;
class CJobQuestions;
class CPlant;
class CPlantRecorder;
class CQ4150Doc;
class CQtJob;
class CUnitImage;
class CUnitJob;
class CQtComSetupUi;
class QWidget;

class CTransferController : public QObject {
    Q_OBJECT

public:
    // doc: the set-up, and the prompt through which the controller tells; questions: where the
    // jobs' questions go; window: what the progress window stands over and disables (null: the
    // application's main window). All outlive the controller.
    CTransferController(CQ4150Doc& doc, CJobQuestions& questions, QWidget* window = nullptr);
    // A job still running is cancelled and its worker waited for.
    ~CTransferController() override;

    // The COM setup's dialogs; the port is opened by each job, never held between them.
    void SetComSetupUi(CQtComSetupUi* ui) { m_comSetupUi = ui; }
    // Asks for the port and its line settings; false when the dialogs were cancelled.
    bool ChoosePort();
    const UnitPortSettings& GetPort() const { return m_port; }
    bool IsPortChosen() const { return m_portChosen; }
    // The port and line settings as if chosen in the dialogs.
    void SetPort(const UnitPortSettings& port)
    {
        m_port = port;
        m_portChosen = true;
    }
    // The unit's own waits (100 ms) unless told; an emulated unit may be driven faster.
    void SetFixedWaitMs(int ms) { m_port.fixedWaitMs = ms; }
    // The open plant, or null: a document that is one of its units is recorded as that unit.
    void SetPlant(const CPlant* plant) { m_plant = plant; }
    // The checks' rules the user ignores for the document: not asked about before an upload.
    void SetIgnoredRules(std::function<std::vector<std::string>()> ignored) { m_ignoredRules = std::move(ignored); }

    // Each command returns false when nothing started (a job under way, the port not chosen);
    // otherwise finished() follows, once.
    //
    // Writes the set-up into the unit: the questions before writing, the unit's backup into
    // a new file in backup's folder when backups are on (or else its General blocks read), only
    // the blocks it does not hold written, and what changed reported.
    bool Upload(const CBackupSettings& backup);
    // Reads the unit into a set-up of its own that replaces the document's once complete.
    bool Download();
    // Reads the unit without touching the document; read gets the blocks the unit sent once
    // the read has completed. verify: the read is Verify Unit, recorded as such.
    bool ReadUnit(std::function<void(const CUnitImage&)> read, bool verify = false);
    // Identify Unit against survey's units (null: the number alone); found gets the result
    // however it ended.
    bool Identify(const CPlantSurvey* survey, std::function<void(const Identification&)> found);
    // Stops the job after the block in flight, without asking.
    void Cancel();
    // The same, and nothing follows the job: readyToClose() once it has ended.
    void CancelForClose();

    bool IsTransferring() const { return m_qtJob != nullptr; }
    // The running job's window side, or null.
    CQtJob* GetJob() const { return m_qtJob.get(); }
    // How the last job ended.
    const JobResult& GetLastResult() const { return m_lastResult; }
    // The port as the user chose it ("Emulator" for the emulated unit).
    QString GetPortName() const;

signals:
    // A job starts or has ended.
    void transferStarted();
    void transferEnded();
    // Cells to mark in the grids while the question about them is open; empty once it closed.
    void cellsMarked(const std::vector<CellDifference>& cells);
    // A completed download replaced the document's set-up and its title.
    void documentReplaced();
    // After documentReplaced: the values the download could not show as the unit holds them,
    // when there are some.
    void downloadNamedCells(const std::vector<CellDifference>& cells);
    // An upload with a backup completed and changed these settings of the unit.
    void changesReported(const CChangeReport& report);
    // The command is over and nothing follows; completed: it did all it was asked.
    void finished(bool completed);
    // After CancelForClose, once the job has ended.
    void readyToClose();

private:
    enum class Command { None, Upload, Download, ReadUnit, Verify, Identify };

    bool EnsurePort();
    // A job on the chosen port; recorded as the plant's unit when the document is one.
    std::unique_ptr<CUnitJob> NewJob(JobAction action, JobSettings settings);
    // The plant's unit whose file the document is, or null.
    const PlantUnit* PlantUnitOfDocument() const;
    void Run(Command command, int purpose, std::function<void()> work, std::function<void()> cancel);
    void OnJobFinished();
    void TellWhyNotCompleted(Command command, const JobResult& result) const;
    void ReportChanges(const JobResult& result);

    CQ4150Doc& m_doc;
    CJobQuestions& m_questions;
    QWidget* m_window;
    CQtComSetupUi* m_comSetupUi = nullptr;
    UnitPortSettings m_port;
    bool m_portChosen = false;
    const CPlant* m_plant = nullptr;
    std::function<std::vector<std::string>()> m_ignoredRules;
    std::unique_ptr<CPlantRecorder> m_recorder;
    std::unique_ptr<CUnitJob> m_job;
    std::unique_ptr<CIdentifyJob> m_identify;
    std::unique_ptr<CQtJob> m_qtJob;
    Command m_command = Command::None;
    bool m_backupOn = false;
    std::function<void(const CUnitImage&)> m_onUnitRead;
    std::function<void(const Identification&)> m_onIdentified;
    JobResult m_lastResult;
    bool m_closing = false;
};
