// StagedFiles and the temporaries it writes: unnamed files where possible, hidden named ones else.
#include "platform/staged_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTemporaryPrefix = ".trellis-";

bool Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// The file a path names once symbolic links in its last part are followed, whether it exists or not.
std::string FollowLinks(std::string path)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length <= 0)
            return path;
        link.resize(static_cast<size_t>(length));
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    return path;
}

// The permissions the new file gets: those of the file it replaces, else the ordinary ones.
// A destination that exists and is no regular file (a folder, a device) is refused.
bool ModeFor(const std::string& target, mode_t& mode, std::string* error)
{
    struct stat st;
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return Fail(error, FileKindText(st.st_mode));
        mode = st.st_mode & 07777;
        return true;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
    return true;
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool CopyAll(int from, int to)
{
    std::string buffer(1 << 16, '\0');
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(to, buffer.data(), static_cast<size_t>(n)))
            return false;
    }
}

// A new file in the folder: unnamed (O_TMPFILE) where the file system has them, else a hidden
// named one whose path is set.
int OpenTemporary(const std::string& folder, const std::string& baseName, std::string& named)
{
    named.clear();
    int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = folder + "/" + TemporaryName(baseName);
        fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            named = path;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Gives an unnamed temporary a hidden name beside the target, for the moment of the move.
bool NameTemporary(int fd, const std::string& target, std::string& named)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = FolderOf(target) + "/" + TemporaryName(BaseNameOf(target));
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0)) {
            named = path;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Makes the missing folders above the target, outermost first, and lists the ones it made.
bool MakeParentFolders(const std::string& target, std::vector<std::string>& made)
{
    std::vector<std::string> missing;
    for (std::string folder = FolderOf(target); folder != "." && folder != "/"; folder = FolderOf(folder)) {
        struct stat st;
        if (::stat(folder.c_str(), &st) == 0) {
            if (!S_ISDIR(st.st_mode)) {
                errno = ENOTDIR;
                return false;
            }
            break;
        }
        missing.push_back(folder);
    }
    for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder) {
        if (::mkdir(folder->c_str(), 0777) != 0 && errno != EEXIST)
            return false;
        made.push_back(*folder);
    }
    return true;
}

// Where a temporary for the target is written: its folder, or the nearest one above it that
// exists when the folders are only made on the move.
std::string TemporaryFolderFor(const std::string& target)
{
    std::string folder = FolderOf(target);
    for (struct stat st; folder != "." && folder != "/" && ::stat(folder.c_str(), &st) != 0;)
        folder = FolderOf(folder);
    return folder;
}

bool ProcessRuns(long pid)
{
    if (pid <= 0 || pid > INT_MAX)
        return false;
    return pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// The process number in a name of TemporaryName's form, with the rest checked; -1 for other names.
long TemporaryOwner(const std::string& name, const std::string& baseName)
{
    const size_t prefix = std::strlen(kTemporaryPrefix);
    if (name.compare(0, prefix, kTemporaryPrefix) != 0)
        return -1;
    size_t at = prefix;
    long pid = 0;
    while (at < name.size() && at < prefix + 10 && name[at] >= '0' && name[at] <= '9')
        pid = pid * 10 + (name[at++] - '0');
    if (at == prefix || at >= name.size() || name[at] != '-' || name.size() < at + 7)
        return -1;
    const std::string rest = name.substr(at + 7);
    if (!baseName.empty() && rest != "-" + baseName)
        return -1;
    if (!rest.empty() && rest[0] != '-')
        return -1;
    return pid;
}

}  // namespace

std::string TemporaryName(const std::string& baseName)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::string name = kTemporaryPrefix + std::to_string(::getpid()) + "-";
    for (int i = 0; i < 6; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    if (!baseName.empty())
        name += "-" + baseName;
    return name;
}

int RemoveStaleTemporaries(const std::string& folder, bool recursive, const std::string& baseName)
{
    int removed = 0;
    std::error_code ec;
    std::vector<fs::path> stale;
    std::vector<fs::path> folders{fs::path(NativePath(folder))};
    while (!folders.empty()) {
        const fs::path current = folders.back();
        folders.pop_back();
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            const long owner = TemporaryOwner(name, baseName);
            std::error_code kindError;
            if (owner >= 0) {
                if (!ProcessRuns(owner))
                    stale.push_back(it->path());
            } else if (recursive && it->is_directory(kindError) && !it->is_symlink(kindError)) {
                folders.push_back(it->path());
            }
        }
        ec.clear();
    }
    for (const fs::path& path : stale) {
        std::error_code removeError;
        if (fs::remove_all(path, removeError) != static_cast<std::uintmax_t>(-1) && !removeError)
            ++removed;
    }
    return removed;
}

std::string MakeStagingFolder(const std::string& parent, std::string* error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string path = NativePath(parent) + "/" + TemporaryName("");
        if (::mkdir(path.c_str(), 0777) == 0)
            return path + "/";
        if (errno != EEXIST)
            break;
    }
    Fail(error, std::strerror(errno));
    return {};
}

void RemoveFolderTree(const std::string& folder)
{
    std::error_code ec;
    fs::remove_all(NativePath(folder), ec);
}

StagedFiles::~StagedFiles() { Discard(); }

bool StagedFiles::Write(const std::string& target, const std::string& bytes, std::string* error)
{
    return Stage(target, -1, &bytes, error);
}

bool StagedFiles::Copy(const std::string& from, const std::string& target, std::string* error)
{
    std::string openError;
    const int source = OpenRegularFile(from, &openError);
    if (source < 0)
        return Fail(error, NativePath(from) + ": " + openError);
    const bool staged = Stage(target, source, nullptr, error);
    ::close(source);
    return staged;
}

bool StagedFiles::Stage(const std::string& path, int sourceFd, const std::string* bytes, std::string* error)
{
    Entry entry;
    entry.target = FollowLinks(NativePath(path));
    mode_t mode = 0;
    if (!ModeFor(entry.target, mode, error))
        return false;
    // Temporaries left by writes of this file that were killed go first.
    const std::string folder = TemporaryFolderFor(entry.target);
    RemoveStaleTemporaries(folder, false, BaseNameOf(entry.target));
    const int fd = OpenTemporary(folder, BaseNameOf(entry.target), entry.temporary);
    if (fd < 0)
        return Fail(error, std::strerror(errno));
    const bool written = bytes ? WriteAll(fd, bytes->data(), bytes->size()) : CopyAll(sourceFd, fd);
    const bool complete = written && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int code = errno;
    if (!complete || !entry.temporary.empty()) {
        // A named temporary needs no descriptor; an unnamed one keeps it as its only handle.
        const bool closed = ::close(fd) == 0;
        if (!complete || !closed) {
            if (!entry.temporary.empty())
                ::unlink(entry.temporary.c_str());
            return Fail(error, std::strerror(complete ? errno : code));
        }
    } else {
        entry.fd = fd;
    }
    m_entries.push_back(std::move(entry));
    return true;
}

bool StagedFiles::Replace(const std::string& target, const std::string& bytes, const std::string& expected,
                          std::string* error)
{
    if (!Stage(target, -1, &bytes, error))
        return false;
    m_entries.back().checked = true;
    m_entries.back().expected = expected;
    return true;
}

// Whether the file at `path` still holds what the entry's target held when it was read.
bool StagedFiles::StillAsRead(const Entry& entry, const std::string& path, std::string* error)
{
    std::string now;
    if (!ReadWholeFile(path, now, nullptr, entry.expected.size() + 1) || now != entry.expected)
        return Fail(error, entry.target + ": changed since it was read; not overwritten");
    return true;
}

bool StagedFiles::Adopt(const std::string& finished, const std::string& target, std::string* error)
{
    Entry entry;
    entry.target = FollowLinks(NativePath(target));
    entry.temporary = NativePath(finished);
    mode_t mode = 0;
    if (!ModeFor(entry.target, mode, error) || ::chmod(entry.temporary.c_str(), mode) != 0) {
        if (error && error->empty())
            *error = std::strerror(errno);
        ::unlink(entry.temporary.c_str());
        return false;
    }
    m_entries.push_back(std::move(entry));
    return true;
}

bool StagedFiles::MoveIntoPlace(Entry& entry, std::string* error)
{
    if (!MakeParentFolders(entry.target, entry.madeFolders))
        return Fail(error, entry.target + ": " + std::strerror(errno));
    if (entry.fd >= 0) {
        if (!NameTemporary(entry.fd, entry.target, entry.temporary))
            return Fail(error, entry.target + ": " + std::strerror(errno));
        ::close(entry.fd);
        entry.fd = -1;
    }
    struct stat st;
    const bool existed = ::lstat(entry.target.c_str(), &st) == 0;
    if (entry.checked) {
        // Renaming ignores the file's own permissions: a page its owner made read-only is kept.
        if (!existed)
            return Fail(error, entry.target + ": removed since it was read; not written");
        if (S_ISREG(st.st_mode) && ((st.st_mode & 0222) == 0 || ::access(entry.target.c_str(), W_OK) != 0))
            return Fail(error, entry.target + ": is read-only; not overwritten");
        if (!StillAsRead(entry, entry.target, error))
            return false;
    }
    if (existed) {
        if (!S_ISREG(st.st_mode))
            return Fail(error, entry.target + ": " + FileKindText(st.st_mode));
        // Swapped, so the replaced file can be put back if a later file fails.
        if (::renameat2(AT_FDCWD, entry.temporary.c_str(), AT_FDCWD, entry.target.c_str(), RENAME_EXCHANGE) == 0) {
            entry.holdsOld = true;
            // What was swapped out is compared once more, closing the gap since the check above.
            return !entry.checked || StillAsRead(entry, entry.temporary, error);
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return Fail(error, entry.target + ": " + std::strerror(errno));
        // A file system that cannot swap gets the plain replacement, which cannot be undone.
    }
    if (std::rename(entry.temporary.c_str(), entry.target.c_str()) != 0)
        return Fail(error, entry.target + ": " + std::strerror(errno));
    entry.temporary.clear();
    entry.created = !existed;
    return true;
}

void StagedFiles::PutBack(Entry& entry)
{
    if (entry.holdsOld) {
        ::renameat2(AT_FDCWD, entry.temporary.c_str(), AT_FDCWD, entry.target.c_str(), RENAME_EXCHANGE);
        entry.holdsOld = false;
    } else if (entry.created) {
        ::unlink(entry.target.c_str());
    }
    entry.created = false;
    for (auto folder = entry.madeFolders.rbegin(); folder != entry.madeFolders.rend(); ++folder)
        ::rmdir(folder->c_str());
    entry.madeFolders.clear();
}

bool StagedFiles::Commit(std::string* error)
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (MoveIntoPlace(m_entries[i], error))
            continue;
        for (size_t done = i + 1; done-- > 0;)
            PutBack(m_entries[done]);
        Discard();
        return false;
    }
    Discard();
    return true;
}

// Closes and removes every temporary still held: the unmoved files, or the files they replaced.
void StagedFiles::Discard()
{
    for (Entry& entry : m_entries) {
        if (entry.fd >= 0)
            ::close(entry.fd);
        if (!entry.temporary.empty())
            ::unlink(entry.temporary.c_str());
    }
    m_entries.clear();
}
