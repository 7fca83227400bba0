// POSIX implementations of the file operations the framework used to provide.
#include "platform/files.h"

#include "platform/staged_files.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

namespace fs = std::filesystem;

std::string NativePath(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string NativePath(const CString& path) { return NativePath(path.ToUtf8()); }

namespace {

bool Fail(std::string* error, const std::string& reason)
{
    if (error)
        *error = reason;
    return false;
}


std::string Megabytes(size_t bytes)
{
    if (bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string* error)
{
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        struct stat st;
        const int code = errno;
        Fail(error, ::stat(NativePath(path).c_str(), &st) == 0 && !S_ISREG(st.st_mode) ? FileKindText(st.st_mode)
                                                                                    : std::strerror(code));
        return -1;
    }
    struct stat st;
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        Fail(error, known ? FileKindText(st.st_mode) : std::strerror(errno));
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error, size_t maxBytes)
{
    const int fd = OpenRegularFile(path, error);
    if (fd < 0)
        return false;
    // The size is only a first guess at the room needed; reading goes on to the real end.
    struct stat st {};
    const uintmax_t size = ::fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<uintmax_t>(st.st_size) : 0;
    if (size > maxBytes) {
        ::close(fd);
        return Fail(error, "is larger than " + Megabytes(maxBytes));
    }
    // One byte more than the size says, so that the read that sees the end needs no more room.
    std::string all(static_cast<size_t>(size) + 1, '\0');
    size_t used = 0;
    for (;;) {
        // A file that grows while it is read gets more room.
        if (used == all.size())
            all.resize(std::min(maxBytes + 1, std::max<size_t>(all.size() * 2, used + 4096)));
        const ssize_t n = ::read(fd, all.data() + used, all.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int code = errno;
            ::close(fd);
            return Fail(error, std::strerror(code));
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
        if (used > maxBytes) {
            ::close(fd);
            return Fail(error, "is larger than " + Megabytes(maxBytes));
        }
    }
    ::close(fd);
    all.resize(used);
    bytes = std::move(all);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    StagedFiles file;
    return file.Write(path, bytes, error) && file.Commit(error);
}

bool CopyFileReplacing(const std::string& from, const std::string& to, std::string* error)
{
    StagedFiles file;
    return file.Copy(from, to, error) && file.Commit(error);
}

bool CreateOneFolder(const std::string& path)
{
    return ::mkdir(NativePath(path).c_str(), 0777) == 0;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsFolder(const std::string& path)
{
    struct stat st;
    return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

// Case folding of ASCII letters only: file name extensions are compared the same way whatever the
// C locale says about bytes from 0x80 up.
std::string AsciiLower(std::string text)
{
    for (char& ch : text) {
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    }
    return text;
}

}  // namespace

namespace {

// Calls `take(name, type)` for each entry of the folder but . and .., `type` being the entry's
// d_type (DT_UNKNOWN where the file system does not say). False when the folder cannot be read.
// Icon lookups list a library folder for every icon they draw, so the listing is read with as
// few system calls as there can be: open, the entries in large batches, close.
template <typename Take>
bool ListFolder(const std::string& folder, Take take)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    alignas(8) char buffer[16384];
    bool read = true;
    for (;;) {
        const ssize_t filled = ::getdents64(fd, buffer, sizeof buffer);
        if (filled <= 0) {
            read = filled == 0;
            break;
        }
        for (ssize_t at = 0; at < filled;) {
            const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + at);
            at += entry->d_reclen;
            const std::string_view name(entry->d_name);
            if (name != "." && name != "..")
                take(name, entry->d_type);
        }
    }
    ::close(fd);
    return read;
}

}  // namespace

std::optional<FoundEntry> ListedEntry(std::string path, unsigned char type)
{
    // The kind of what a symbolic link points to; broken links, pipes and devices are no
    // matches. Only links, and entries whose kind the listing does not give, need a look.
    bool isFolder = type == DT_DIR;
    if (type == DT_LNK || type == DT_UNKNOWN) {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0 || !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)))
            return std::nullopt;
        isFolder = S_ISDIR(status.st_mode);
    } else if (type != DT_REG && type != DT_DIR) {
        return std::nullopt;
    }
    return FoundEntry{std::move(path), isFolder};
}

std::vector<FoundEntry> FindEntriesByExtension(const std::string& folder, const std::string& extension)
{
    std::vector<FoundEntry> found;
    const std::string suffix = AsciiLower("." + extension);
    const std::string native = NativePath(folder);
    if (native.empty())
        return found;
    // Entry paths are the folder's joined with the name, as the folder was written.
    const std::string prefix = native.back() == '/' ? native : native + '/';
    const bool listed = ListFolder(native, [&](std::string_view name, unsigned char type) {
        if (name.size() < suffix.size() || AsciiLower(std::string(name.substr(name.size() - suffix.size()))) != suffix)
            return;
        std::string path = prefix;
        path += name;
        if (std::optional<FoundEntry> entry = ListedEntry(std::move(path), type))
            found.push_back(std::move(*entry));
    });
    if (!listed)
        found.clear();
    // Directory order is not stable here; names in byte order are.
    std::sort(found.begin(), found.end(), [](const FoundEntry& a, const FoundEntry& b) { return a.path < b.path; });
    return found;
}

std::vector<std::string> FindFilesByExtension(const std::string& folder, const std::string& extension)
{
    return FilesAmong(FindEntriesByExtension(folder, extension));
}

std::vector<std::string> FilesAmong(std::vector<FoundEntry> entries)
{
    std::vector<std::string> files;
    for (FoundEntry& entry : entries) {
        if (!entry.isFolder)
            files.push_back(std::move(entry.path));
    }
    return files;
}

std::string ModulePathOf(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    std::error_code ec;
    fs::path path = fs::absolute(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : path.string();
}

const char* FileKindText(unsigned mode)
{
    if (S_ISDIR(mode))
        return "is a folder";
    if (S_ISFIFO(mode))
        return "is a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device";
    if (S_ISSOCK(mode))
        return "is a socket";
    return "is not a regular file";
}
