// The line settings of a serial port: what the port settings dialog edits and the serial
// link applies.
#pragma once

struct CLineSettings {
    enum PARITY : int { PARITY_NONE = 0, PARITY_ODD = 1, PARITY_EVEN = 2 };
    enum FLOW_CONTROL : int { FLOW_NONE = 0, FLOW_RTSCTS = 1, FLOW_XONXOFF = 2 };

    unsigned m_baudRate = 9600;
    int m_dataBits = 8;        // 5 to 8
    PARITY m_parity = PARITY_NONE;
    int m_stopBits = 1;        // 1 or 2
    FLOW_CONTROL m_flowControl = FLOW_NONE;

    bool operator==(const CLineSettings&) const = default;
};
