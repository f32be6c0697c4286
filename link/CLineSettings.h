// The line settings of a serial port: what the port settings dialog edits and the serial
// link applies.
#pragma once

struct CLineSettings {
    // The values are stored in the settings file: keep them.
    enum class Parity : int { None = 0, Odd = 1, Even = 2 };
    enum class FlowControl : int { None = 0, RtsCts = 1, XonXoff = 2 };

    unsigned m_baudRate = 9600;
    int m_dataBits = 8;        // 5 to 8
    Parity m_parity = Parity::None;
    int m_stopBits = 1;        // 1 or 2
    FlowControl m_flowControl = FlowControl::None;

    bool operator==(const CLineSettings&) const = default;
};
