// The analog input types of the unit: name, electrical range and device code.
#pragma once

#include <cstdint>

struct INPUT_TYPE {
    const char* pszName;
    const char* pszUnit;
    int nMin;
    int nMax;
    uint8_t byCode;
};

extern const INPUT_TYPE g_InputTypes[4];
