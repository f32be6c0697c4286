// Reading and writing a whole set-up as a document file (.q4g). A save never leaves a half
// written file behind: the new file replaces the old one only once it is complete on disk, and
// never replaces a read-only file.
#pragma once

#include "model/Result.h"

#include <cstdint>
#include <string>
#include <vector>

class INordaAlarm;

class CDocumentFile {
public:
    // Returns the unit to its defaults and reads the file into it; on failure the reason, one
    // line. After a damaged file the setup types read before the damage keep what they read,
    // the others are at their defaults.
    q4::Status Load(INordaAlarm& unit, const std::string& path);
    // Reads the whole file without touching a set-up.
    q4::Result<std::vector<uint8_t>> ReadBytes(const std::string& path);
    // The same as Load from bytes in memory; name is the file name used in the reason.
    q4::Status LoadBytes(INordaAlarm& unit, std::vector<uint8_t> bytes, const std::string& name);
    // Writes the set-up to the file. On failure the old file and the set-up are unchanged.
    q4::Status Save(INordaAlarm& unit, const std::string& path);
    // The whole document as it would be saved.
    static std::vector<uint8_t> SaveBytes(INordaAlarm& unit);
    // Writes any bytes as Save writes a document: whole, or on failure not at all.
    q4::Status WriteBytes(const std::vector<uint8_t>& bytes, const std::string& path);

    // True when the last Save or WriteBytes failed because the file is read-only: it stays as
    // it is, and another name may be written.
    bool IsTargetReadOnly() const { return m_targetReadOnly; }

private:
    bool m_targetReadOnly = false;
};
