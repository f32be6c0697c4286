// A transfer's progress window, its questions and its end, on the GUI thread.
#include "ui/CQtTransfer.h"

#include "transfer/CTransfer.h"
#include "ui/CProgressWnd.h"
#include "ui/CQtMessagePrompt.h"
#include "ui/CUpDown.h"
#include "ui/CoreTranslation.h"
#include "ui/QtText.h"

#include <QMessageBox>

#include <algorithm>

CQtTransfer::CQtTransfer(CQ4kUnit& unit, CComSetupDialog& link, TransferDirection direction, QWidget* mainWindow)
    : m_direction(direction), m_pMainWnd(mainWindow), m_pProgress(std::make_unique<CProgressWnd>()),
      m_pTransfer(std::make_unique<CTransfer>(unit, link, direction, *this))
{
    connect(m_pProgress.get(), &CProgressWnd::cancelRequested, this, &CQtTransfer::OnCancelRequested);
}

CQtTransfer::~CQtTransfer()
{
    // The worker ends before the window it reports to goes.
    m_pTransfer.reset();
}

void CQtTransfer::SetHeldBlocks(const CUnitImage* held)
{
    m_pTransfer->SetHeldBlocks(held);
}

void CQtTransfer::SetSheets(int count)
{
    m_pTransfer->SetSheets(count);
}

void CQtTransfer::SetPhase(const QString& title, const QString& purpose)
{
    m_strTitle = title;
    m_strPurpose = purpose;
}

void CQtTransfer::Start()
{
    m_pProgress->GoModal(m_strTitle.isEmpty() ? tr("Progress") : m_strTitle, 0, m_pMainWnd);
    if (!m_strPurpose.isEmpty())
        m_pProgress->SetText(m_strPurpose);
    m_nTotal = m_pTransfer->GetTotalBytes();
    m_pProgress->SetRange(0, static_cast<int>(m_nTotal), 1);
    m_pTransfer->Start();
}

const CUnitImage& CQtTransfer::GetBlocksRead() const
{
    return m_pTransfer->GetBlocksRead();
}

void CQtTransfer::Cancel()
{
    StopAfterBlock();
}

// ---- reports from the worker ------------------------------------------------------------------
// Queued with this object as context: a report that arrives after it is gone is dropped.

void CQtTransfer::OnSetupTypeStarted(int, const std::string& title)
{
    QString text = q4ui::TrCore(CTransfer::ProgressText(m_direction, title));
    if (!m_strPurpose.isEmpty())
        text = m_strPurpose + QLatin1Char('\n') + text;
    QMetaObject::invokeMethod(this, [this, text] {
        if (!m_pProgress->Cancelled())
            m_pProgress->SetText(text);
    }, Qt::QueuedConnection);
}

void CQtTransfer::OnBytesMoved(uint32_t bytes)
{
    QMetaObject::invokeMethod(this, [this, bytes] {
        m_pProgress->SetPos(static_cast<int>(std::min(bytes, m_nTotal)));
    }, Qt::QueuedConnection);
}

void CQtTransfer::OnBlockFailed(CTransfer&, const std::string& message)
{
    QString text = q4ui::TrCore(message);
    QMetaObject::invokeMethod(this, [this, text] { AskRetry(text); }, Qt::QueuedConnection);
}

void CQtTransfer::OnFinished(const TransferResult& result)
{
    QMetaObject::invokeMethod(this, [this, result] { Finish(result); }, Qt::QueuedConnection);
}

// ---- on the GUI thread ------------------------------------------------------------------------

void CQtTransfer::AskRetry(const QString& message)
{
    // A failed block answers a pending "stop?" question: the Retry question offers Cancel too.
    if (m_pStopQuestion)
        m_pStopQuestion->reject();
    // Over the progress window; should that be gone, over a window that is still there.
    QWidget* parent = m_pProgress->GetWindow();
    if (!parent)
        parent = m_pMainWnd ? m_pMainWnd : CQtMessagePrompt::ParentWindow();
    m_pQuestion = new CUpDown(message, parent);
    m_pQuestion->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pQuestion, &QDialog::finished, this, [this](int result) {
        m_pTransfer->Answer(result == QDialog::Accepted);
    });
    m_pQuestion->open();
}

void CQtTransfer::OnCancelRequested()
{
    if (m_direction == TransferDirection::Download) {
        StopAfterBlock();
        return;
    }
    if (m_pStopQuestion || m_pQuestion)
        return;
    m_pStopQuestion = new QMessageBox(QMessageBox::Warning, CQtMessagePrompt::Caption(),
                                      tr("Stop the upload after the block in flight?\n"
                                         "The unit then holds a partly written set-up."),
                                      QMessageBox::Yes | QMessageBox::No, m_pProgress->GetWindow());
    m_pStopQuestion->setDefaultButton(QMessageBox::No);
    m_pStopQuestion->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_pStopQuestion, &QMessageBox::finished, this, [this](int result) {
        if (result == QMessageBox::Yes)
            StopAfterBlock();
    });
    m_pStopQuestion->open();
}

void CQtTransfer::StopAfterBlock()
{
    m_pProgress->SetCancelled(
        q4ui::ToCp1252(m_direction == TransferDirection::Download ? tr("Stopping the download ...") : tr("Stopping the upload ...")));
    m_pTransfer->Cancel();
}

void CQtTransfer::Finish(const TransferResult& result)
{
    m_result = result;
    m_pTransfer->Wait();
    if (m_pQuestion)
        m_pQuestion->close();
    if (m_pStopQuestion)
        m_pStopQuestion->close();
    m_pProgress->DestroyWindow();
    emit finished();
}
