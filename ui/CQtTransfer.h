// The desktop program's side of a running transfer. The engine runs on a worker of its own; its
// reports reach the GUI thread as queued calls that move the progress window, and a failed block
// asks Retry/Cancel without blocking anybody. Cancel and Escape stop the transfer after the block
// in flight (an upload asks first, since the unit is then left partly written).
#pragma once

#include "transfer/ITransferObserver.h"
#include "ui/CUpDown.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class CComSetupDialog;
class CProgressWnd;
class CQ4kUnit;
class CTransfer;
class CUnitImage;
class QWidget;

class CQtTransfer : public QObject, public ITransferObserver {
    Q_OBJECT

public:
    // The unit and the link belong to the transfer until finished() has been sent.
    CQtTransfer(CQ4kUnit& unit, CComSetupDialog& link, TransferDirection direction, QWidget* mainWindow);
    // A transfer still running is cancelled and its worker waited for.
    ~CQtTransfer() override;

    // Before Start: the blocks a backup read moments before an upload (see CTransfer).
    void SetHeldBlocks(const CUnitImage* held);
    // Before Start: moves only the first count setup types (see CTransfer).
    void SetSheets(int count);
    // Before Start: the progress window's title, and a first line above the sheet under way that
    // says what the transfer is for ("Reading the unit for the backup").
    void SetPhase(const QString& title, const QString& purpose);
    // Shows the progress window (disabling the main window) and starts the worker.
    void Start();
    // Stops the transfer after the block in flight, without asking.
    void Cancel();

    TransferDirection GetDirection() const { return m_direction; }
    // Valid once finished() was sent.
    const TransferResult& GetResult() const { return m_result; }
    // The blocks a download read, whole when it completed; valid once finished() was sent.
    const CUnitImage& GetBlocksRead() const;
    CProgressWnd& GetProgress() const { return *m_pProgress; }
    // The open Retry/Cancel question, or null.
    CUpDown* GetQuestion() const { return m_pQuestion; }
    // The open "stop the upload?" question, or null.
    QMessageBox* GetStopQuestion() const { return m_pStopQuestion; }

signals:
    // The worker has ended, the progress window is gone and the main window enabled again.
    void finished();

private:
    // Reports of the worker; each is handed to the GUI thread.
    void OnSetupTypeStarted(int index, const std::string& title) override;
    void OnBytesMoved(uint32_t bytes) override;
    void OnBlockFailed(CTransfer& transfer, const std::string& message) override;
    void OnFinished(const TransferResult& result) override;

    void AskRetry(const QString& message);
    void OnCancelRequested();
    void StopAfterBlock();
    void Finish(const TransferResult& result);

    TransferDirection m_direction;
    QWidget* m_pMainWnd;
    std::unique_ptr<CProgressWnd> m_pProgress;
    std::unique_ptr<CTransfer> m_pTransfer;
    QPointer<CUpDown> m_pQuestion;
    QPointer<QMessageBox> m_pStopQuestion;
    QString m_strTitle;
    QString m_strPurpose;
    uint32_t m_nTotal = 0;
    TransferResult m_result;
};
