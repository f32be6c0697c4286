// Conversion between line settings and a termios record, kept apart from the serial port so
// that the port's own header stays free of system types.
#pragma once

#include "link/CLineSettings.h"

#include <termios.h>

namespace q4 {

// Fills tio (raw mode, receiver on, modem lines ignored, reads never block) from the settings;
// false when the port cannot take them (rate, data bits, parity, stop bits or flow unknown).
bool ToTermios(const CLineSettings& settings, termios& tio);
// The settings a termios record stands for; a rate without a name gives 0.
CLineSettings FromTermios(const termios& tio);
// Start bit + data bits + parity bit + stop bits.
int BitsPerChar(const CLineSettings& settings);

}  // namespace q4
