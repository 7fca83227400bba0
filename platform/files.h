// Files and folders: whole-file reads, all-or-nothing writes, copies, folder creation, file search.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/cstring.h"

// Paths made on Windows hold "\": on this platform every file operation treats it as "/".
// Why a path that is not a regular file cannot be read as one ("is a pipe", "is a folder", ...),
// from its stat mode.
const char* FileKindText(unsigned mode);

std::string NativePath(const CString& path);
std::string NativePath(const std::string& path);

// What a file may hold unless its reader says otherwise: more is refused before it is read.
constexpr size_t kDefaultReadLimit = size_t(1) << 30;

// Reads the whole of a regular file; false (and bytes untouched) when it cannot be opened or
// read, when it is a folder, a pipe, a device or a socket ("is a pipe": such a file may never
// end), or when it holds more than maxBytes ("is larger than 64 MB").
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr,
                   size_t maxBytes = kDefaultReadLimit);

// Opens a regular file for reading without waiting on a pipe or a device; the descriptor, or -1
// with the reason ("is a device").
int OpenRegularFile(const std::string& path, std::string* error = nullptr);

// Writes the file beside the target and moves it into place, so the target is either complete
// or untouched (see StagedFiles, which also says what happens to links and permissions).
bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string* error = nullptr);

// Copies a file the same way, replacing an existing target; false, with the reason, on any failure.
bool CopyFileReplacing(const std::string& from, const std::string& to, std::string* error = nullptr);

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
// The match a listed folder entry makes (its full path and the kind the listing gave, a d_type
// value), links followed; none for a broken link, a pipe or a device.
std::optional<FoundEntry> ListedEntry(std::string path, unsigned char type);
// The paths of the files among a search's matches, in their order.
std::vector<std::string> FilesAmong(std::vector<FoundEntry> entries);

// The full path of the shared object (or program) that holds the given address.
std::string ModulePathOf(const void* address);
