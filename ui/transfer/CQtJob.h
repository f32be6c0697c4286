// The desktop program's side of a job on the unit: the job runs on a worker thread of its own
// while a progress window, titled by the step under way, stands over the main window; its
// questions go to the program's question queue, a failed block asks Retry/Cancel without
// blocking anybody, and Cancel or Escape stops it after the block in flight (an upload asks
// first, since the unit is then left partly written). The GUI thread never waits for the worker.
#pragma once

#include "job/IJobAnswerer.h"
#include "job/IJobWatcher.h"
#include "ui/common/CUpDown.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <thread>

class CJobQuestions;
class CProgressWnd;
class CUnitJob;
class QWidget;

class CQtJob : public QObject, public IJobAnswerer, public IJobWatcher {
    Q_OBJECT

public:
    // What the job is for: it titles the progress window.
    enum class Purpose { Upload, Download, ReadUnit, Verify, Identify };

    // questions and mainWindow outlive the job; setupName names the set-up in its questions,
    // portName the port.
    CQtJob(Purpose purpose, CJobQuestions& questions, QString setupName, QString portName, QWidget* mainWindow);
    // A job still running is cancelled and its worker waited for.
    ~CQtJob() override;

    // Shows the progress window (disabling the main window) and runs work on the worker; cancel
    // stops it from any thread. The jobs work runs answer to this object and tell it their steps.
    void Start(std::function<void()> work, std::function<void()> cancel);
    // Stops the job after the block in flight, without asking.
    void Cancel();

    Purpose GetPurpose() const { return m_purpose; }
    // The step the progress window shows.
    JobStep GetStep() const { return m_step; }
    CProgressWnd& GetProgress() const { return *m_progress; }
    // The open Retry/Cancel question, or null.
    CUpDown* GetQuestion() const { return m_retry; }
    // The open "stop the upload?" question, or null.
    QMessageBox* GetStopQuestion() const { return m_stopQuestion; }

    // The progress window's title and first line for a step of a job for that purpose.
    static QString StepTitle(Purpose purpose, JobStep step);
    static QString StepPurpose(Purpose purpose, JobStep step);

signals:
    // The progress window shows a step: its title and the line that says what it is for.
    void stepShown(const QString& title, const QString& purpose);
    // The worker has ended, the progress window is gone and the main window enabled again.
    void finished();

private:
    // On the job's thread; each is handed to the GUI thread.
    void Ask(CUnitJob& job, const JobQuestion& question) override;
    void OnStep(JobStep step, int blocksTotal) override;
    void OnSetupTypeStarted(JobStep step, int index, const std::string& title) override;
    void OnProgress(const JobProgress& progress) override;

    void AskRetry(CUnitJob* job, const QString& message);
    void OnCancelRequested();
    void StopAfterBlock();
    void Finish();

    Purpose m_purpose;
    CJobQuestions& m_questions;
    QString m_setupName;
    QString m_portName;
    QWidget* m_mainWindow;
    std::unique_ptr<CProgressWnd> m_progress;
    std::function<void()> m_cancel;
    std::thread m_worker;
    std::set<CUnitJob*> m_asking;  // the jobs that asked, whose questions go when the job ends
    QPointer<CUpDown> m_retry;
    QPointer<QMessageBox> m_stopQuestion;
    JobStep m_step = JobStep::Upload;
    bool m_stepShown = false;  // the step under way has been announced
    QString m_stepLine;
};
