// The command line of the emulated unit program.
#pragma once

#include "sim/CEmulatorServer.h"

#include <string>
#include <vector>

struct CSimOptions {
    std::string m_strLink;
    std::string m_strLoad;
    std::string m_strSave;
    bool m_bBlank = false;
    bool m_bHelp = false;
    bool m_bVersion = false;
    unsigned m_nBaudRate = 0;
    int m_nReplyDelayMs = 0;
    std::vector<CEmulatorServer::Fault> m_Faults;

    // False with a reason in error when an option is unknown or its value malformed.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static const char* Usage();
};
