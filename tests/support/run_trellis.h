// Runs the built trellis program with arguments in a work folder and collects its exit status and output.
#pragma once

#include <fcntl.h>
#include <link.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/temporary_folder.h"

extern char** environ;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Runs any program (a path) with arguments in the work folder.
inline RunResult RunProgram(std::string program, const std::vector<std::string>& args,
                            const std::filesystem::path& workFolder)
{
    std::filesystem::path outPath = workFolder / "stdout.txt";
    std::filesystem::path errPath = workFolder / "stderr.txt";
    std::vector<char*> argv{program.data()};
    std::vector<std::string> copies(args);
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The program runs in the work folder, so that relative output paths land there too.
    posix_spawn_file_actions_addchdir_np(&actions, workFolder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    RunResult result;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadFileBytes(outPath);
    result.err = ReadFileBytes(errPath);
    return result;
}

inline RunResult RunTrellis(const std::vector<std::string>& args, const std::filesystem::path& workFolder)
{
    return RunProgram(std::string(TRELLIS_BIN_DIR) + "/trellis", args, workFolder);
}

// The path of a shared library this program has loaded whose file name begins with `prefix`
// ("libm.so"), wherever the system keeps it; empty when none is loaded.
inline std::string LoadedLibraryPath(const std::string& prefix)
{
    struct Search {
        const std::string* prefix;
        std::string found;
    } search{&prefix, {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            const std::string path = info->dlpi_name ? info->dlpi_name : "";
            if (std::filesystem::path(path).filename().string().rfind(*s->prefix, 0) != 0)
                return 0;
            s->found = path;
            return 1;
        },
        &search);
    return search.found;
}
