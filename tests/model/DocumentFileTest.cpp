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

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

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

TEST_F(DocumentFile, SaveWritesTheSetUpAndKeepsPermissionsAndSymbolicLinks)
{
    fs::path real = m_dir / "real.q4g", link = m_dir / "link.q4g";
    CNordaSetupType& general = *m_unit.GetSetupType(ST_GENERAL);
    ASSERT_TRUE(general.ValidateData(3, 1, "42"));
    q4::Status saved = m_file.Save(m_unit, real.string());
    ASSERT_TRUE(saved) << saved.Reason();
    EXPECT_EQ(ReadFile(real), CDocumentFile::SaveBytes(m_unit));
    EXPECT_EQ(FilesInFolder(), 1u);
    m_unit.Initialize();
    q4::Status loaded = m_file.Load(m_unit, real.string());
    ASSERT_TRUE(loaded) << loaded.Reason();
    EXPECT_EQ(general.GetCellText(3, 1), "42");

    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    fs::create_symlink(real, link);
    ASSERT_TRUE(general.ValidateData(3, 1, "9"));
    saved = m_file.Save(m_unit, link.string());
    ASSERT_TRUE(saved) << saved.Reason();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), CDocumentFile::SaveBytes(m_unit));
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A dangling link, also a relative one at the end of a chain, gets its target written.
    fs::create_directory(m_dir / "sub");
    fs::create_symlink("../made.q4g", m_dir / "sub" / "relative.q4g");
    fs::create_symlink(m_dir / "sub" / "relative.q4g", m_dir / "chain.q4g");
    saved = m_file.Save(m_unit, (m_dir / "chain.q4g").string());
    ASSERT_TRUE(saved) << saved.Reason();
    EXPECT_TRUE(fs::is_symlink(m_dir / "chain.q4g") && fs::is_symlink(m_dir / "sub" / "relative.q4g"));
    EXPECT_EQ(ReadFile(m_dir / "made.q4g"), CDocumentFile::SaveBytes(m_unit));
}

TEST_F(DocumentFile, LoopsOfLinksAndSpecialFilesAreRefusedBeforeTheyAreOpened)
{
    fs::create_symlink(m_dir / "b.q4g", m_dir / "a.q4g");
    fs::create_symlink(m_dir / "a.q4g", m_dir / "b.q4g");
    fs::path fifo = m_dir / "pipe.q4g";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string special = ": it is not a regular file (a pipe, a device or a socket)";
    const std::tuple<fs::path, bool, std::string> cases[] = {
        {m_dir / "a.q4g", true, "cannot write " + (m_dir / "a.q4g").string() + ": Too many levels of symbolic links"},
        {fifo, true, "cannot write " + fifo.string() + special},
        {fifo, false, "cannot open " + fifo.string() + special},
        {"/dev/null", false, "cannot open /dev/null" + special},
    };
    for (const auto& [path, save, reason] : cases) {
        q4::Status done = save ? m_file.Save(m_unit, path.string()) : m_file.Load(m_unit, path.string());
        EXPECT_FALSE(done);
        EXPECT_EQ(done.Reason(), reason);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(FilesInFolder(), 3u);
}

TEST_F(DocumentFile, LoadFailuresSayWhy)
{
    fs::path missing = m_dir / "missing.q4g", empty = m_dir / "empty.q4g", text = m_dir / "notes.q4g",
             huge = m_dir / "huge.q4g";
    WriteFile(empty, "");
    WriteFile(text, std::string("\x03\0\0\0 this is not a set-up", 26));
    WriteFile(huge, "");
    fs::resize_file(huge, 64 * 1024 * 1024);
    const std::pair<fs::path, std::string> cases[] = {
        {missing, "cannot open " + missing.string() + ": No such file or directory"},
        {m_dir, "cannot read " + m_dir.string() + ": Is a directory"},
        {empty, empty.string() + " is not a valid Q4150 file: unexpected end of file"},
        {text, text.string() + " is not a valid Q4150 file: the General record is damaged: unexpected end of file"},
        {huge, huge.string() + " is not a valid Q4150 file: it is far too large"},
    };
    for (const auto& [path, reason] : cases) {
        q4::Status loaded = m_file.Load(m_unit, path.string());
        EXPECT_FALSE(loaded);
        EXPECT_EQ(loaded.Reason(), reason);
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

    const std::tuple<fs::path, bool, std::string> cases[] = {
        {blocker / "doc.q4g", false, "Not a directory"},
        {folder, false, "Is a directory"},
        {old, true, "File too large"},  // the disk is full
    };
    for (const auto& [path, fileSizeLimit, reason] : cases) {
        SCOPED_TRACE(reason);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1000;
        auto previous = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, fileSizeLimit ? &small : &saved), 0);
        q4::Status result = m_file.Save(m_unit, path.string());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        EXPECT_FALSE(result);
        EXPECT_EQ(result.Reason(), "cannot write " + path.string() + ": " + reason);
        EXPECT_EQ(ReadFile(old), oldBytes);
        EXPECT_EQ(CDocumentFile::SaveBytes(m_unit), setUp);
        EXPECT_EQ(FilesInFolder(), 3u) << "a temporary file was left behind";
        EXPECT_TRUE(fs::is_directory(folder));
    }
}

// A read-only file stays byte for byte and with its mode, also behind a symbolic link and when
// any bytes are written in its place; the reason names the file, and another name may be tried.
TEST_F(DocumentFile, ReadOnlyFileIsNotReplaced)
{
    fs::path locked = m_dir / "locked.q4g", link = m_dir / "link.q4g", text = m_dir / "locked.csv";
    q4::Status saved = m_file.Save(m_unit, locked.string());
    ASSERT_TRUE(saved) << saved.Reason();
    const Bytes before = ReadFile(locked);
    WriteFile(text, "[general]\n");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(locked, readOnly);
    fs::permissions(text, readOnly);
    fs::create_symlink(locked, link);
    ASSERT_TRUE(m_unit.GetSetupType(ST_GENERAL)->ValidateData(3, 1, "33"));

    const std::pair<fs::path, bool> cases[] = {{locked, true}, {link, true}, {text, false}};
    for (const auto& [path, document] : cases) {
        SCOPED_TRACE(path.string());
        q4::Status written = document ? m_file.Save(m_unit, path.string()) : m_file.WriteBytes({'x'}, path.string());
        EXPECT_FALSE(written);
        EXPECT_EQ(written.Reason(), "cannot write " + path.string() + ": Permission denied");
        EXPECT_TRUE(m_file.IsTargetReadOnly());
    }
    EXPECT_EQ(ReadFile(locked), before);
    EXPECT_EQ(ReadFile(text), Bytes({'[', 'g', 'e', 'n', 'e', 'r', 'a', 'l', ']', '\n'}));
    EXPECT_EQ(fs::status(locked).permissions(), readOnly);
    EXPECT_EQ(fs::status(text).permissions(), readOnly);
    EXPECT_EQ(FilesInFolder(), 3u) << "a temporary file was left behind";

    // Any other failure is no read-only file; a file made writable again is replaced.
    EXPECT_FALSE(m_file.Save(m_unit, (m_dir / "none" / "x.q4g").string()));
    EXPECT_FALSE(m_file.IsTargetReadOnly());
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
    saved = m_file.Save(m_unit, link.string());
    ASSERT_TRUE(saved) << saved.Reason();
    EXPECT_EQ(ReadFile(locked), CDocumentFile::SaveBytes(m_unit));
}
