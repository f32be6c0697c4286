// Reading which unit is on the line and naming it among the plant's units.
#include "cli/CIdentifyCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliError.h"
#include "cli/CCliJobUi.h"
#include "cli/CCliPort.h"
#include "plant/CPlant.h"
#include "plant/CUnitIdentifier.h"

#include <csignal>
#include <iostream>
#include <memory>

CIdentifyCommand::CIdentifyCommand() : m_usage(std::string("identify ") + CCliPort::USAGE + " [--plant PLANT]") {}

const char* CIdentifyCommand::GetHelp() const
{
    return "Reads the General blocks of the unit on PORT (under a second at 9600 baud) and prints\n"
           "its device number. With --plant, names the plant's unit of that number (\"AN-101:\n"
           "device 3\"); where several units share the number, or none has it, reads the whole\n"
           "unit and names the closest by the number of cells that differ (\"closest: AN-103, 4\n"
           "cells differ\"). The identification goes to the plant's log. Port options as for\n"
           "upload.\n"
           "Exit status 0 when the unit is named, 1 when no unit of the plant has its number or\n"
           "several are equally close or the plant's log cannot be written, 2 on a usage error or\n"
           "when the unit cannot be read, 130 after Ctrl+C, 143 after SIGTERM.";
}

int CIdentifyCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    std::set<std::string> options = CCliPort::OptionNames();
    options.insert("--plant");
    CCliArgs parsed(args, {}, options);
    parsed.ExpectPositional(0, m_usage);
    std::unique_ptr<CPlant> plant;
    std::unique_ptr<CPlantSurvey> survey;
    if (parsed.Has("--plant")) {
        plant = std::make_unique<CPlant>();
        if (q4::Status loaded = plant->Load(parsed.Value("--plant")); !loaded)
            throw CCliError(loaded.Reason());
        survey = std::make_unique<CPlantSurvey>(*plant);
        for (const std::string& warning : survey->Warnings())
            std::cerr << "q4150cli: " << warning << '\n';
    }
    JobSettings settings;
    CliAnswers answers;
    settings.port = CCliPort::ParseWithPort(parsed, answers.retries, m_usage);
    CIdentifyJob job(survey.get(), settings);
    CCliJobUi ui(std::cerr, answers, {});
    job.SetAnswerer(&ui);
    job.SetWatcher(&ui);
    ui.Run([&job] { job.Run(); }, [&job] { job.Cancel(); });
    const Identification& found = job.GetResult();
    const int signal = ui.GetStopSignal();
    bool logged = true;
    if (plant) {
        const PlantLogRecord record = CUnitIdentifier(survey.get()).Record(found, settings.port.port);
        q4::Status appended = CPlantLog(plant->GetLogPath()).Append(record);
        logged = appended.Ok();
        if (!logged)
            std::cerr << "q4150cli: " << appended.Reason() << " (not in the plant log)\n";
    }
    const std::string device = "device " + std::to_string(found.device);
    const std::string closest = CUnitIdentifier::ClosestText(found);
    switch (found.result) {
    case PlantResult::Named:
        if (found.tags.empty())
            out << device << '\n';
        else
            out << found.tags.front() << ": " << device << (closest.empty() ? "" : "; " + closest) << '\n';
        return logged ? 0 : 1;
    case PlantResult::NotFound:
        out << device << ": no unit of " << parsed.Value("--plant") << " has this number"
            << (closest.empty() ? "" : "; " + closest) << '\n';
        return 1;
    case PlantResult::Ambiguous:
        out << device << ": several units of " << parsed.Value("--plant") << " have this number; " << closest << '\n';
        return 1;
    default:
        break;
    }
    if (signal) {
        std::cerr << "q4150cli: stopped by " << (signal == SIGTERM ? "SIGTERM" : "SIGINT") << '\n';
        return 128 + signal;
    }
    std::cerr << "q4150cli: " << found.reason << '\n';
    return 2;
}
