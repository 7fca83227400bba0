// POSIX implementations of the file operations the framework used to provide.
#include "platform/files.h"

#include "platform/staged_files.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

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
    struct stat st;
    if (::fstat(fd, &st) == 0 && static_cast<uintmax_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return Fail(error, "is larger than " + Megabytes(maxBytes));
    }
    std::string all(static_cast<size_t>(st.st_size), '\0');
    size_t used = 0;
    for (;;) {
        // Room for one more byte than the size said, to see the end (or a file that grows).
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

std::vector<FoundEntry> FindEntriesByExtension(const std::string& folder, const std::string& extension)
{
    std::vector<FoundEntry> found;
    const std::string suffix = AsciiLower("." + extension);
    std::error_code ec;
    fs::directory_iterator it(NativePath(folder), ec);
    if (ec)
        return found;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name.size() < suffix.size() || AsciiLower(name.substr(name.size() - suffix.size())) != suffix)
            continue;
        // The kind of what a symbolic link points to; broken links, pipes and devices are no matches.
        std::error_code statError;
        const fs::file_status status = entry.status(statError);
        if (statError || !(fs::is_regular_file(status) || fs::is_directory(status)))
            continue;
        found.push_back({entry.path().string(), fs::is_directory(status)});
    }
    // Directory order is not stable here; names in byte order are.
    std::sort(found.begin(), found.end(), [](const FoundEntry& a, const FoundEntry& b) { return a.path < b.path; });
    return found;
}

std::vector<std::string> FindFilesByExtension(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> files;
    for (FoundEntry& entry : FindEntriesByExtension(folder, extension)) {
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
