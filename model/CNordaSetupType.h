// Common base of the four setup types: the error record and its message, the input-type
// records, the codecs between cell texts and the unit's encodings, the common file record, and
// the setup type's share of a transfer: its device blocks, filled and taken apart.
#pragma once

#include "model/INordaSetupType.h"
#include "model/InputType.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class IMessagePrompt;

// What the unit holds for the text of a cell.
struct CellHolding {
    std::string held;   // the text a download gives back for it (a delay: its exact value)
    bool exact = true;  // the unit holds the text's own value: at most the spelling differs
};

// One value of a device block in words, with the cell that shows it: "IN 11", "2.5", "code 89"
// for a code the program does not know. The bytes and bits the program leaves unused are one
// value of the row's label cell (column 0): their hex, empty while all are zero.
struct HeldValue {
    int row = 0;
    int col = 0;        // the grid's column, or the flag's number for a flag cell
    bool flag = false;  // one of an alarm channel's flag cells
    std::string text;   // Windows-1252
};

class CNordaSetupType : public INordaSetupType {
public:
    CNordaSetupType();
    ~CNordaSetupType() override;

    int GetLastError() override { return static_cast<int>(m_nErrID); }
    void ClearLastError() override { m_nErrID = 0; }
    void DoFileReadWrite(CArchive& ar, unsigned version) override;
    virtual void FileRead(CArchive& ar, unsigned version);
    virtual void FileWrite(CArchive& ar, unsigned version);
    // Reads a record's title and identity. They are dropped: the setup type keeps its own, which
    // name its tab and index the registry, whatever a damaged or foreign file holds there.
    static void ReadRecordHead(CArchive& ar);
    // Reads the cell records of one section; keepLabel drops the stored row label.
    void ReadSection(CArchive& ar, unsigned version, int section, bool keepLabel);

    void Error(int arg, unsigned id, int show) override;
    void GetError(int& arg, unsigned& id) const;

    void SetMessagePrompt(IMessagePrompt* prompt) { m_pPrompt = prompt; }
    IMessagePrompt* GetMessagePrompt() const { return m_pPrompt; }

    // Codecs between cell texts and device encodings; (section, cell) address this sheet.
    void Get3BytesParm(int section, uint8_t out[3], int cell);
    void Get3ByteInpParms(uint8_t* out, int section, const int cells[], int n);
    void Set3ByteParm(int section, const uint8_t in[3], int cell);
    void Set3ByteParms(const uint8_t* in, int section, const int cells[], int n);
    void GetLCDU(int section, int cell, uint8_t out[4]);
    void SetLCDU(int section, int cell, const uint8_t in[4]);
    uint8_t GetInputType(int section, int cell);
    void SetInputType(int section, int cell, uint8_t code);

    // The same codecs on a text instead of a cell.
    static void EncodeParm(const std::string& text, uint8_t out[3]);
    static std::string DecodeParm(const uint8_t in[3]);
    static void EncodeLCDU(const std::string& text, uint8_t out[4]);
    static std::string DecodeLCDU(const uint8_t in[4]);

    // What the unit will hold for text in the cell: its value written as a download writes
    // it, and whether that is the text's own value (a text that is no number, more decimals
    // than the unit keeps, a value it clips or a character its LCD shows otherwise is not).
    // A cell the unit does not hold holds its text as it is.
    virtual CellHolding GetHolding(int section, int cell, const std::string& text) const;

    // "code 89": a held value that names nothing the program knows.
    static std::string CodeText(unsigned long code);
    static bool IsCodeText(const std::string& text) { return text.rfind("code ", 0) == 0; }

    static std::string GetFormatedString(uint16_t magnitude, int divider, int sign);
    static int GetDevider(const std::string& text);
    static int IsValidFloat(const std::string& text, float& value);
    static int IsValidInt(const std::string& text, int& value);

    // ---- the setup type's device blocks, moved by a transfer in ascending order ----
    static constexpr int BLOCK_LEN = 32;
    virtual int GetNumBlocks() const { return 0; }
    // True when a block holds more than this setup type keeps: an upload then reads the unit's
    // block first and FillBlock merges into it. Otherwise FillBlock starts from zeros.
    virtual bool ReadsBlockBeforeWrite() const { return false; }
    virtual void FillBlock(int, uint8_t*) {}
    // A download hands over every block read, then, once all have come, calls AllBlocksTaken.
    // Taking a block apart moves no value: what the sheets cannot show stays as near as they
    // allow, and DescribeBlock tells what the unit held.
    virtual void TakeBlockApart(int, const uint8_t*) {}
    virtual void AllBlocksTaken() {}
    // The values block holds, in one fixed order for every block of this setup type, so that
    // two blocks hold the same values exactly when their lists are equal: the same bytes, or
    // the same value written another way (a delay of 5 s as 5 x 1 s or as 50 x 0.1 s).
    virtual std::vector<HeldValue> DescribeBlock(int, const uint8_t*) const { return {}; }
    // Why the sheets would refuse the text the cell holds if it were typed (a number beyond
    // its range), or an empty text. A download keeps such a value as the unit holds it.
    virtual std::string RefusalOfHeld(int, int) const { return {}; }
    // Bytes a transfer in that direction (0 upload, 1 download) is expected to move.
    virtual uint32_t GetTotalTransBytes(int direction) const;

    // Makes this setup type's set-up a copy of the other's (which is of the same kind); the
    // registry, the prompt and the error record stay this setup type's own.
    virtual void CopyFrom(const CNordaSetupType& other);

protected:
    // Holdings of the common encodings: a 3-byte parameter, an LCD unit text, an input type.
    static CellHolding HoldParm(const std::string& text);
    static CellHolding HoldLCDU(const std::string& text);
    CellHolding HoldInputType(const std::string& text) const;
    // The same encodings described as held values: an input type code ("code 89" when the
    // program knows none of that code), the 4 bytes of an LCD unit text (as a download shows
    // them where that gives the bytes back, else each byte as it stands), a 3-byte parameter.
    std::string DescribeInputType(uint8_t code) const;
    static std::string DescribeLCDU(const uint8_t in[4]);
    static std::string DescribeParm(const uint8_t in[3]);
    // The bytes as hex digits, or an empty text when all are zero.
    static std::string UnusedText(const std::vector<uint8_t>& bytes);
    // A number the unit gives back as held: exact when text is a number of the same value.
    static CellHolding HoldNumber(const std::string& text, std::string held);

    // Shows a message through the prompt; without a prompt, OK questions are answered Cancel.
    int Prompt(const std::string& text, bool okCancel, bool exclamation);
    // Replaces the sheet by an empty one; the default sheet builders start from it.
    void ResetSheet();
    // Returns the sheet to what CreateDefDataSheet builds. From the second time on the
    // defaults are kept and copied into the cells there are: a unit reset for every file
    // opened or every download spares building its thousands of cells anew each time.
    void ResetToDefaultSheet();

    std::unique_ptr<INPUT_TYPE> m_pInpTypes[8];
    static constexpr int m_nInpTypes = 4;
    int m_nErrArg = 0;
    unsigned m_nErrID = 0;

private:
    IMessagePrompt* m_pPrompt = nullptr;
    std::unique_ptr<CDataSheet> m_pDefaultSheet;
    bool m_bReset = false;  // the sheet was returned to its defaults before
};
