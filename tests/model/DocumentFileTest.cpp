// Document files on disk: loading with clear reasons, saving through a temporary file, and
// failed saves that leave the old file and the set-up as they were.
#include "model/CDocumentFile.h"
#include "unit/CQ4kUnit.h"
#include "support/RecordingPrompt.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class DocumentFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "q4docXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_unit.Initialize();
    }
    void TearDown() override { fs::remove_all(m_dir); }

    size_t FilesInFolder() const { return static_cast<size_t>(std::distance(fs::directory_iterator(m_dir), {})); }

    fs::path m_dir;
    RecordingPrompt m_prompt;
    CQ4kUnit m_unit{m_prompt};
    CDocumentFile m_file;
};

}  // namespace

TEST_F(DocumentFile, SavedFileLoadsTheSameSetUp)
{
    fs::path path = m_dir / "plant.q4g";
    ASSERT_TRUE(m_unit.GetSetupType(ST_GENERAL)->ValidateData(3, 1, "42"));
    ASSERT_TRUE(m_file.Save(m_unit, path.string())) << m_file.GetError();
    EXPECT_EQ(ReadFile(path), CDocumentFile::SaveBytes(m_unit));
    EXPECT_EQ(FilesInFolder(), 1u);

    m_unit.Initialize();
    ASSERT_TRUE(m_file.Load(m_unit, path.string())) << m_file.GetError();
    EXPECT_EQ(m_unit.GetSetupType(ST_GENERAL)->GetCellText(3, 1), "42");
}

TEST_F(DocumentFile, SaveKeepsPermissionsAndSymbolicLinks)
{
    fs::path real = m_dir / "real.q4g";
    fs::path link = m_dir / "link.q4g";
    ASSERT_TRUE(m_file.Save(m_unit, real.string()));
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    fs::create_symlink(real, link);

    ASSERT_TRUE(m_unit.GetSetupType(ST_GENERAL)->ValidateData(3, 1, "9"));
    ASSERT_TRUE(m_file.Save(m_unit, link.string())) << m_file.GetError();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), CDocumentFile::SaveBytes(m_unit));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(DocumentFile, LoadFailuresSayWhyInOneLine)
{
    fs::path missing = m_dir / "missing.q4g";
    fs::path empty = m_dir / "empty.q4g";
    fs::path text = m_dir / "notes.q4g";
    WriteFile(empty, "");
    WriteFile(text, std::string("\x03\0\0\0 this is not a set-up", 26));
    fs::path huge = m_dir / "huge.q4g";
    WriteFile(huge, "");
    fs::resize_file(huge, 64 * 1024 * 1024);
    struct Case {
        fs::path path;
        std::string reason;
    } cases[] = {
        {missing, "cannot open " + missing.string() + ": No such file or directory"},
        {m_dir, "cannot read " + m_dir.string() + ": Is a directory"},
        {empty, empty.string() + " is not a valid Q4150 file: unexpected end of file"},
        {text, text.string() + " is not a valid Q4150 file: the General record is damaged: unexpected end of file"},
        {huge, huge.string() + " is not a valid Q4150 file: it is far too large"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_file.Load(m_unit, c.path.string()), 0);
        EXPECT_EQ(m_file.GetError(), c.reason);
        EXPECT_EQ(m_file.GetError().find('\n'), std::string::npos);
    }
}

TEST_F(DocumentFile, FailedSaveLeavesTheOldFileAndTheSetUp)
{
    fs::path old = m_dir / "old.q4g";
    ASSERT_TRUE(m_file.Save(m_unit, old.string()));
    Bytes oldBytes = ReadFile(old);
    ASSERT_TRUE(m_unit.GetSetupType(ST_GENERAL)->ValidateData(3, 1, "33"));
    Bytes setUp = CDocumentFile::SaveBytes(m_unit);

    fs::path blocker = m_dir / "plain-file";
    WriteFile(blocker, "x");
    fs::path folder = m_dir / "folder.q4g";
    fs::create_directory(folder);

    struct Case {
        const char* what;
        fs::path path;
        bool fileSizeLimit;
        std::string reason;
    } cases[] = {
        {"parent is a file", blocker / "doc.q4g", false, "Not a directory"},
        {"target is a folder", folder, false, "Is a directory"},
        {"disk full", old, true, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        if (c.fileSizeLimit) {
            rlimit small = saved;
            small.rlim_cur = 1000;
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        int result = m_file.Save(m_unit, c.path.string());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);

        EXPECT_EQ(result, 0);
        EXPECT_EQ(m_file.GetError(), "cannot write " + c.path.string() + ": " + c.reason);
        EXPECT_EQ(ReadFile(old), oldBytes);
        EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), setUp);
        EXPECT_EQ(FilesInFolder(), 3u) << "a temporary file was left behind";
        EXPECT_TRUE(fs::is_directory(folder));
    }
}
