// The fixed tables of the alarm sheet: column titles, the unit's alarm numbers, the default
// cells of a channel row, the LED and output choices and the flag names.
#pragma once

#include "model/CNdChnData.h"

extern const char* const g_AlarmLabels[17];
extern const char* const g_AlarmInp[48];
extern const _PROPINFO g_AlDefault[9];
extern const char g_LEDs[];
extern const char g_Outputs[];
extern const char* const g_flags[3];
