// The Physical Inputs setup type: the 24 analog input channels (input type, LCD unit, input
// and display ranges), their validation, their 32-byte device blocks and their file record.
#pragma once

#include "model/CNordaSetupType.h"

#include <cstdint>
#include <memory>
#include <string>

class CPhysicalInput : public CNordaSetupType {
public:
    CPhysicalInput();
    ~CPhysicalInput() override;

    int ValidateData(int section, int cell, const std::string& text) override;
    void SetParm(int section, int cell, const std::string& text) override;
    void Initialize() override;
    void DoFileReadWrite(CArchive& ar, unsigned version) override;
    void ResetChannel(int section) override;
    int GetNumChannels() override { return 25; }
    void CreateDefDataSheet() override;
    // One block per channel, IN 11 first; a download ends by merging the unit texts received.
    int GetNumBlocks() const override { return CHANNELS; }
    void FillBlock(int block, uint8_t* data) override { GetInputParms(block, data); }
    void TakeBlockApart(int block, const uint8_t* data) override { SetInputParms(block, data); }
    void AllBlocksTaken() override { MergeUnits(); }
    std::vector<HeldValue> DescribeBlock(int block, const uint8_t* data) const override;
    // InpLo or InpUp beyond the range of the channel's input type.
    std::string RefusalOfHeld(int section, int cell) const override;
    void CopyFrom(const CNordaSetupType& other) override;
    NumberKind GetNumberKind(int section, int cell) const override;
    // The cells after InpTp of a channel that is off are inactive until InpTp is set.
    CellAccess GetCellAccess(int section, int cell) const override;
    CellHolding GetHolding(int section, int cell, const std::string& text) const override;
    // A new LCD unit becomes a choice of every channel.
    bool TakesNewChoice(int section, int cell) const override;
    // InpLo and InpUp of a channel in use take the range of its input type.
    std::string GetInputHint(int section, int cell) const override;

    static constexpr int CHANNELS = 24;

    // 1 when the section is a channel whose input type is not "OFF".
    int IsChannelActive(int section);
    // The active channel sections 1 to 24 in order.
    void GetActiveChannels(uint32_t sections[24], int& count);
    // Checks and stores one edited cell, then broadcasts the edit; 1 when no error was recorded.
    // asHeld: a value taken apart from the unit's block, which stays as the unit holds it (a
    // range beyond the input type's is kept); what the rules refuse of it is only recorded.
    int DoValidateData(int s, int c, const std::string& text, bool asHeld = false);
    // Gives every channel the same LCD unit list: the master list plus every unit met.
    void MergeUnits();

    // Device block b (0..23) of channel section b+1: packing, and unpacking with re-validation.
    void GetInputParms(int b, uint8_t* block);
    void SetInputParms(int b, const uint8_t* block);

    CNdChnData* GetUnitList() const { return m_pUnitList.get(); }

private:
    int IsSelectValid(int section, int cell, const std::string& text);
    int ValidateInpRange(std::string& text, int section, int cell, bool asHeld);
    void CreateUnitList();

    std::unique_ptr<CNdChnData> m_pUnitList;
};
