// The questions of the jobs that run in the desktop program (the document's transfers and the
// plant's), asked one at a time on the GUI thread through the message prompt, No being the
// answer Enter gives; the cells of an upload's question are marked in the grids while it is open.
#pragma once

#include "compare/CellDifference.h"
#include "job/IJobAnswerer.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <deque>
#include <vector>

class CUnitJob;
class IMessagePrompt;

class CJobQuestions : public QObject {
    Q_OBJECT

public:
    // The prompt outlives this object.
    explicit CJobQuestions(IMessagePrompt& prompt, QObject* parent = nullptr);

    // On the GUI thread: asks now, or after the questions before it; the answer goes to the job.
    // setupName names the set-up ("plant1.q4g"); unit, when given, the plant's unit ("AN-101").
    void Ask(CUnitJob* job, JobQuestion question, QString setupName, QString unit = QString(), bool markCells = true);
    // A message with OK alone, told when the questions before it have been answered.
    void Tell(const QString& text);
    // The job is going: its questions are dropped, and an open one's answer goes nowhere.
    void Forget(CUnitJob* job);
    bool IsAsking() const { return m_busy; }

    // "The unit cannot hold 2 cells as this set-up shows them ...", then what the checks find,
    // and "Upload anyway?"
    static QString FindingsQuestion(const JobQuestion& question);
    static QString DeviceQuestion(const JobQuestion& question, const QString& setupName, const QString& unit);

signals:
    // Cells to mark in the grids while the question about them is open; empty once it closed.
    void cellsMarked(const std::vector<CellDifference>& cells);

private:
    struct Pending {
        CUnitJob* job;  // null: a message to tell
        JobQuestion question;
        QString setupName;
        QString unit;
        bool markCells;
    };
    void AskNext();

    IMessagePrompt& m_prompt;
    std::deque<Pending> m_pending;
    CUnitJob* m_asking = nullptr;  // whose question is open; null once that job is forgotten
    bool m_busy = false;           // a question is open
};
