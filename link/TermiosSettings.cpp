// Line settings to and from termios flags and speeds.
#include "link/TermiosSettings.h"

namespace {

struct BaudEntry {
    unsigned rate;
    speed_t speed;
};

const BaudEntry g_BaudRates[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

const tcflag_t g_CharSizes[4] = {CS5, CS6, CS7, CS8};

}  // namespace

namespace q4 {

bool ToTermios(const CLineSettings& s, termios& tio)
{
    speed_t speed = B0;
    bool known = false;
    for (const BaudEntry& e : g_BaudRates) {
        if (e.rate == s.m_baudRate) {
            speed = e.speed;
            known = true;
        }
    }
    if (!known || s.m_dataBits < 5 || s.m_dataBits > 8 || s.m_stopBits < 1 || s.m_stopBits > 2)
        return false;
    if (s.m_parity < CLineSettings::Parity::None || s.m_parity > CLineSettings::Parity::Even)
        return false;
    if (s.m_flowControl < CLineSettings::FlowControl::None || s.m_flowControl > CLineSettings::FlowControl::XonXoff)
        return false;

    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= g_CharSizes[s.m_dataBits - 5];
    if (s.m_parity != CLineSettings::Parity::None) {
        tio.c_cflag |= PARENB;
        if (s.m_parity == CLineSettings::Parity::Odd)
            tio.c_cflag |= PARODD;
    }
    if (s.m_stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    if (s.m_flowControl == CLineSettings::FlowControl::RtsCts)
        tio.c_cflag |= CRTSCTS;
    else if (s.m_flowControl == CLineSettings::FlowControl::XonXoff)
        tio.c_iflag |= IXON | IXOFF;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return ::cfsetispeed(&tio, speed) == 0 && ::cfsetospeed(&tio, speed) == 0;
}

CLineSettings FromTermios(const termios& tio)
{
    CLineSettings s;
    s.m_baudRate = 0;
    speed_t speed = ::cfgetospeed(&tio);
    for (const BaudEntry& e : g_BaudRates) {
        if (e.speed == speed)
            s.m_baudRate = e.rate;
    }
    for (int bits = 5; bits <= 8; ++bits) {
        if ((tio.c_cflag & CSIZE) == g_CharSizes[bits - 5])
            s.m_dataBits = bits;
    }
    if (!(tio.c_cflag & PARENB))
        s.m_parity = CLineSettings::Parity::None;
    else
        s.m_parity = (tio.c_cflag & PARODD) ? CLineSettings::Parity::Odd : CLineSettings::Parity::Even;
    s.m_stopBits = (tio.c_cflag & CSTOPB) ? 2 : 1;
    if (tio.c_cflag & CRTSCTS)
        s.m_flowControl = CLineSettings::FlowControl::RtsCts;
    else if (tio.c_iflag & (IXON | IXOFF))
        s.m_flowControl = CLineSettings::FlowControl::XonXoff;
    else
        s.m_flowControl = CLineSettings::FlowControl::None;
    return s;
}

int BitsPerChar(const CLineSettings& s)
{
    return 1 + s.m_dataBits + (s.m_parity != CLineSettings::Parity::None ? 1 : 0) + s.m_stopBits;
}

}  // namespace q4
