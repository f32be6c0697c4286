// The Logical Inputs setup type: seven logical inputs, each combining up to twelve physical
// channels or earlier logical inputs with identical parameters; their selection lists, device
// blocks and file record.
#pragma once

#include "model/CNordaSetupType.h"

#include <cstdint>
#include <string>

class CPhysicalInput;

class CLogicalInput : public CNordaSetupType {
public:
    CLogicalInput();
    ~CLogicalInput() override;

    int ValidateData(int section, int cell, const std::string& text) override;
    void SetParm(int section, int cell, const std::string& text) override;
    void Initialize() override;
    void DoFileReadWrite(CArchive& ar, unsigned version) override;
    void ResetChannel(int section) override;
    int GetNumChannels() override { return 8; }
    void CreateDefDataSheet() override;
    void OnUpdateModify(int sourceType, int section, int cell, const std::string& text) override;
    // One block per logical input, LOG1 first, so that an input is offered to the later ones
    // before their blocks are taken apart.
    int GetNumBlocks() const override { return LOG_INPUTS; }
    void FillBlock(int block, uint8_t* data) override { GetLogInpDataBlock(block, data); }
    void TakeBlockApart(int block, const uint8_t* data) override { SetLogInpParms(block, data); }
    std::vector<HeldValue> DescribeBlock(int block, const uint8_t* data) const override;

    CellHolding GetHolding(int section, int cell, const std::string& text) const override;

    // 1 when a selection of logical input n other than cell x is not "OFF"; x = -1: any selection.
    int IsOtherParmActive(int n, int x);
    // 1 when the seven parameters of physical section p equal those of logical input n.
    int VerifyPhInps(int p, int n);
    // 1 when the parameter cells of logical inputs m and n are equal.
    int VerifyLogInps(int m, int n);

    // Device block b (0..6) of logical input b+1: packing, and unpacking with re-validation.
    void GetLogInpDataBlock(int b, uint8_t* block);
    void GetInputReference(int s, uint8_t* refs);
    void SetLogInpParms(int b, const uint8_t* block);
    void SetInputReference(int s, const uint8_t* refs);

    static constexpr int LOG_INPUTS = 7;     // logical inputs in use (sections 1 to 7)
    static constexpr int SEL_CELLS = 12;     // input selections I1 to I12 (cells 1 to 12)
    static constexpr int FIRST_PARM = 13;    // parameter cells 13 to 19
    static constexpr uint8_t REF_OFF = 48;   // input reference code of "OFF"

private:
    CPhysicalInput* GetPhysical() const;
    void NotifyAlarms(int n, const std::string& text);
    int UpdateInpParms(int n, int p);
    int UpDataLogInp(int n, const std::string& name);
    void ResetPhInpParms(int n);
    void AddSelChannel(int n, int x, const std::string& name);
    void RemoveSelChannel(int n, int x, const std::string& name);
    void AddLogInpToDataSheet(int n);
    void RemoveInactLogChn(int n, int depth = 0);
    int UpdateModifyLogInput(int n, int depth = 0);
    void UpdatePropSheet(int p, int k, const std::string& text);
    void SelectText(int n, int k, const std::string& text);
    void ReadOldRecord(CArchive& ar, unsigned version);
    // The captions of the parameter columns: the physical sheet's as they stand now.
    void TakeParmCaptions();
};
