// Test helper: every file below a folder with its bytes, by its path from there; what a run that
// must leave a folder as it found it is compared by.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/run_trellis.h"

inline std::map<std::string, std::string> FolderFiles(const std::filesystem::path& root)
{
    std::map<std::string, std::string> files;
    for (const std::filesystem::directory_entry& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).string()] = ReadFileBytes(entry.path());
    }
    return files;
}
