// Serving the emulated unit: frame assembly from the line, requests, writes, pacing and faults.
#include "sim/CEmulatorServer.h"

#include "link/CQ4kProtocol.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

const char* const g_FaultNames[] = {"silent", "short", "checksum", "readback", "late", "stray"};
const int g_nFaultKinds = static_cast<int>(sizeof g_FaultNames / sizeof g_FaultNames[0]);

uint8_t Nibbles(const uint8_t* at)
{
    return static_cast<uint8_t>(((at[0] & 0x0F) << 4) | (at[1] & 0x0F));
}

bool SpaceOfRequest(uint8_t command, CUnitEmulator::BlockSpace& space)
{
    switch (command) {
    case '@': space = CUnitEmulator::BlockSpace::Input; return true;
    case 'A': space = CUnitEmulator::BlockSpace::Alarm; return true;
    case 'B': space = CUnitEmulator::BlockSpace::General; return true;
    default: return false;
    }
}

bool SpaceOfWrite(uint8_t command, CUnitEmulator::BlockSpace& space)
{
    return SpaceOfRequest(static_cast<uint8_t>(command - 4), space);
}

int FrameLength(uint8_t command)
{
    CUnitEmulator::BlockSpace space;
    if (SpaceOfRequest(command, space))
        return CQ4kProtocol::REQ_FRAME_LEN;
    if (SpaceOfWrite(command, space))
        return CQ4kProtocol::DATA_FRAME_LEN;
    return 0;
}

bool ParseNumber(const std::string& text, int max, int& value)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atoi(text.c_str());
    return value <= max;
}

}  // namespace

CEmulatorServer::CEmulatorServer(bool blank) : m_unit(blank) {}

CEmulatorServer::~CEmulatorServer()
{
    Stop();
}

bool CEmulatorServer::Start()
{
    if (IsRunning())
        return true;
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return false;
    char name[256] = {};
    int slave = -1;
    if (::grantpt(master) == 0 && ::unlockpt(master) == 0 && ::ptsname_r(master, name, sizeof name) == 0)
        slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0 || ::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        return false;
    }
    // Our own slave descriptor keeps the master readable while the program has the port closed;
    // raw, so that nothing is echoed or translated before the program sets the line up, and at
    // 9600 baud 8N1 like a unit's own port (and q4150cli's line unless told otherwise), not at a
    // pseudo-terminal's 38400.
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | CRTSCTS);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    m_master = master;
    m_slave = slave;
    m_slavePath = name;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stop = false;
    }
    m_thread = std::thread(&CEmulatorServer::Serve, this);
    return true;
}

void CEmulatorServer::Stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_stop = true;
    }
    m_stopSignal.notify_all();
    const char wake = 1;
    [[maybe_unused]] ssize_t w = ::write(m_wake[1], &wake, 1);
    m_thread.join();
    for (int* fd : {&m_master, &m_slave, &m_wake[0], &m_wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_slavePath.clear();
}

void CEmulatorServer::AddFault(const Fault& fault)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_faults.push_back(fault);
}

bool CEmulatorServer::ParseFault(const std::string& text, Fault& fault)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    if (parts.size() < 3 || parts.size() > 4)
        return false;
    int kind = -1;
    for (int i = 0; i < g_nFaultKinds; ++i) {
        if (parts[0] == g_FaultNames[i])
            kind = i;
    }
    CUnitEmulator::BlockSpace space;
    if (kind < 0 || parts[1].size() != 1 || !SpaceOfRequest(static_cast<uint8_t>(parts[1][0]), space))
        return false;
    Fault parsed{static_cast<FaultKind>(kind), parts[1][0], 0, 1};
    if (!ParseNumber(parts[2], 255, parsed.address))
        return false;
    if (parts.size() == 4 && (!ParseNumber(parts[3], 1000000, parsed.count) || parsed.count < 1))
        return false;
    fault = parsed;
    return true;
}

bool CEmulatorServer::TakeFault(char command, int address, FaultKind& kind)
{
    std::lock_guard<std::mutex> lock(m_lock);
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        if (it->command != command || it->address != address)
            continue;
        kind = it->kind;
        if (--it->count <= 0)
            m_faults.erase(it);
        return true;
    }
    return false;
}

bool CEmulatorServer::SleepUntil(std::chrono::steady_clock::time_point until)
{
    std::unique_lock<std::mutex> lock(m_lock);
    return !m_stopSignal.wait_until(lock, until, [this] { return m_stop; });
}

int CEmulatorServer::SendLateReplies()
{
    const auto now = std::chrono::steady_clock::now();
    int nextMs = -1;
    for (size_t i = 0; i < m_late.size();) {
        if (m_late[i].due <= now) {
            std::vector<uint8_t> frame = std::move(m_late[i].frame);
            m_late.erase(m_late.begin() + static_cast<long>(i));
            SendReply(frame.data(), static_cast<int>(frame.size()));
            continue;
        }
        auto left = std::chrono::ceil<std::chrono::milliseconds>(m_late[i].due - now).count();
        nextMs = nextMs < 0 ? static_cast<int>(left) : std::min(nextMs, static_cast<int>(left));
        ++i;
    }
    return nextMs;
}

void CEmulatorServer::Serve()
{
    std::vector<uint8_t> pending;
    m_late.clear();
    for (;;) {
        pollfd fds[2] = {{m_master, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        int r = ::poll(fds, 2, SendLateReplies());
        if (r < 0 && errno != EINTR)
            return;
        if (fds[1].revents)
            return;
        if (r == 0)
            continue;  // a late reply is due
        if (!(fds[0].revents & POLLIN)) {
            // A hang-up without data: nothing to serve until the program opens the port again.
            if (fds[0].revents && !SleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(10)))
                return;
            continue;
        }
        uint8_t buf[512];
        ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) {
            pending.insert(pending.end(), buf, buf + n);
            HandleInput(pending);
        }
    }
}

void CEmulatorServer::HandleInput(std::vector<uint8_t>& pending)
{
    for (;;) {
        // Anything before a frame start is line noise (such as the three wake-up blanks).
        size_t start = 0;
        while (start < pending.size() && pending[start] != '#')
            ++start;
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(start));
        if (pending.size() < 2)
            return;
        int length = FrameLength(pending[1]);
        if (length == 0) {
            ++m_rejected;
            pending.erase(pending.begin());
            continue;
        }
        // Frame characters never include "#": one inside means the frame was cut short.
        size_t scan = std::min(pending.size(), static_cast<size_t>(length));
        size_t restart = 0;
        for (size_t i = 1; i < scan && restart == 0; ++i) {
            if (pending[i] == '#')
                restart = i;
        }
        if (restart) {
            ++m_rejected;
            pending.erase(pending.begin(), pending.begin() + static_cast<long>(restart));
            continue;
        }
        if (pending.size() < static_cast<size_t>(length))
            return;
        if (pending[length - 1] != '$') {
            ++m_rejected;
            pending.erase(pending.begin());
            continue;
        }
        if (length == CQ4kProtocol::REQ_FRAME_LEN)
            HandleRequest(pending.data());
        else
            HandleWrite(pending.data());
        pending.erase(pending.begin(), pending.begin() + length);
    }
}

void CEmulatorServer::HandleRequest(const uint8_t* frame)
{
    const uint8_t command = frame[1];
    const uint8_t address = Nibbles(frame + 2);
    CUnitEmulator::BlockSpace space;
    uint8_t data[CUnitEmulator::BLOCK_LEN];
    if (Nibbles(frame + 4) != static_cast<uint8_t>(command + address) || !SpaceOfRequest(command, space)
        || !m_unit.GetBlock(space, address, data)) {
        ++m_rejected;
        return;
    }
    ++m_requests;
    FaultKind fault = FaultKind::Silent;
    bool faulty = TakeFault(static_cast<char>(command), address, fault);
    if (faulty && fault == FaultKind::Silent)
        return;
    if (faulty && fault == FaultKind::Readback)
        data[0] ^= 0x5A;
    uint8_t replyAddress = address;
    if (faulty && fault == FaultKind::Stray) {
        replyAddress = static_cast<uint8_t>(address + 1 < CUnitEmulator::NumBlocks(space) ? address + 1 : address - 1);
        m_unit.GetBlock(space, replyAddress, data);
    }

    uint8_t reply[CQ4kProtocol::DATA_FRAME_LEN];
    CQ4kProtocol protocol;
    protocol.MakeWriteMsg(static_cast<ND_Q4K_MSG>(command), replyAddress, data, reply);
    if (faulty && fault == FaultKind::Late) {
        // Served from the loop when due; the requests in between are answered as they come.
        m_late.push_back({std::chrono::steady_clock::now() + std::chrono::milliseconds(LATE_REPLY_MS),
                          std::vector<uint8_t>(reply, reply + sizeof reply)});
        return;
    }
    if (faulty && fault == FaultKind::Checksum)
        reply[5] = static_cast<uint8_t>(0x30 + ((reply[5] + 1) & 0x0F));
    int length = faulty && fault == FaultKind::Short ? CQ4kProtocol::DATA_FRAME_LEN - 1 : CQ4kProtocol::DATA_FRAME_LEN;

    int delay = m_replyDelayMs;
    if (delay > 0 && !SleepUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(delay)))
        return;
    SendReply(reply, length);
}

void CEmulatorServer::HandleWrite(const uint8_t* frame)
{
    CQ4kProtocol protocol;
    ND_Q4K_MSG kind{};
    uint8_t address = 0;
    uint8_t data[CUnitEmulator::BLOCK_LEN];
    CUnitEmulator::BlockSpace space;
    if (!protocol.GetReadMsg(frame, kind, address, data) || !SpaceOfWrite(frame[1], space)
        || !m_unit.SetBlock(space, address, data)) {
        ++m_rejected;
        return;
    }
    ++m_writes;
}

void CEmulatorServer::SendReply(const uint8_t* frame, int length)
{
    using Clock = std::chrono::steady_clock;
    const unsigned baud = m_baudRate;
    const auto start = Clock::now();
    int sent = 0;
    while (sent < length) {
        // Paced: byte i leaves 10 bit times after byte i-1 (8N1).
        int chunk = length - sent;
        if (baud > 0) {
            auto due = start + std::chrono::microseconds(static_cast<long long>(sent) * 10'000'000LL / baud);
            if (!SleepUntil(due))
                return;
            chunk = 1;
        }
        ssize_t w = ::write(m_master, frame + sent, static_cast<size_t>(chunk));
        if (w > 0) {
            sent += static_cast<int>(w);
        } else if (w < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else if (!SleepUntil(Clock::now() + std::chrono::milliseconds(1))) {
            return;
        }
    }
}
