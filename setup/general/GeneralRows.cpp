// The General rows and the constant map.
#include "setup/general/GeneralRows.h"

namespace {

const char* const g_OffConfig[] = {"OFF", "CONFIG", "CONF + GEN"};
const char* const g_OffConfigCodes[] = {"0", "3000", "3033"};
const char* const g_OffOn[] = {"OFF", "ON"};
const char* const g_FuncTestCodes[] = {"0", "33"};
const char* const g_OffOnCodes[] = {"0", "1"};
const char* const g_Protocols[] = {"NORDA BUS", "MODBUS"};
const char* const g_GenRS232BR[] = {"110", "150", "300", "600", "1200", "2400", "4800", "9600", "19200"};
const char* const g_ResetFunctions[] = {"DEFAULT", "RESET 2", "RESET 3"};
const char* const g_Block[] = {"OFF", "+REF", "-REF"};
const char* const g_ThreeCodes[] = {"0", "1", "2"};

const GeneralRow g_GeneralRows[GEN_ROWS] = {
    {"Initialization", 30, 0, g_OffConfig, 3, 0, g_OffConfigCodes},
    {"Function Test", 30, 0, g_OffOn, 2, 0, g_FuncTestCodes},
    {"Device Number", 3, 1, nullptr, 0, 1, nullptr},
    {"Protocol", 30, 1, g_Protocols, 2, 1, g_OffOnCodes},
    {"RS 485 Baud Rate", 30, 0, g_GenRS232BR, 9, 7, nullptr},
    {"RS 232 Baud Rate", 30, 0, g_GenRS232BR, 9, 7, nullptr},
    {"Remote LED Test", 30, 0, g_OffOn, 2, 0, nullptr},
    {"Remote Reset", 30, 0, g_OffOn, 2, 0, nullptr},
    {"Reset Function", 30, 0, g_ResetFunctions, 3, 0, g_ThreeCodes},
    {"Output Follows Alarm  ", 30, 0, g_OffOn, 2, 0, nullptr},
    {"Block", 30, 0, g_Block, 3, 0, g_ThreeCodes},
    {"Alarm Out Inverted", 30, 0, g_OffOn, 2, 0, nullptr},
    {"Second Alarm Pulse", 30, 0, g_OffOn, 2, 0, nullptr},
    {"Hysteresis in %", 4, 1, nullptr, 0, 0, nullptr},
};

// Constant number -> section; 0 for a reserved constant.
const int g_ConstantSections[16] = {1, 2, 4, 3, 0, 6, 5, 8, 10, 7, 11, 9, 0, 12, 13, 14};

}  // namespace

const char* const g_GenReservedNames[50] = {
    "GEN_CONST_4", "GEN_CONST_12", "GEN_CONST_16", "GEN_CONST_17", "GEN_CONST_18", "GEN_CONST_19",
    "GEN_CONST_20", "GEN_CONST_21", "GEN_CONST_22", "GEN_CONST_23", "GEN_CONST_24", "GEN_CONST_25",
    "GEN_CONST_26", "GEN_CONST_27", "GEN_CONST_28", "GEN_CONST_29", "GEN_CONST_30", "GEN_CONST_31",
    "GEN_CONST_32", "GEN_CONST_33", "GEN_CONST_34", "GEN_CONST_35", "GEN_CONST_36", "GEN_CONST_37",
    "GEN_CONST_38", "GEN_CONST_39", "GEN_CONST_40", "GEN_CONST_41", "GEN_CONST_42", "GEN_CONST_43",
    "GEN_CONST_44", "GEN_CONST_45", "GEN_CONST_46", "GEN_CONST_47", "GEN_CONST_48", "GEN_CONST_49",
    "GEN_CONST_50", "GEN_CONST_51", "GEN_CONST_52", "GEN_CONST_53", "GEN_CONST_54", "GEN_CONST_55",
    "GEN_CONST_56", "GEN_CONST_57", "GEN_CONST_58", "GEN_CONST_59", "GEN_CONST_60", "GEN_CONST_61",
    "GEN_CONST_62", "GEN_CONST_63",
};

const GeneralRow& GetGeneralRow(int section)
{
    return g_GeneralRows[section - 1];
}

int GetConstantSection(int constant)
{
    if (constant < 0 || constant >= 16 || g_ConstantSections[constant] == 0)
        return -1;
    return g_ConstantSections[constant];
}
