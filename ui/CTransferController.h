// The transfers between one set-up and the unit on one line: Upload (the unit's backup or its
// General blocks read first, the questions before writing, the change report), Download into a
// set-up of its own, and the reading of the unit for a comparison. It has no window beyond the
// progress window and its questions; the window around it follows its signals. Several can run
// side by side, one per unit and port.
#pragma once

#include "compare/CellDifference.h"
#include "transfer/ITransferObserver.h"
#include "ui/CChangeReport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CBackupSettings;
class CQ4150Doc;
class CQ4kUnit;
class CQtTransfer;
class CUnitConnection;
class CUnitImage;
class CUploadBackup;
class CUploadGuard;
class QWidget;

class CTransferController : public QObject {
    Q_OBJECT

public:
    // doc: the set-up, and the prompt through which the controller asks and tells; connection:
    // the line to the unit; window: what the progress window stands over and disables (null:
    // the application's main window). All three outlive the controller.
    CTransferController(CQ4150Doc& doc, CUnitConnection& connection, QWidget* window = nullptr);
    // A transfer still running is cancelled and its worker waited for.
    ~CTransferController() override;

    // Each command returns false when nothing started (a transfer under way, a question answered
    // No, the line not set up); otherwise finished() follows, once.
    //
    // Asks about cells the unit cannot hold as shown and sets the line up, then reads the unit
    // into a new backup file in backup's folder when backups are on, or else reads its General
    // blocks; asks before writing into another device, writes, and reports what changed.
    bool Upload(const CBackupSettings& backup);
    // Reads the unit into a set-up of its own that replaces the document's once complete.
    bool Download();
    // Reads the unit without touching the document, however the transfer ends; read gets the
    // blocks the unit sent once the download has completed.
    bool ReadUnit(std::function<void(const CUnitImage&)> read);
    // Reads the unit's General blocks alone; read gets its device number once they came.
    bool ReadDeviceNumber(std::function<void(unsigned long)> read);
    // Stops the transfer after the block in flight, without asking.
    void Cancel();
    // The same, and nothing follows the transfer: readyToClose() once it has ended.
    void CancelForClose();

    bool IsTransferring() const { return m_pTransfer != nullptr; }
    // The running transfer, or null.
    CQtTransfer* GetTransfer() const { return m_pTransfer.get(); }
    // How the last transfer to end ended (of an upload's, the writing or what came before it).
    const TransferResult& GetLastResult() const { return m_lastResult; }
    QString GetPortName() const;

signals:
    // A transfer starts or has ended; an upload runs two, its questions between them.
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
    // After CancelForClose, once the transfer has ended.
    void readyToClose();

private:
    enum class Step { None, Backup, UnitCheck, Upload, Download, ReadUnit, ReadDevice };

    // Runs one transfer on unit; OnTransferFinished takes the next step.
    void Start(Step step, CQ4kUnit& unit, TransferDirection direction, const CUnitImage* held = nullptr,
               int sheets = 4);
    static void SetPhase(CQtTransfer& transfer, Step step);
    void OnTransferFinished();
    // After the backup or the reading of General: asks about another device, then uploads.
    // False when the upload does not start.
    bool UploadAfterReading(const CQ4kUnit& read, const CUnitImage& held);
    void TellWhyNotCompleted(Step step, const TransferResult& result, const CUploadBackup* backup) const;
    void ReportChanges(const CUploadBackup& backup);

    CQ4150Doc& m_doc;
    CUnitConnection& m_connection;
    QWidget* m_pWindow;
    std::unique_ptr<CUploadGuard> m_pUploadGuard;
    std::unique_ptr<CQtTransfer> m_pTransfer;
    Step m_step = Step::None;
    // The set-up a download, a ReadUnit or the reading of General fills; the document's changes
    // only when a download has completed.
    std::unique_ptr<CQ4kUnit> m_pScratch;
    // The unit's backup that the upload under way waits for or was preceded by.
    std::unique_ptr<CUploadBackup> m_pUploadBackup;
    std::function<void(const CUnitImage&)> m_onUnitRead;
    std::function<void(unsigned long)> m_onDeviceRead;
    TransferResult m_lastResult;
    bool m_bClosing = false;
};
