// The arguments of one command: its positional arguments, its flags (--yes) and its options
// with a value (--sheet S, -o OUT, or --sheet=S). "--" ends the options. An option given twice
// keeps its last value; Values() has them all.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class CCliArgs {
public:
    // Throws CCliError for an option the command does not know or an option without its value.
    CCliArgs(const std::vector<std::string>& args, const std::set<std::string>& flags,
             const std::set<std::string>& valued);

    bool Has(const std::string& option) const { return m_mapOptions.count(option) != 0; }
    std::string Value(const std::string& option) const;
    // Every value given to the option, in order.
    std::vector<std::string> Values(const std::string& option) const;
    const std::vector<std::string>& Positional() const { return m_positional; }
    // Throws CCliError unless there are exactly n positional arguments.
    void ExpectPositional(size_t n, const std::string& usage) const;

private:
    std::map<std::string, std::vector<std::string>> m_mapOptions;
    std::vector<std::string> m_positional;
};
