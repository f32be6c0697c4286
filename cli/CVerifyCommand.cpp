// Reading the unit and comparing it with a document through the blocks an upload would write.
#include "cli/CVerifyCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliPlantLog.h"
#include "cli/CCliPort.h"
#include "cli/CCliSession.h"
#include "cli/CDiffCommand.h"
#include "compare/CUnitVerification.h"
#include "model/HexText.h"

#include <iostream>

CVerifyCommand::CVerifyCommand()
    : m_strUsage(std::string("verify FILE ") + CCliPort::USAGE + " " + CCliPlantLog::USAGE)
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
           "Exit status 0 when the unit holds FILE's set-up, 1 when not (or when the plant's log\n"
           "cannot be written), 2 on a usage or file error or a failed download.";
}

int CVerifyCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    std::set<std::string> options = CCliPort::OptionNames();
    options.merge(CCliPlantLog::OptionNames());
    CCliArgs parsed(args, {}, options);
    parsed.ExpectPositional(1, m_strUsage);
    CCliPort port(parsed, m_strUsage);
    const CCliPlantLog plant(parsed);
    auto log = [&](PlantResult end, const std::string& reason, std::vector<CellDifference> cells = {}) {
        if (!plant.IsOn())
            return;
        PlantLogRecord record = plant.Record(PlantAction::Verify, parsed.Positional()[0], port.GetPort());
        record.result = end;
        record.reason = reason;
        record.cells = std::move(cells);
        plant.Append(std::move(record), std::cerr);
    };
    CCliSession document(port.Messages(), false);
    document.Load(parsed.Positional()[0]);
    CCliSession held(port.Messages(), false);
    held.Reset();
    port.FlushMessages(std::cerr);
    if (!port.Open(std::cerr)) {
        log(PlantResult::Failed, port.GetOpenError());
        return 2;
    }
    CUnitImage blocks;
    TransferResult result = port.Run(held.GetUnit(), TransferDirection::Download, std::cerr, &blocks);
    if (result.end != TransferEnd::Completed) {
        const std::string failed = port.GetStopSignal() ? port.StopText() : CCliPort::FailureText("download", result);
        std::cerr << "q4150cli: " << failed << '\n';
        log(port.GetStopSignal() ? PlantResult::Stopped : PlantResult::Failed, failed);
        return port.GetStopSignal() ? 128 + port.GetStopSignal() : 2;
    }

    CUnitVerification verification(document.GetUnit(), blocks);
    if (verification.UnitHoldsSetup()) {
        log(PlantResult::Ok, {});
        std::cerr << "The unit holds this set-up.\n";
        return plant.Failed() ? 1 : 0;
    }
    const auto& cells = verification.GetDifferences();
    log(PlantResult::Differs,
        cells.empty() ? std::to_string(verification.GetBlocksDiffering().size()) + " blocks differ" : std::string(),
        cells);
    CDiffCommand::Print(cells, out);
    if (cells.empty()) {
        for (const auto& [sheet, index] : verification.GetBlocksDiffering()) {
            const int block = index;  // a structured binding is not captured by a lambda before C++20's fix in clang 16
            const auto& want = verification.GetExpected().GetBlocks(sheet);
            const auto& have = blocks.GetBlocks(sheet);
            auto hex = [block](const std::vector<CUnitImage::Block>& side) {
                return static_cast<size_t>(block) < side.size() ? q4::ToHex(side[block].data(), side[block].size()) : "-";
            };
            out << CCliSession::GetSheetName(sheet) << " block " << block << ": " << hex(want) << " -> " << hex(have)
                << '\n';
        }
    }
    std::cerr << "The unit differs from this set-up in "
              << (cells.empty() ? std::to_string(verification.GetBlocksDiffering().size()) + " block(s)"
                                : std::to_string(cells.size()) + (cells.size() == 1 ? " cell" : " cells"))
              << ".\n";
    return 1;
}
