// Common base of the four setup types: the error record and its message, the input-type
// records, the codecs between cell texts and the unit's encodings, and the common file record.
#pragma once

#include "model/INordaSetupType.h"
#include "model/InputType.h"

#include <cstdint>
#include <memory>
#include <string>

class IMessagePrompt;

class CNordaSetupType : public INordaSetupType {
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

protected:
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
};
