// The unit: owns the four setup types in their fixed order, registers them, returns them to
// defaults and reads and writes them as one document; owns the COM link and runs transfers on
// a worker thread.
#pragma once

#include "link/CComSetupDialog.h"
#include "model/INordaAlarm.h"
#include "model/CNordaSetupType.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

class IComSetupUi;
class IMessagePrompt;
class ITransferQuestion;

class CQ4kUnit : public INordaAlarm {
public:
    explicit CQ4kUnit(IMessagePrompt& prompt);
    ~CQ4kUnit() override;
    CQ4kUnit(const CQ4kUnit&) = delete;
    CQ4kUnit& operator=(const CQ4kUnit&) = delete;

    int Initialize() override;
    int GetNumTypeSetup(SETUP_TYPE types[], std::string labels[], unsigned& count) override;
    int GetNdSetups(INordaSetupType* setups[], int* count) override;
    int GetDataSheet(SETUP_TYPE type, std::unique_ptr<CDataSheet>& sheet) override;
    int Serialize(CArchive& ar) override;

    std::string GetTitle(int index) const;
    // The setup type in slot index (0 to 3), or null.
    CNordaSetupType* GetSetupType(int index) const;

    static constexpr unsigned FILE_VERSION = 3;

    // ---- transfers ----
    // Who is asked during a COM setup and after a failed transfer.
    void SetTransferUi(IComSetupUi* comUi, ITransferQuestion* question);
    // Runs the COM setup and wakes the unit with three blanks; 1 when the link is ready.
    int CommSetup();
    // The same without dialogs, for scripts: opens and configures the named port.
    int CommSetupDirect(const std::string& port, const CLineSettings& settings);
    // Start a transfer on the worker (running the COM setup first if the link is not ready);
    // 1 when the worker started. A download purges the port first.
    int UploadData();
    int DownloadData();
    // Expected bytes of the transfer in that direction; restarts the counter.
    uint32_t GetTotalTransBytes(int direction);
    uint32_t GetCurSendedNumBytes() const;
    int IsTransEnd() const { return m_bTransEnd; }
    // Title of the setup type in transfer, or an empty text.
    std::string GetTransTitle() const;
    // Blocks until the worker of the last transfer has ended.
    void WaitTransEnd();
    CComSetupDialog* GetComLink() const { return m_pComDlg.get(); }
    int IsCommReady() const { return m_bCommReady; }

private:
    int StartTransfer(int direction);
    void TransThread();

    std::unique_ptr<CNordaSetupType> m_pSetupTypes[4];

    std::unique_ptr<CComSetupDialog> m_pComDlg;
    ITransferQuestion* m_pQuestion = nullptr;
    int m_nTransDir = 0;
    std::atomic<int> m_bTransEnd{1};
    int m_bCommReady = 0;
    std::thread m_pTransThread;
};
