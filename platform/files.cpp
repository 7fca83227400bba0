// POSIX implementations of the file operations the framework used to provide.
#include "platform/files.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string NativePath(const std::string& path)
{
    std::string native = path;
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

std::string NativePath(const CString& path) { return NativePath(path.ToUtf8()); }

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error)
{
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in || IsFolder(path)) {
        if (error)
            *error = IsFolder(path) ? "is a folder" : std::strerror(errno);
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    if (in.bad()) {
        if (error)
            *error = "read error";
        return false;
    }
    bytes = std::move(all).str();
    return true;
}

namespace {

// A new, empty file beside `target` whose name no one else uses; its path, or empty (errno set).
std::string MakeTemporaryBeside(const std::string& target, int& fd)
{
    std::string temporary = target + ".tmp-XXXXXX";
    fd = mkstemp(temporary.data());
    return fd < 0 ? std::string() : temporary;
}

// Puts a finished temporary file in place of the target; the temporary goes either way.
bool ReplaceWith(const std::string& temporary, const std::string& target, std::string* error)
{
    if (std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    if (error)
        *error = std::strerror(errno);
    ::unlink(temporary.c_str());
    return false;
}

bool Fail(std::string* error, int code)
{
    if (error)
        *error = std::strerror(code);
    return false;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    const std::string target = NativePath(path);
    int fd = -1;
    const std::string temporary = MakeTemporaryBeside(target, fd);
    if (fd < 0)
        return Fail(error, errno);
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int code = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(temporary.c_str());
            return Fail(error, code);
        }
        written += static_cast<size_t>(n);
    }
    // Files made here are ordinary user files, not private ones as mkstemp makes them.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    if (::close(fd) != 0 || !synced) {
        const int code = synced ? errno : syncError;
        ::unlink(temporary.c_str());
        return Fail(error, code);
    }
    return ReplaceWith(temporary, target, error);
}

// Copied beside the target first, so that a copy that fails half-way leaves the old target whole.
bool CopyFileReplacing(const std::string& from, const std::string& to)
{
    const std::string target = NativePath(to);
    int fd = -1;
    const std::string temporary = MakeTemporaryBeside(target, fd);
    if (fd < 0)
        return false;
    ::close(fd);
    std::error_code ec;
    if (!fs::copy_file(NativePath(from), temporary, fs::copy_options::overwrite_existing, ec) || ec) {
        ::unlink(temporary.c_str());
        return false;
    }
    return ReplaceWith(temporary, target, nullptr);
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
