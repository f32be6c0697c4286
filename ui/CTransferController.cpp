// The steps of Upload, Download and the reading of the unit, from one transfer's end to the next.
#include "ui/CTransferController.h"

#include "compare/CHeldCells.h"
#include "model/IMessagePrompt.h"
#include "transfer/CUnitConnection.h"
#include "ui/CBackupSettings.h"
#include "ui/CQ4150Doc.h"
#include "ui/CQtTransfer.h"
#include "ui/CUploadBackup.h"
#include "ui/CUploadGuard.h"
#include "ui/CoreTranslation.h"
#include "ui/QtText.h"
#include "unit/CQ4kUnit.h"
#include "unit/CUnitImage.h"

#include <QDateTime>
#include <QDir>

#include <utility>

CTransferController::CTransferController(CQ4150Doc& doc, CUnitConnection& connection, QWidget* window)
    : m_doc(doc), m_connection(connection), m_pWindow(window),
      m_pUploadGuard(std::make_unique<CUploadGuard>(
          doc, [this](const std::vector<CellDifference>& cells) { emit cellsMarked(cells); }))
{
}

CTransferController::~CTransferController()
{
    // The worker ends before the set-ups it fills.
    m_pTransfer.reset();
}

QString CTransferController::GetPortName() const
{
    return QString::fromStdString(m_connection.GetLink().GetPortName());
}

bool CTransferController::Upload(const CBackupSettings& backup)
{
    if (m_pTransfer || !m_pUploadGuard->ConfirmCells() || !m_connection.EnsureReady())
        return false;
    if (backup.m_bEnabled) {
        // The upload follows once the backup file is written.
        m_pUploadBackup = std::make_unique<CUploadBackup>(m_doc, backup.m_strFolder);
        Start(Step::Backup, m_pUploadBackup->GetUnit(), TransferDirection::Download);
        return true;
    }
    // Without a backup the unit's General blocks tell which unit it is; the upload follows.
    m_pScratch = m_doc.CreateScratchUnit();
    Start(Step::UnitCheck, *m_pScratch, TransferDirection::Download, nullptr, 1);
    return true;
}

bool CTransferController::Download()
{
    if (m_pTransfer || !m_connection.EnsureReady())
        return false;
    m_pScratch = m_doc.CreateScratchUnit();
    Start(Step::Download, *m_pScratch, TransferDirection::Download);
    return true;
}

bool CTransferController::ReadUnit(std::function<void(const CUnitImage&)> read)
{
    if (m_pTransfer || !m_connection.EnsureReady())
        return false;
    m_pScratch = m_doc.CreateScratchUnit();
    m_onUnitRead = std::move(read);
    Start(Step::ReadUnit, *m_pScratch, TransferDirection::Download);
    return true;
}

bool CTransferController::ReadDeviceNumber(std::function<void(unsigned long)> read)
{
    if (m_pTransfer || !m_connection.EnsureReady())
        return false;
    m_pScratch = m_doc.CreateScratchUnit();
    m_onDeviceRead = std::move(read);
    Start(Step::ReadDevice, *m_pScratch, TransferDirection::Download, nullptr, 1);
    return true;
}

void CTransferController::Cancel()
{
    if (m_pTransfer)
        m_pTransfer->Cancel();
}

void CTransferController::CancelForClose()
{
    if (!m_pTransfer)
        return;
    m_bClosing = true;
    m_pTransfer->Cancel();
}

void CTransferController::Start(Step step, CQ4kUnit& unit, TransferDirection direction, const CUnitImage* held,
                                int sheets)
{
    m_step = step;
    m_pTransfer = std::make_unique<CQtTransfer>(unit, m_connection.GetLink(), direction, m_pWindow);
    m_pTransfer->SetHeldBlocks(held);
    m_pTransfer->SetSheets(sheets);
    SetPhase(*m_pTransfer, step);
    connect(m_pTransfer.get(), &CQtTransfer::finished, this, &CTransferController::OnTransferFinished);
    emit transferStarted();
    m_pTransfer->Start();
}

// An upload runs two transfers, each with a bar from 0 to 100%: their titles say which is which.
void CTransferController::SetPhase(CQtTransfer& transfer, Step step)
{
    switch (step) {
    case Step::Backup:
        transfer.SetPhase(tr("Upload, step 1 of 2"), tr("Reading the unit for the backup; the upload follows."));
        break;
    case Step::UnitCheck:
        transfer.SetPhase(tr("Upload, step 1 of 2"), tr("Reading which unit this is; the upload follows."));
        break;
    case Step::Upload:
        transfer.SetPhase(tr("Upload, step 2 of 2"), tr("Writing the set-up into the unit."));
        break;
    case Step::Download:
        transfer.SetPhase(tr("Download"), tr("Reading the set-up from the unit."));
        break;
    case Step::ReadUnit:
        transfer.SetPhase(tr("Reading the unit"), tr("Reading the unit to compare it with the set-up shown."));
        break;
    case Step::ReadDevice:
        transfer.SetPhase(tr("Identify Unit"), tr("Reading which unit this is."));
        break;
    case Step::None:
        break;
    }
}

bool CTransferController::UploadAfterReading(const CQ4kUnit& read, const CUnitImage& held)
{
    if (m_bClosing || !m_pUploadGuard->ConfirmUnit(read, GetPortName()))
        return false;
    Start(Step::Upload, *m_doc.GetUnit(), TransferDirection::Upload, &held);
    return true;
}

void CTransferController::OnTransferFinished()
{
    std::unique_ptr<CQtTransfer> transfer = std::move(m_pTransfer);
    std::unique_ptr<CQ4kUnit> scratch = std::move(m_pScratch);
    std::unique_ptr<CUploadBackup> backup = std::move(m_pUploadBackup);
    std::function<void(const CUnitImage&)> onUnitRead = std::exchange(m_onUnitRead, nullptr);
    std::function<void(unsigned long)> onDeviceRead = std::exchange(m_onDeviceRead, nullptr);
    const Step step = std::exchange(m_step, Step::None);
    m_lastResult = transfer->GetResult();
    const TransferResult result = m_lastResult;
    const bool completed = result.end == TransferEnd::Completed;
    emit transferEnded();

    bool goesOn = false;
    switch (step) {
    case Step::Backup:
        // The upload follows only once the file is written; it checks its merge by the backup's blocks.
        if (backup->Keep(result, transfer->GetBlocksRead())) {
            m_pUploadBackup = std::move(backup);
            goesOn = UploadAfterReading(m_pUploadBackup->GetUnit(), m_pUploadBackup->GetHeldBlocks());
            if (!goesOn)
                m_pUploadBackup.reset();
        }
        break;
    case Step::UnitCheck:
        // Read to tell which unit it is: its General blocks also check the upload's merge.
        if (completed) {
            const CUnitImage general = transfer->GetBlocksRead();
            goesOn = UploadAfterReading(*scratch, general);
        } else {
            QString stopped = result.end == TransferEnd::Cancelled ? tr("The reading of the unit was stopped")
                                                                   : tr("The unit could not be read");
            if (!result.reason.empty())
                stopped += QStringLiteral(" (%1)").arg(q4ui::TrCore(result.reason));
            m_doc.GetPrompt().Show(q4ui::ToCp1252(tr("%1: nothing was written to the unit.").arg(stopped)),
                                   IMessagePrompt::BTN_OK, true);
        }
        break;
    case Step::Download:
        if (completed) {
            const std::vector<CellDifference> named = CHeldCells::NotShownAsHeld(*scratch, transfer->GetBlocksRead());
            m_doc.TakeDownload(*scratch);
            emit documentReplaced();
            if (!named.empty())
                emit downloadNamedCells(named);
        }
        break;
    case Step::Upload:
    case Step::ReadUnit:
    case Step::ReadDevice:
    case Step::None:
        break;
    }
    // The transfer that does what the command asks, not one that prepares it.
    const bool last = step == Step::Upload || step == Step::Download || step == Step::ReadUnit || step == Step::ReadDevice;
    if (last)
        TellWhyNotCompleted(step, result, backup.get());
    if (step == Step::Upload && backup && completed)
        ReportChanges(*backup);
    // A ReadUnit's blocks, for its reader once the transfer is out of the way.
    const CUnitImage unitRead = step == Step::ReadUnit && completed ? transfer->GetBlocksRead() : CUnitImage();
    // Sent from within the transfer's own call: it goes once that call is over.
    transfer.release()->deleteLater();
    if (goesOn)
        return;
    const bool done = last && completed;
    if (std::exchange(m_bClosing, false)) {
        emit finished(done);
        emit readyToClose();
        return;
    }
    if (step == Step::ReadUnit && completed)
        onUnitRead(unitRead);
    if (step == Step::ReadDevice && completed)
        onDeviceRead(scratch->GetDeviceNumber());
    emit finished(done);
}

void CTransferController::TellWhyNotCompleted(Step step, const TransferResult& result, const CUploadBackup* backup) const
{
    if (result.end == TransferEnd::Completed)
        return;
    // A port that went away is named.
    const QString reason = q4ui::TrCore(result.reason);
    if (step == Step::Upload && result.unitWritten) {
        QString text = reason.isEmpty()
                           ? tr("The upload did not complete: the unit now holds a partly written set-up (%1 of %2 "
                                "blocks). Upload the whole set-up before the unit is used.")
                           : tr("The upload did not complete (%3): the unit now holds a partly written set-up (%1 of %2 "
                                "blocks). Upload the whole set-up before the unit is used.");
        text = text.arg(result.blocksDone).arg(result.blocksTotal);
        if (!reason.isEmpty())
            text = text.arg(reason);
        if (backup)
            text += QLatin1Char(' ') + tr("What it held before is kept in %1.").arg(QDir::toNativeSeparators(backup->GetPath()));
        m_doc.GetPrompt().Show(q4ui::ToCp1252(text), IMessagePrompt::BTN_OK, true);
    } else if (!reason.isEmpty()) {
        m_doc.GetPrompt().Show(q4ui::ToCp1252(step == Step::Upload ? tr("The upload did not complete: %1.").arg(reason)
                                                                   : tr("The download did not complete: %1.").arg(reason)),
                               IMessagePrompt::BTN_OK, true);
    }
}

void CTransferController::ReportChanges(const CUploadBackup& backup)
{
    std::vector<CellDifference> changes = backup.GetChanges();
    if (changes.empty()) {
        m_doc.GetPrompt().Show(q4ui::ToCp1252(tr("The upload is complete. The unit held this set-up already; nothing changed.")),
                               IMessagePrompt::BTN_OK, false);
        return;
    }
    // The file as the user knows it, and whether the set-up uploaded is still that file's.
    QString uploaded = m_doc.GetPathName().isEmpty() ? m_doc.GetTitle() : QDir::toNativeSeparators(m_doc.GetPathName());
    if (m_doc.IsModified())
        uploaded = tr("%1, with changes not saved").arg(uploaded);
    emit changesReported(CChangeReport(changes, uploaded, backup.GetPath(), GetPortName(), QDateTime::currentDateTime()));
}
