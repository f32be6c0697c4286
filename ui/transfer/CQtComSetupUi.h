// The COM setup's dialogs: the port choice, then the port's line settings. Both open on what was
// chosen last, kept in the settings. Choosing "Emulator" starts an emulated unit inside the
// program and uses its pseudo-terminal.
#pragma once

#include "link/IComSetupUi.h"

#include <QCoreApplication>
#include <QString>

#include <memory>

class CEmulatorServer;
class QWidget;

class CQtComSetupUi : public IComSetupUi {
    Q_DECLARE_TR_FUNCTIONS(CQtComSetupUi)

public:
    explicit CQtComSetupUi(QWidget* parent = nullptr);
    ~CQtComSetupUi() override;
    CQtComSetupUi(const CQtComSetupUi&) = delete;
    CQtComSetupUi& operator=(const CQtComSetupUi&) = delete;

    // Opens on the port chosen last; name (the link's suggestion) only before any choice.
    bool ChoosePortName(std::string& name) override;
    // Opens on the line settings accepted last, else on the port's own.
    bool EditLineSettings(const std::string& port, CLineSettings& settings) override;

    // The emulated unit, once chosen; null before.
    CEmulatorServer* GetEmulator() const { return m_emulator.get(); }
    // The line settings accepted last; what was never stored stays as given.
    static void LoadLineSettings(CLineSettings& settings);

private:
    bool StartEmulator(QString& error);
    static void SaveLineSettings(const CLineSettings& settings);

    QWidget* m_parent;
    std::unique_ptr<CEmulatorServer> m_emulator;
};
