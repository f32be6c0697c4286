// Splitting a command's arguments into options and positional arguments.
#include "cli/CCliArgs.h"

#include "cli/CCliError.h"

CCliArgs::CCliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
                   const std::set<std::string>& valued)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            m_positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        size_t equals = arg.find('=');
        std::string name = arg.substr(0, equals);
        if (flags.count(name) && equals == std::string::npos) {
            m_mapOptions[name].push_back("");
        } else if (valued.count(name)) {
            if (equals != std::string::npos)
                m_mapOptions[name].push_back(arg.substr(equals + 1));
            else if (i + 1 < args.size())
                m_mapOptions[name].push_back(args[++i]);
            else
                throw CCliError("option " + name + " needs a value");
        } else {
            throw CCliError("unknown option " + arg);
        }
    }
}

std::string CCliArgs::Value(const std::string& option) const
{
    auto it = m_mapOptions.find(option);
    return it == m_mapOptions.end() ? std::string() : it->second.back();
}

std::vector<std::string> CCliArgs::Values(const std::string& option) const
{
    auto it = m_mapOptions.find(option);
    return it == m_mapOptions.end() ? std::vector<std::string>() : it->second;
}

void CCliArgs::ExpectPositional(size_t n, const std::string& usage) const
{
    if (m_positional.size() != n)
        throw CCliError("usage: " + usage);
}
