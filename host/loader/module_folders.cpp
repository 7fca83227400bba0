// The program's own folder and the module folders, the latter fixed by the install layout at build time.
#include "host/loader/module_folders.h"

#include <unistd.h>

// Set by the build from the install layout; the fallback keeps a build without it working in its
// own tree.
#ifndef TRELLIS_MODULE_FOLDER_FROM_PROGRAM
#define TRELLIS_MODULE_FOLDER_FROM_PROGRAM "../lib/trellis/"
#endif

std::string ProgramFolder()
{
    std::vector<char> buffer(4096);
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer.data(), static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

std::vector<std::string> ModuleFolders()
{
    std::string beside = ProgramFolder();
    return {beside, beside + TRELLIS_MODULE_FOLDER_FROM_PROGRAM};
}
