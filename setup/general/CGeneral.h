// The General constants: the unit-wide settings sheet, its validation, its device values
// and its file reader for the older document versions.
#pragma once

#include "model/CNordaSetupType.h"

#include <cstdint>
#include <string>

class CGeneral : public CNordaSetupType {
public:
    CGeneral();
    ~CGeneral() override;

    int ValidateData(int section, int cell, const std::string& text) override;
    void SetParm(int section, int cell, const std::string& text) override;
    void Initialize() override;
    void ResetChannel(int section) override;
    int GetNumChannels() override { return 15; }
    void CreateDefDataSheet() override;
    void OnUpdateModify(int sourceType, int section, int cell, const std::string& text) override;
    std::string GetInputHint(int section, int cell) const override;
    NumberKind GetNumberKind(int section, int cell) const override;
    CellHolding GetHolding(int section, int cell, const std::string& text) const override;
    void FileRead(CArchive& ar, unsigned version) override;
    void DoFileReadWrite(CArchive& ar, unsigned version) override;

    // Device values of the constants (32-bit each, 8 to a block).
    unsigned long StringToValue(int section, const std::string& text) const;
    std::string FormatValue(int section, unsigned long value) const;
    void GetConDataBlock(int first, uint8_t* block) const;
    // The device (bus) number the unit holds for the sheet's Device Number: what tells one
    // unit on a plant's bus from another.
    unsigned long GetDeviceNumber() const;
    void SetConstants(int first, const uint8_t* block);

    // The 8 blocks of 8 constants. An upload reads each block first so that the constants the
    // sheet does not hold keep the unit's values.
    int GetNumBlocks() const override;
    bool ReadsBlockBeforeWrite() const override { return true; }
    void FillBlock(int block, uint8_t* data) override;
    void TakeBlockApart(int block, const uint8_t* data) override;
    std::vector<HeldValue> DescribeBlock(int block, const uint8_t* data) const override;
    // A device number beyond 1 to 62, a hysteresis beyond 0 to 12.5 %.
    std::string RefusalOfHeld(int section, int cell) const override;
    uint32_t GetTotalTransBytes(int direction) const override;

private:
    int IsValidParm(int section, int cell, const std::string& text, const char* const* choices, int count);
    int IsInRange(int section, int cell, const std::string& text, int min, int max);
    int fIsInRange(int section, int cell, const std::string& text, float min, float max);
    void RepairChoices();
};
