// A job's progress window, its questions and its end, on the GUI thread.
#include "ui/transfer/CQtJob.h"

#include "job/CUnitJob.h"
#include "transfer/CTransfer.h"
#include "ui/transfer/CJobQuestions.h"
#include "ui/transfer/CProgressWnd.h"
#include "ui/common/CQtMessagePrompt.h"
#include "ui/common/CUpDown.h"
#include "ui/common/CoreTranslation.h"
#include "ui/common/QtText.h"

CQtJob::CQtJob(Purpose purpose, CJobQuestions& questions, QString setupName, QString portName, QWidget* mainWindow)
    : m_purpose(purpose), m_questions(questions), m_setupName(std::move(setupName)), m_portName(std::move(portName)),
      m_mainWindow(mainWindow),
      m_progress(std::make_unique<CProgressWnd>())
{
    connect(m_progress.get(), &CProgressWnd::cancelRequested, this, &CQtJob::OnCancelRequested);
}

CQtJob::~CQtJob()
{
    // The worker ends before the window it reports to goes.
    if (m_worker.joinable()) {
        if (m_cancel)
            m_cancel();
        m_worker.join();
    }
    for (CUnitJob* job : m_asking)
        m_questions.Forget(job);
}

QString CQtJob::StepTitle(Purpose purpose, JobStep step)
{
    switch (purpose) {
    case Purpose::Upload:
        return step == JobStep::Upload ? tr("Upload, step 2 of 2") : tr("Upload, step 1 of 2");
    case Purpose::Download: return tr("Download");
    case Purpose::Identify: return tr("Identify Unit");
    case Purpose::ReadUnit:
    case Purpose::Verify: break;
    }
    return tr("Reading the unit");
}

QString CQtJob::StepPurpose(Purpose purpose, JobStep step)
{
    switch (purpose) {
    case Purpose::Upload:
        if (step == JobStep::Backup)
            return tr("Reading the unit for the backup; the upload follows.");
        if (step == JobStep::ReadGeneral)
            return tr("Reading which unit this is; the upload follows.");
        return tr("Writing the set-up into the unit.");
    case Purpose::Download: return tr("Reading the set-up from the unit.");
    case Purpose::Identify: return tr("Reading which unit this is.");
    case Purpose::ReadUnit:
    case Purpose::Verify: break;
    }
    return tr("Reading the unit to compare it with the set-up shown.");
}

void CQtJob::Start(std::function<void()> work, std::function<void()> cancel)
{
    m_cancel = std::move(cancel);
    const JobStep first = m_purpose == Purpose::Upload ? JobStep::ReadGeneral : JobStep::Download;
    m_step = first;
    m_progress->GoModal(StepTitle(m_purpose, first), 0, m_mainWindow);
    m_progress->SetText(StepPurpose(m_purpose, first));
    m_progress->SetRange(0, 87, 1);
    m_worker = std::thread([this, work = std::move(work)] {
        work();
        QMetaObject::invokeMethod(this, [this] { Finish(); }, Qt::QueuedConnection);
    });
}

void CQtJob::Cancel()
{
    StopAfterBlock();
}

// ---- reports from the worker ------------------------------------------------------------------
// Queued with this object as context: a report that arrives after it is gone is dropped.

void CQtJob::Ask(CUnitJob& job, const JobQuestion& question)
{
    CUnitJob* asking = &job;
    // The download is kept; its window names the cells once the sheets show them.
    if (question.kind == JobQuestion::Kind::NotShown) {
        job.Answer(true);
        return;
    }
    if (question.kind == JobQuestion::Kind::Retry) {
        const QString text = q4ui::TrCore(question.message);
        QMetaObject::invokeMethod(this, [this, asking, text] { AskRetry(asking, text); }, Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, asking, question] {
            m_asking.insert(asking);
            JobQuestion asked = question;
            asked.port = m_portName.toStdString();
            m_questions.Ask(asking, std::move(asked), m_setupName);
        },
        Qt::QueuedConnection);
}

void CQtJob::OnStep(JobStep step, int blocksTotal)
{
    QMetaObject::invokeMethod(
        this,
        [this, step, blocksTotal] {
            const bool same = m_stepShown && step == m_step;  // a Retry starts the step again
            m_step = step;
            m_stepShown = true;
            if (m_progress->Cancelled())
                return;
            m_progress->SetTitle(StepTitle(m_purpose, step));
            m_progress->SetRange(0, blocksTotal, 1);
            m_progress->SetPos(0);
            m_progress->SetText(StepPurpose(m_purpose, step));
            if (!same)
                emit stepShown(StepTitle(m_purpose, step), StepPurpose(m_purpose, step));
        },
        Qt::QueuedConnection);
}

void CQtJob::OnSetupTypeStarted(JobStep step, int, const std::string& title)
{
    const TransferDirection direction = step == JobStep::Upload ? TransferDirection::Upload : TransferDirection::Download;
    const QString line = q4ui::TrCore(CTransfer::ProgressText(direction, title));
    QMetaObject::invokeMethod(
        this,
        [this, step, line] {
            m_stepLine = line;
            if (!m_progress->Cancelled())
                m_progress->SetText(StepPurpose(m_purpose, step) + QLatin1Char('\n') + line);
        },
        Qt::QueuedConnection);
}

void CQtJob::OnProgress(const JobProgress& progress)
{
    QMetaObject::invokeMethod(
        this,
        [this, progress] {
            m_progress->SetPos(progress.blocksDone);
            if (m_step != JobStep::Upload || m_progress->Cancelled())
                return;
            // An upload says how much it wrote and how much the unit held already.
            const QString counts = tr("%1 blocks written, %2 held already").arg(progress.blocksWritten).arg(progress.blocksHeld);
            m_progress->SetText(StepPurpose(m_purpose, m_step) + QLatin1Char('\n') + m_stepLine + QLatin1Char('\n') + counts);
        },
        Qt::QueuedConnection);
}

// ---- on the GUI thread ------------------------------------------------------------------------

void CQtJob::AskRetry(CUnitJob* job, const QString& message)
{
    // A failed block answers a pending "stop?" question: the Retry question offers Cancel too.
    if (m_stopQuestion)
        m_stopQuestion->reject();
    // Over the progress window; should that be gone, over a window that is still there.
    QWidget* parent = m_progress->GetWindow();
    if (!parent)
        parent = m_mainWindow ? m_mainWindow : CQtMessagePrompt::ParentWindow();
    m_retry = new CUpDown(message, parent);
    m_retry->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_retry, &QDialog::finished, this, [job](int result) { job->Answer(result == QDialog::Accepted); });
    m_retry->open();
}

void CQtJob::OnCancelRequested()
{
    if (m_purpose != Purpose::Upload || m_step != JobStep::Upload) {
        StopAfterBlock();
        return;
    }
    if (m_stopQuestion || m_retry)
        return;
    m_stopQuestion = new QMessageBox(QMessageBox::Warning, CQtMessagePrompt::Caption(),
                                     tr("Stop the upload after the block in flight?\n"
                                        "The unit then holds a partly written set-up."),
                                     QMessageBox::Yes | QMessageBox::No, m_progress->GetWindow());
    m_stopQuestion->setDefaultButton(QMessageBox::No);
    m_stopQuestion->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_stopQuestion, &QMessageBox::finished, this, [this](int result) {
        if (result == QMessageBox::Yes)
            StopAfterBlock();
    });
    m_stopQuestion->open();
}

void CQtJob::StopAfterBlock()
{
    const bool writing = m_purpose == Purpose::Upload && m_step == JobStep::Upload;
    m_progress->SetCancelled(q4ui::ToCp1252(writing ? tr("Stopping the upload ...") : tr("Stopping the download ...")));
    if (m_cancel)
        m_cancel();
}

void CQtJob::Finish()
{
    if (m_worker.joinable())
        m_worker.join();
    for (CUnitJob* job : m_asking)
        m_questions.Forget(job);
    m_asking.clear();
    if (m_retry) {
        m_retry->disconnect(this);
        m_retry->close();
    }
    if (m_stopQuestion)
        m_stopQuestion->close();
    m_progress->DestroyWindow();
    emit finished();
}
