// Alarm sheet tables.
#include "setup/alarms/AlarmTables.h"

const char* const g_AlarmLabels[17] = {
    "Alarms", "InpRef", "DynRef", "<>\xB1", "SetPoint", "LCD Text", "Delay (s)", "LED", "Output",
    "Flags", "InpTp", "LCDU", "InpLo", "LCDLo", "InpUp", "LCDUp", "Misc.",
};

// The unit's alarm numbers, appended to the row number; rows 1 to 9 get one blank more so
// that the labels line up.
const char* const g_AlarmInp[48] = {
    "  (A11)", "  (A12)", "  (A13)", "  (A14)", "  (A15)", "  (A16)",
    "  (A21)", "  (A22)", "  (A23)", " (A24)", " (A25)", " (A26)",
    " (A31)", " (A32)", " (A33)", " (A34)", " (A35)", " (A36)",
    " (A41)", " (A42)", " (A43)", " (A44)", " (A45)", " (A46)",
    " (A51)", " (A52)", " (A53)", " (A54)", " (A55)", " (A56)",
    " (A61)", " (A62)", " (A63)", " (A64)", " (A65)", " (A66)",
    " (A71)", " (A72)", " (A73)", " (A74)", " (A75)", " (A76)",
    " (A81)", " (A82)", " (A83)", " (A84)", " (A85)", " (A86)",
};

const char g_LEDs[] = "OFF;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24";
const char g_Outputs[] = "OFF;1;2;3;4;5;6;7;8;9;10;11;12;13;14";

// Columns 1 to 9 of a channel row; the first item is the default.
const _PROPINFO g_AlDefault[9] = {
    {"InpRef", DT_TEXT, 0, CTRL_LIST, "OFF"},
    {"DynRef", DT_TEXT, 0, CTRL_LIST, "OFF"},
    {"<>\xB1", DT_TEXT, 0, CTRL_LIST, "<;>;\xB1"},
    {"SetPoint", DT_REAL, 1, CTRL_EDIT, "0"},
    {"LCD Text", DT_TEXT, 1, CTRL_EDIT, ""},
    {"Delay", DT_REAL, 1, CTRL_EDIT, "0.3"},
    {"LED", DT_TEXT, 0, CTRL_LIST, g_LEDs},
    {"Output", DT_TEXT, 0, CTRL_LIST, g_Outputs},
    {"Flags", DT_TEXT, 0, CTRL_POPUP, "..."},
};

const char* const g_flags[3] = {"Block", "Control", "Hysteresis"};
