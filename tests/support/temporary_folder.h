// Test helper: a fresh folder of one's own under the system's temporary folder, removed with all it holds.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

// Tests write only here, never into the working folder. A folder that cannot be made throws, which
// fails the test that asked for it (a fixture member fails the fixture's construction).
class TemporaryFolder {
public:
    explicit TemporaryFolder(std::string_view prefix = "trellis-test")
    {
        std::error_code ec;
        std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        if (ec)
            base = "/tmp";
        std::string pattern = (base / (std::string(prefix) + "-XXXXXX")).string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder " + pattern + ": " + std::strerror(errno));
        m_path = pattern;
    }
    ~TemporaryFolder() { RemoveAll(m_path); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& relative) const { return m_path / relative; }

    // Makes a folder inside (with its parents) and gives its path.
    std::filesystem::path MakeFolder(const std::string& relative) const
    {
        std::filesystem::path folder = m_path / relative;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec)
            throw std::runtime_error("cannot make the folder " + folder.string() + ": " + ec.message());
        return folder;
    }

    // Writes a file inside (making its folders) and gives its path.
    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const
    {
        std::filesystem::path file = m_path / relative;
        MakeFolder(file.parent_path().lexically_relative(m_path).string());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            throw std::runtime_error("cannot write the file " + file.string());
        return file;
    }

private:
    // Tests may leave folders without write permission behind; give it back so that everything goes.
    static void RemoveAll(const std::filesystem::path& root)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (fs::remove_all(root, ec) != static_cast<std::uintmax_t>(-1) && !ec)
            return;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
        for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec), end;
             !ec && it != end; it.increment(ec)) {
            std::error_code ignored;
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
        fs::remove_all(root, ec);
    }

    std::filesystem::path m_path;
};
