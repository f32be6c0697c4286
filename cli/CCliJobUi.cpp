// The command line's answers to a job's questions and its progress lines.
#include "cli/CCliJobUi.h"

#include "cli/CCheckCommand.h"
#include "cli/CCliPrompt.h"
#include "cli/CDiffCommand.h"
#include "cli/CSignalWatch.h"
#include "job/CUnitJob.h"
#include "model/Cp1252.h"
#include "transfer/CTransfer.h"

#include <csignal>
#include <ostream>
#include <sstream>

CCliJobUi::CCliJobUi(std::ostream& err, CliAnswers answers, std::string path)
    : m_err(err), m_answers(answers), m_path(std::move(path))
{
}

void CCliJobUi::Run(CUnitJob& job)
{
    job.SetAnswerer(this);
    job.SetWatcher(this);
    Run([&job] { job.Run(); }, [&job] { job.Cancel(); });
}

void CCliJobUi::Run(const std::function<void()>& run, const std::function<void()>& cancel)
{
    CSignalWatch watch(cancel);
    run();
    m_signal = watch.GetSignal();
}

std::string CCliJobUi::StopText() const
{
    return std::string("stopped by ") + (m_signal == SIGTERM ? "SIGTERM" : "SIGINT");
}

void CCliJobUi::SetUnit(std::string tag, std::mutex* lock)
{
    m_tag = std::move(tag);
    m_lock = lock;
}

void CCliJobUi::Say(const std::string& text)
{
    std::string said;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!m_tag.empty())
            line = line.rfind("q4150cli: ", 0) == 0 ? "q4150cli: " + m_tag + ": " + line.substr(10) : m_tag + " " + line;
        said += line + '\n';
    }
    std::unique_lock<std::mutex> lock;
    if (m_lock)
        lock = std::unique_lock<std::mutex>(*m_lock);
    m_err << said << std::flush;
}

void CCliJobUi::Ask(CUnitJob& job, const JobQuestion& question)
{
    std::ostringstream text;
    bool yes = false;
    switch (question.kind) {
    case JobQuestion::Kind::Findings:
        if (!question.cells.empty()) {
            text << "q4150cli: the unit cannot hold " << question.cells.size()
                 << (question.cells.size() == 1 ? " cell" : " cells") << " of " << m_path << " as written; it will hold:\n";
            CDiffCommand::Print(question.cells, text);
        }
        if (!question.findings.empty()) {
            text << "q4150cli: the checks find in " << m_path << ": " << CountText(CountFindings(question.findings)) << '\n';
            for (const Finding& finding : question.findings)
                text << CCheckCommand::Line(finding) << '\n';
        }
        if (m_answers.strict)
            text << "q4150cli: --strict: nothing was written to the unit\n";
        yes = !m_answers.strict;
        break;
    case JobQuestion::Kind::OtherDevice:
        if (!m_answers.force)
            text << "q4150cli: the unit is device " << question.unitDevice << ", " << m_path << " is for device "
                 << question.setupDevice << "; --force uploads anyway\n";
        yes = m_answers.force;
        break;
    case JobQuestion::Kind::NotShown: {
        const size_t n = question.cells.size();
        text << "q4150cli: " << m_path << " does not show " << n << (n == 1 ? " value" : " values")
             << " of the unit as the sheets take " << (n == 1 ? "it" : "them") << " (the unit's value first, then "
             << m_path << "'s):\n";
        CDiffCommand::Print(question.cells, text);
        if (m_answers.strict)
            text << "q4150cli: --strict: " << m_path << " was not written\n";
        yes = !m_answers.strict;
        break;
    }
    case JobQuestion::Kind::Retry:
        yes = m_answers.retries > 0;
        if (yes)
            --m_answers.retries;
        text << CCliPrompt::OneLine(question.message) << " -> " << (yes ? "Retry" : "Cancel") << '\n';
        break;
    }
    Say(text.str());
    job.Answer(yes);
}

void CCliJobUi::OnSetupTypeStarted(JobStep step, int, const std::string& title)
{
    const TransferDirection direction = step == JobStep::Upload ? TransferDirection::Upload : TransferDirection::Download;
    Say(q4::Cp1252ToUtf8(CTransfer::ProgressText(direction, title)) + '\n');
}

void CCliJobUi::OnBackupKept(const std::string& path)
{
    Say("The unit's set-up is backed up in " + path + ".\n");
}
