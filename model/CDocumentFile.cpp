// Document files: read whole into memory and parsed there; written to a temporary file beside
// the target, flushed to disk and renamed over the target.
#include "model/CDocumentFile.h"

#include "model/CArchive.h"
#include "model/INordaAlarm.h"
#include "model/StringTable.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

std::string ErrnoText(int error)
{
    return std::strerror(error);
}

// Closes a descriptor when the scope ends, unless it was handed over.
class CFileHandle {
public:
    explicit CFileHandle(int fd) : m_fd(fd) {}
    ~CFileHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    int Get() const { return m_fd; }
    // Closes now and reports close's own error (0 or an errno value).
    int Close()
    {
        int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// A set-up takes some 50 KB; a file far larger than any set-up is refused before it is read.
constexpr size_t MAX_DOCUMENT_SIZE = 16 * 1024 * 1024;

// Reads the whole file, at most one byte more than a document may have; 0 or an errno value.
int ReadAll(int fd, std::vector<uint8_t>& bytes)
{
    uint8_t chunk[65536];
    while (bytes.size() <= MAX_DOCUMENT_SIZE) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return 0;
}

// Writes every byte; 0 or an errno value.
int WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// Creates a new temporary file beside the target; the descriptor, or -1 with errno set.
int CreateTemporary(const std::string& target, std::string& tempPath)
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x~", static_cast<unsigned>(random()));
        tempPath = target + suffix;
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

std::string ParentFolder(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr int MAX_LINK_HOPS = 40;

// The file a save replaces: symbolic links are followed to their last target, which a dangling
// link names although it does not exist yet, so that every link stays a link. 0, or an errno
// value (ELOOP for a loop of links).
int FollowLinks(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0; hop < MAX_LINK_HOPS; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        std::vector<char> buffer(PATH_MAX);
        ssize_t n = ::readlink(target.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return errno;
        std::string link(buffer.data(), static_cast<size_t>(n));
        target = link[0] == '/' ? link : ParentFolder(target) + "/" + link;
    }
    return ELOOP;
}

// A pipe, device or socket is no document: reading one may wait forever, replacing one would
// put a file in its place.
bool IsSpecialFile(const struct stat& st)
{
    return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

// 0 when the user may change the file, or why not. Renaming over a file needs only the
// folder's permission, so the file's own is checked here. A file that grants nobody a write
// was made read-only on purpose and stays, for the superuser too, as editors keep it.
int WriteRefusal(const std::string& target, const struct stat& st)
{
    if ((st.st_mode & 0222) == 0)
        return EACCES;
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return errno;
    return 0;
}

}  // namespace

q4::Status CDocumentFile::Load(INordaAlarm& unit, const std::string& path)
{
    q4::Result<std::vector<uint8_t>> bytes = ReadBytes(path);
    if (!bytes)
        return q4::Failure{bytes.Reason()};
    return LoadBytes(unit, std::move(bytes.Value()), path);
}

q4::Result<std::vector<uint8_t>> CDocumentFile::ReadBytes(const std::string& path)
{
    std::vector<uint8_t> bytes;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && IsSpecialFile(st))
        return q4::Failure{FormatString(IDS_CANNOT_OPEN, {path, LoadString(IDS_NOT_REGULAR)})};
    // Not blocking, in case a pipe took the file's place since.
    CFileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0)
        return q4::Failure{FormatString(IDS_CANNOT_OPEN, {path, ErrnoText(errno)})};
    if (::fstat(file.Get(), &st) != 0 || IsSpecialFile(st))
        return q4::Failure{FormatString(IDS_CANNOT_OPEN, {path, LoadString(IDS_NOT_REGULAR)})};
    ::fcntl(file.Get(), F_SETFL, ::fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);
    if (int error = ReadAll(file.Get(), bytes))
        return q4::Failure{FormatString(IDS_CANNOT_READ, {path, ErrnoText(error)})};
    if (bytes.size() > MAX_DOCUMENT_SIZE)
        return q4::Failure{FormatString(IDS_NOT_A_DOCUMENT, {path, LoadString(IDS_FAR_TOO_LARGE)})};
    return bytes;
}

q4::Status CDocumentFile::LoadBytes(INordaAlarm& unit, std::vector<uint8_t> bytes, const std::string& name)
{
    unit.Initialize();
    CArchive ar(std::move(bytes));
    try {
        unit.Serialize(ar);
    } catch (const CArchiveException& e) {
        return q4::Failure{FormatString(IDS_NOT_A_DOCUMENT, {name, e.what()})};
    } catch (const std::exception& e) {
        unit.Initialize();
        return q4::Failure{FormatString(IDS_CANNOT_READ, {name, e.what()})};
    }
    return {};
}

std::vector<uint8_t> CDocumentFile::SaveBytes(INordaAlarm& unit)
{
    CArchive ar;
    unit.Serialize(ar);
    return std::move(ar).GetBuffer();
}

q4::Status CDocumentFile::Save(INordaAlarm& unit, const std::string& path)
{
    m_targetReadOnly = false;
    std::vector<uint8_t> bytes;
    try {
        bytes = SaveBytes(unit);
    } catch (const std::exception& e) {
        return q4::Failure{FormatString(IDS_CANNOT_SAVE, {path, e.what()})};
    }
    return WriteBytes(bytes, path);
}

q4::Status CDocumentFile::WriteBytes(const std::vector<uint8_t>& bytes, const std::string& path)
{
    m_targetReadOnly = false;
    std::string target;
    if (int error = FollowLinks(path, target))
        return q4::Failure{FormatString(IDS_CANNOT_WRITE, {path, ErrnoText(error)})};
    struct stat old {};
    bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && IsSpecialFile(old))
        return q4::Failure{FormatString(IDS_CANNOT_WRITE, {path, LoadString(IDS_NOT_REGULAR)})};
    if (int error = exists && S_ISREG(old.st_mode) ? WriteRefusal(target, old) : 0) {
        m_targetReadOnly = true;
        return q4::Failure{FormatString(IDS_CANNOT_WRITE, {path, ErrnoText(error)})};
    }
    std::string tempPath;
    CFileHandle file(CreateTemporary(target, tempPath));
    if (file.Get() < 0)
        return q4::Failure{FormatString(IDS_CANNOT_WRITE, {path, ErrnoText(errno)})};

    if (exists && S_ISREG(old.st_mode))
        ::fchmod(file.Get(), old.st_mode & 07777);  // the new file keeps the old one's permissions

    int error = WriteAll(file.Get(), bytes);
    if (!error && ::fsync(file.Get()) != 0)
        error = errno;
    int closeError = file.Close();
    if (!error)
        error = closeError;
    if (!error && ::rename(tempPath.c_str(), target.c_str()) != 0)
        error = errno;
    if (error) {
        ::unlink(tempPath.c_str());
        return q4::Failure{FormatString(IDS_CANNOT_WRITE, {path, ErrnoText(error)})};
    }

    // Make the rename itself durable.
    CFileHandle folder(::open(ParentFolder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0)
        ::fsync(folder.Get());
    return {};
}
