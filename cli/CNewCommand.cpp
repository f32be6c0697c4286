// Writing a default document.
#include "cli/CNewCommand.h"

#include "cli/CCliArgs.h"
#include "cli/CCliSession.h"

#include <iostream>

int CNewCommand::Run(const std::vector<std::string>& args, std::istream&, std::ostream&)
{
    CCliArgs parsed(args, {}, {});
    parsed.ExpectPositional(1, GetUsage());
    CCliSession session(std::cerr, false);
    session.Reset();
    session.Save(parsed.Positional()[0]);
    return 0;
}
