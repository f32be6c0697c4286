// Holds a serial device for one program at a time, by the conventions other serial programs
// honour: an flock on the device, the lock file LCK..NAME with the holder's process id in the
// system's lock folder (when it can be written), and the terminal's exclusive mode.
#pragma once

#include "model/Result.h"

#include <string>

class CPortLock {
public:
    // lockFolder: where the lock files are; /run/lock (or /var/lock) unless given.
    explicit CPortLock(std::string lockFolder = DefaultFolder());
    ~CPortLock();
    CPortLock(const CPortLock&) = delete;
    CPortLock& operator=(const CPortLock&) = delete;

    // Takes the device at devicePath, open on fd; refused with the reason when another program
    // (or another port of this one) holds it.
    q4::Status Take(int fd, const std::string& devicePath);
    // Gives the device back; harmless when nothing is held.
    void Release();
    // Why a device another holds in exclusive mode cannot be opened: names the holder when
    // its lock file does.
    std::string InUseReason(const std::string& devicePath) const;

    static std::string DefaultFolder();

private:
    std::string LockFilePath(const std::string& devicePath) const;
    // The process id in a lock file, 0 when there is none or it cannot be read.
    static int ReadHolder(const std::string& lockFile);

    std::string m_folder;
    std::string m_lockFile;  // the lock file this object made, to be removed on release
    int m_fd = -1;
};
