// Reading the unit and comparing it with a document through the blocks an upload would write.
#include "cli/CVerifyCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliJobUi.h"
#include "cli/CCliPlantLog.h"
#include "cli/CCliPort.h"
#include "cli/CCliSession.h"
#include "cli/CDiffCommand.h"
#include "codec/SetupText.h"
#include "compare/CUnitVerification.h"
#include "job/CUnitJob.h"
#include "model/HexText.h"

#include <iostream>

CVerifyCommand::CVerifyCommand()
    : m_usage(std::string("verify FILE ") + CCliPort::USAGE + " " + CCliPlantLog::USAGE)
{
}

const char* CVerifyCommand::GetHelp() const
{
    return "Reads the set-up from the unit on PORT (port, line settings, progress, retries and\n"
           "--fixed-wait as for upload) and tells whether the unit holds the set-up of FILE: what\n"
           "an upload of FILE would leave in the unit, the unit's own constants kept, so numbers\n"
           "the unit stores in its own way (\" 0\" for \"0\") are no difference. The cells that\n"
           "differ are printed as diff prints them, FILE's text first; a difference no cell\n"
           "shows as \"SHEET block N: FILE-HEX -> UNIT-HEX\".\n"
           "--plant PLANT --tag TAG: the verify is recorded in the plant's log as the unit TAG's.\n"
           "Exit status 0 when the unit holds FILE's set-up, 1 when not or when its record could\n"
           "not be written to the plant's log, 2 on a usage or file error or a failed download,\n"
           "130 after Ctrl+C, 143 after SIGTERM.";
}

int CVerifyCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    std::set<std::string> options = CCliPort::OptionNames();
    options.merge(CCliPlantLog::OptionNames());
    CCliArgs parsed(args, {}, options);
    parsed.ExpectPositional(1, m_usage);
    const std::string path = parsed.Positional()[0];
    JobSettings settings;
    CliAnswers answers;
    settings.port = CCliPort::ParseWithPort(parsed, answers.retries, m_usage);
    const CCliPlantLog plant(parsed);
    CUnitJob job(JobAction::Verify, settings);
    if (q4::Status loaded = job.LoadSetup(path); !loaded)
        throw CCliError(loaded.Reason());
    std::unique_ptr<CPlantRecorder> recorder = plant.Recorder();
    job.SetRecorder(recorder.get());
    CCliJobUi ui(std::cerr, answers, path);
    ui.Run(job);
    const int end = Tell(job, ui, out);
    if (!job.GetResult().recordError.empty()) {
        std::cerr << "q4150cli: " << job.GetResult().recordError << " (the action is not in the plant log)\n";
        return end == 0 ? 1 : end;
    }
    return end;
}

int CVerifyCommand::Tell(CUnitJob& job, const CCliJobUi& ui, std::ostream& out)
{
    const JobResult& result = job.GetResult();
    if (result.outcome == JobOutcome::Stopped && ui.GetStopSignal()) {
        std::cerr << "q4150cli: " << ui.StopText() << '\n';
        return 128 + ui.GetStopSignal();
    }
    if (result.outcome == JobOutcome::Ok) {
        std::cerr << "The unit holds this set-up.\n";
        return 0;
    }
    if (result.outcome != JobOutcome::Differs) {
        std::cerr << "q4150cli: " << result.reason << '\n';
        return 2;
    }
    const std::vector<CellDifference>& cells = result.cells;
    CDiffCommand::Print(cells, out);
    CUnitVerification verification(job.GetSetup(), job.GetBlocksRead());
    if (cells.empty()) {
        for (const auto& [sheet, index] : verification.GetBlocksDiffering()) {
            const int block = index;  // a structured binding is not captured by a lambda before C++20's fix in clang 16
            const auto& want = verification.GetExpected().GetBlocks(sheet);
            const auto& have = job.GetBlocksRead().GetBlocks(sheet);
            auto hex = [block](const std::vector<CUnitImage::Block>& side) {
                return static_cast<size_t>(block) < side.size() ? q4::ToHex(side[block].data(), side[block].size()) : "-";
            };
            out << q4::SheetName(sheet) << " block " << block << ": " << hex(want) << " -> " << hex(have)
                << '\n';
        }
    }
    std::cerr << "The unit differs from this set-up in "
              << (cells.empty() ? std::to_string(verification.GetBlocksDiffering().size()) + " block(s)"
                                : std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells"))
              << ".\n";
    return 1;
}
