// The Alarms setup type: 48 alarm channels watching the physical and logical inputs, their
// validation against those inputs, their flag cells, 32-byte device blocks and file record.
#pragma once

#include "model/CNordaSetupType.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CPhysicalInput;
class CLogicalInput;

class CAlarm : public CNordaSetupType {
public:
    // Columns of a channel row.
    enum : int {
        COL_LABEL = 0,
        COL_INPREF = 1,
        COL_DYNREF = 2,
        COL_SIGN = 3,
        COL_SETPOINT = 4,
        COL_TEXT = 5,
        COL_DELAY = 6,
        COL_LED = 7,
        COL_OUTPUT = 8,
        COL_FLAGS = 9,
        COL_INPTP = 10,  // first of the seven parameter copies of the referenced input
        COL_MISC = 16,
        ALARM_COLS = 17,
        ALARM_CHANNELS = 48,
        ALARM_FLAGS = 3,  // "Block", "Control", "Hysteresis"
        ALARM_BLOCK_SIZE = 32,
    };

    CAlarm();
    ~CAlarm() override;

    int ValidateData(int row, int col, const std::string& text) override;
    void SetParm(int row, int col, const std::string& text) override;
    int GetPopupProperties(int row, int col, PropList& props) override;
    // The Flags cell: the names of the flags that are on ("Block", "Control").
    std::vector<std::string> GetSettingsOn(int row, int col) const override;
    void UpdateProperties(int row, int col, PropList& props) override;
    void Initialize() override;
    void DoFileReadWrite(CArchive& ar, unsigned version) override;
    void ResetChannel(int row) override;
    int GetNumChannels() override { return ALARM_CHANNELS + 1; }
    void CreateDefDataSheet() override;
    void OnUpdateModify(int sourceType, int index, int col, const std::string& text) override;
    std::string GetInputHint(int row, int col) const override;
    NumberKind GetNumberKind(int row, int col) const override;
    // The settings of an alarm whose InpRef is "OFF" are inactive until InpRef is set.
    CellAccess GetCellAccess(int row, int col) const override;
    CellHolding GetHolding(int row, int col, const std::string& text) const override;
    // One block per channel, A11 first.
    int GetNumBlocks() const override { return ALARM_CHANNELS; }
    void FillBlock(int block, uint8_t* data) override { GetAlarmDataBlock(block, data); }
    void TakeBlockApart(int block, const uint8_t* data) override { SetAlarmData(block, data); }
    std::vector<HeldValue> DescribeBlock(int block, const uint8_t* data) const override;
    // A delay beyond 0.3 s to 255 hours, a set point beyond its input's display range.
    std::string RefusalOfHeld(int row, int col) const override;
    // What the unit holds for a flag cell's text: only "ON" sets its bit.
    static CellHolding HoldFlag(const std::string& text);
    void CopyFrom(const CNordaSetupType& other) override;

    // 1 when the row is a channel whose input reference is not "OFF".
    int IsChannelActive(int row);
    // The validation worker. asHeld: a value taken apart from the unit's block, which stays as
    // the unit holds it (a set point outside its input's range is kept, a dynamic reference
    // chooses no sign); what the rules refuse of it is only recorded.
    int DoValidateData(int row, int col, const std::string& text, bool asHeld);
    // The limits of the input the row refers to, as their texts; false when it refers to none.
    bool GetInputRange(int row, std::string& loText, std::string& hiText) const;
    // Selects text in the cell when the channel is active and the text is one of its items.
    int VerifyValid(int row, int col, const std::string& text);

    // Flag cell i (0 "Block", 1 "Control", 2 "Hysteresis") of channel 0..47, or null.
    CNdChnData* GetFlagCell(int channel, int i) const;
    int IsBlockWarned() const { return m_bBlockWarned; }

    // Device block of channel k (0..47, row k + 1): packing, and unpacking with re-validation.
    void GetAlarmDataBlock(int k, uint8_t* block);
    void SetAlarmData(int k, const uint8_t* block);

private:
    using CFlagArray = std::vector<std::unique_ptr<CNdChnData>>;

    std::unique_ptr<CNdChnData> CreateDefaultChn(int row, int col) const;
    // Every channel's flag cells "OFF", in the cells there are.
    void ResetFlagCells();
    CPhysicalInput* GetPhysical() const;
    CLogicalInput* GetLogical() const;
    // The General "Block" setting, or an empty text when there is no General sheet.
    std::string GetGeneralBlock() const;
    // Selects text in the cell only when it is one of the cell's items.
    int SelectItem(int row, int col, const std::string& text);
    int HasItem(int row, int col, const std::string& text) const;
    // The initials of the flag cells that are "ON", or "..." when none is.
    std::string FlagSummary(int channel) const;

    int ValidateInpRef(int row, const std::string& typed, bool asHeld);
    int ValidateDynRef(int row, const std::string& text, bool asHeld);
    int ValidateSign(int row, const std::string& text);
    int ValidateDelay(int row, const std::string& text);
    int CheckSetPoint(int row, int col, const std::string& text, bool asHeld);
    int VerifyDynRef(int row, const std::string& text, bool asHeld = false);
    int UpdateInpParms(int row, int physRow);
    int UpdateLogInpParms(int row, int logRow);
    void OnPhysicalModify(int index);
    void OnLogicalModify(int index);
    void OnGeneralBlockModify();

    uint8_t GetInputReference(int row) const;
    void SetInputReference(int row, uint8_t code);
    void GetSetPoint(int row, uint8_t out[3]);
    void SetSetPoint(int row, const uint8_t in[3]);
    void GetTimeFactAndValue(int row, int& count, uint8_t& factor) const;
    static void EncodeDelay(const std::string& text, int& count, uint8_t& factor);
    void SetDelay(int row, const uint8_t in[2]);
    // A delay's text as a download shows it: the unit's own spelling up to a second, the exact
    // value above.
    static std::string DelayText(int count, int factor);
    uint8_t GetFlags(int row) const;
    void SetFlags(int channel, uint8_t flags);
    void GetAlarmText(int row, uint8_t out[10]) const;
    void SetAlarmText(int row, const uint8_t in[10]);

    void ReadFlagCells(CArchive& ar, unsigned version);
    void ShortenLogicalNames();

    std::array<std::unique_ptr<CFlagArray>, ALARM_CHANNELS> m_FlagProps;
    int m_bBlockWarned = 0;
};
