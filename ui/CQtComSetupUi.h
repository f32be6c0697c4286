// The COM setup's dialogs: the port choice, then the port's line settings. Choosing "Emulator"
// starts an emulated unit inside the program and uses its pseudo-terminal.
#pragma once

#include "link/IComSetupUi.h"

#include <QString>

#include <memory>

class CEmulatorServer;
class QWidget;

class CQtComSetupUi : public IComSetupUi {
public:
    explicit CQtComSetupUi(QWidget* parent = nullptr);
    ~CQtComSetupUi() override;
    CQtComSetupUi(const CQtComSetupUi&) = delete;
    CQtComSetupUi& operator=(const CQtComSetupUi&) = delete;

    bool ChoosePortName(std::string& name) override;
    bool EditLineSettings(const std::string& port, CLineSettings& settings) override;

    // The emulated unit, once chosen; null before.
    CEmulatorServer* GetEmulator() const { return m_pEmulator.get(); }

private:
    bool StartEmulator(QString& error);

    QWidget* m_pParent;
    std::unique_ptr<CEmulatorServer> m_pEmulator;
};
