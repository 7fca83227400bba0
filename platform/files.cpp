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

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error)
{
    std::string target = NativePath(path);
    std::string temporary = target + ".tmp-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        if (error)
            *error = std::strerror(errno);
        return false;
    }
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (error)
                *error = std::strerror(errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    // Files made here are ordinary user files, not private ones as mkstemp makes them.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        if (error)
            *error = std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        if (error)
            *error = std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

bool CopyFileReplacing(const std::string& from, const std::string& to)
{
    std::error_code ec;
    return fs::copy_file(NativePath(from), NativePath(to), fs::copy_options::overwrite_existing, ec) && !ec;
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

std::vector<std::string> FindFilesByExtension(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> found;
    std::string suffix = "." + extension;
    std::transform(suffix.begin(), suffix.end(), suffix.begin(), [](unsigned char c) { return std::tolower(c); });
    std::error_code ec;
    fs::directory_iterator it(NativePath(folder), ec);
    if (ec)
        return found;
    for (const fs::directory_entry& entry : it) {
        std::error_code statError;
        if (!entry.is_regular_file(statError))  // follows symbolic links
            continue;
        std::string name = entry.path().filename().string();
        if (name.size() < suffix.size())
            continue;
        std::string tail = name.substr(name.size() - suffix.size());
        std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
        if (tail == suffix)
            found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
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
