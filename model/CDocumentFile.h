// Reading and writing a whole set-up as a document file (.q4g). A save never leaves a half
// written file behind: the new file replaces the old one only once it is complete on disk, and
// never replaces a read-only file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class INordaAlarm;

class CDocumentFile {
public:
    // Returns the unit to its defaults and reads the file into it. 1 on success; 0 with the
    // reason in GetError(). After a damaged file the setup types read before the damage keep
    // what they read, the others are at their defaults.
    int Load(INordaAlarm& unit, const std::string& path);
    // Reads the whole file without touching a set-up; 0 with the reason when it cannot.
    int ReadBytes(const std::string& path, std::vector<uint8_t>& bytes);
    // The same as Load from bytes in memory; name is the file name used in the reason.
    int LoadBytes(INordaAlarm& unit, std::vector<uint8_t> bytes, const std::string& name);
    // Writes the set-up to the file. On failure (0) the old file and the set-up are unchanged.
    int Save(INordaAlarm& unit, const std::string& path);
    // The whole document as it would be saved.
    static std::vector<uint8_t> SaveBytes(INordaAlarm& unit);
    // Writes any bytes as Save writes a document: whole, or on failure (0) not at all.
    int WriteBytes(const std::vector<uint8_t>& bytes, const std::string& path);

    // One line: why the last Load or Save failed.
    const std::string& GetError() const { return m_strError; }
    // True when the last Save or WriteBytes failed because the file is read-only: it stays as
    // it is, and another name may be written.
    bool IsTargetReadOnly() const { return m_bReadOnly; }

private:
    int Fail(const std::string& reason);

    std::string m_strError;
    bool m_bReadOnly = false;
};
