// The command line of the emulated unit program.
#pragma once

#include "model/Result.h"
#include "sim/CEmulatorServer.h"

#include <string>
#include <vector>

struct CSimOptions {
    std::string m_link;
    std::string m_load;
    std::string m_save;
    bool m_blank = false;
    bool m_help = false;
    bool m_version = false;
    unsigned m_baudRate = 0;
    int m_units = 1;
    int m_replyDelayMs = 0;
    std::vector<CEmulatorServer::Fault> m_faults;

    // Refused with the reason when an option is unknown or its value malformed.
    q4::Status Parse(const std::vector<std::string>& args);
    static const char* Usage();
    // The --link or --save path of unit n (from 1): the path itself for one unit, PATH-n for
    // several.
    std::string PathOf(const std::string& path, int n) const
    {
        return m_units == 1 ? path : path + "-" + std::to_string(n);
    }
};
