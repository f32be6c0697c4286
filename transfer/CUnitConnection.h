// The connection to the unit that transfers use: the COM link, set up through its dialogs or
// directly by name, and woken with three blanks once it is set up. A transfer needs it ready.
#pragma once

#include "link/CSerialLink.h"

#include <string>

class IComSetupUi;
class IMessagePrompt;

class CUnitConnection {
public:
    explicit CUnitConnection(IMessagePrompt* prompt, IComSetupUi* ui = nullptr);

    // The COM setup's dialogs; true when the link is ready.
    bool CommSetup();
    // The same without dialogs: opens and configures the named port.
    bool CommSetupDirect(const std::string& port, const CLineSettings& settings);
    // Runs the COM setup when the link is not ready yet.
    bool EnsureReady() { return m_commReady || CommSetup(); }
    bool IsCommReady() const { return m_commReady; }

    CSerialLink& GetLink() { return m_link; }
    void SetUi(IComSetupUi* ui) { m_link.SetUi(ui); }

private:
    bool Wake(bool linkReady);

    CSerialLink m_link;
    bool m_commReady = false;
};
