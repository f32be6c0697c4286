// The port options of the commands that reach a unit (--port, --baud, --retries, --fixed-wait),
// read into the settings of a job.
#pragma once

#include "job/JobTypes.h"

#include <set>
#include <string>

class CCliArgs;

class CCliPort {
public:
    // The options of the port, for the commands that take them besides their own.
    static std::set<std::string> OptionNames() { return {"--port", "--retries", "--baud", "--fixed-wait"}; }
    static constexpr const char* USAGE = "--port PORT [--retries N] [--baud N] [--fixed-wait MS]";

    // --baud, --fixed-wait and --retries as given, the port left empty; throws CCliError for a
    // value out of range.
    static UnitPortSettings ParseSettings(const CCliArgs& args, int& retries);
    // The same with --port, which must be given; usage is the command's, for the error.
    static UnitPortSettings ParseWithPort(const CCliArgs& args, int& retries, const std::string& usage);
};
