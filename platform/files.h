// Files and folders: whole-file reads, all-or-nothing writes, copies, folder creation, file search.
#pragma once

#include <string>
#include <vector>

#include "platform/cstring.h"

// Paths made on Windows hold "\": on this platform every file operation treats it as "/".
std::string NativePath(const CString& path);
std::string NativePath(const std::string& path);

// Reads the whole file; false (and bytes untouched) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// Writes to a temporary file beside the target and renames it into place, so the target is
// either complete or untouched.
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Copies a file, replacing an existing target; false on any failure.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Creates one folder; false when it cannot be made (an existing folder included).
bool CreateOneFolder(const std::string& path);

bool FileExists(const std::string& path);
bool IsFolder(const std::string& path);

// One match of a folder search: its full path, and whether it is a folder (links followed).
struct FoundEntry {
    std::string path;
    bool isFolder = false;
};

// The files and folders in a folder whose names end with the given extension ("json", no dot),
// compared without case; symbolic links are followed; sorted by name in byte order. Broken links,
// pipes and devices are not matches.
std::vector<FoundEntry> FindEntriesByExtension(const std::string& folder, const std::string& extension);

// The same search, files only: their full paths.
std::vector<std::string> FindFilesByExtension(const std::string& folder, const std::string& extension);

// The full path of the shared object (or program) that holds the given address.
std::string ModulePathOf(const void* address);
