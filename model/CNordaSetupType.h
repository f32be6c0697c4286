// Common base of the four setup types: the error record and its message, the input-type
// records, the codecs between cell texts and the unit's encodings, the common file record, and
// the block transfers with the shared progress counter.
#pragma once

#include "link/CQ4kProtocol.h"
#include "model/INordaSetupType.h"
#include "model/InputType.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

class CComSetupDialog;
class IMessagePrompt;

class CNordaSetupType : public INordaSetupType, public CQ4kProtocol {
public:
    CNordaSetupType();
    ~CNordaSetupType() override;

    int GetLastError() override { return static_cast<int>(m_nErrID); }
    void DoFileReadWrite(CArchive& ar, unsigned version) override;
    virtual void FileRead(CArchive& ar, unsigned version);
    virtual void FileWrite(CArchive& ar, unsigned version);
    // Reads a record's title and identity. They are dropped: the setup type keeps its own, which
    // name its tab and index the registry, whatever a damaged or foreign file holds there.
    static void ReadRecordHead(CArchive& ar);
    // Reads the cell records of one section; keepLabel drops the stored row label.
    void ReadSection(CArchive& ar, unsigned version, int section, bool keepLabel);

    void Error(int arg, unsigned id, int show);
    void GetError(int& arg, unsigned& id) const;

    void SetMessagePrompt(IMessagePrompt* prompt) { m_pPrompt = prompt; }
    IMessagePrompt* GetMessagePrompt() const { return m_pPrompt; }

    // Codecs between cell texts and device encodings; (section, cell) address this sheet.
    void Get3BytesParm(int section, uint8_t out[3], int cell);
    void Get3ByteInpParms(uint8_t* out, int section, const int cells[], int n);
    void Set3ByteParm(int section, const uint8_t in[3], int cell);
    void Set3ByteParms(const uint8_t* in, int section, const int cells[], int n);
    void GetLCDU(int section, int cell, uint8_t out[4]);
    void SetLCDU(int section, int cell, uint8_t in[4]);
    uint8_t GetInputType(int section, int cell);
    void SetInputType(int section, int cell, uint8_t code);

    static std::string GetFormatedString(uint16_t magnitude, int divider, int sign);
    static int GetDevider(const std::string& text);
    static int IsValidFloat(const std::string& text, float& value);
    static int IsValidInt(const std::string& text, int& value);

    // Moving the set-up to the unit (upload) and from it (download): 1 when every block went
    // through, 0 when one failed.
    virtual int UploadData(CComSetupDialog* com);
    virtual int DownloadData(CComSetupDialog* com);
    // Bytes a transfer in that direction (0 upload, 1 download) is expected to move; also
    // restarts the shared counter.
    virtual uint32_t GetTotalTransBytes(int direction);

    // The bytes moved by the running transfer, shared by all setup types.
    static void UpdateTransData(unsigned char n);
    static uint32_t ReadProgressData();
    static void ResetTransData();

    // Frames and blocks of the exchange under way.
    uint8_t m_ReqFrame[REQ_FRAME_LEN] = {};
    uint8_t m_WriteFrame[DATA_FRAME_LEN] = {};
    uint8_t m_ReadFrame[DATA_FRAME_LEN] = {};
    uint8_t m_TransBlock[BLOCK_LEN] = {};
    uint8_t m_VerifyBlock[BLOCK_LEN] = {};

protected:
    // Reads one block into m_TransBlock: request, wait, a 71-byte reply whose checksum holds.
    // Returns m_TransBlock, or null when the block failed.
    uint8_t* DoDownload(ND_Q4K_MSG kind, int block, CComSetupDialog* com);
    // Writes m_TransBlock, reads it back (kind - 4) and compares; 1 when the unit holds it.
    int DoUpload(ND_Q4K_MSG kind, int block, CComSetupDialog* com);

    // Shows a message through the prompt; without a prompt, OK questions are answered Cancel.
    int Prompt(const std::string& text, bool okCancel, bool exclamation);
    // Replaces the sheet by an empty one; the default sheet builders start from it.
    void ResetSheet();

    std::unique_ptr<INPUT_TYPE> m_pInpTypes[8];
    static int m_nInpTypes;
    int m_nErrArg = 0;
    unsigned m_nErrID = 0;

private:
    IMessagePrompt* m_pPrompt = nullptr;

    static uint32_t m_cbTrans;
    static std::mutex m_CritSec;
};
