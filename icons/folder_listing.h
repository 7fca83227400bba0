// Searches of icon library folders, answered from a listing kept for as long as the folder is unchanged.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

// The same matches as FindEntriesByExtension. Every icon drawn or published looks up its
// library's font file, so the names in a folder are listed once and listed again only when the
// folder itself changes: a file added, removed or renamed in it, or another folder put at its
// path. A file replaced in place keeps its name, and the readers of the file check it themselves.
std::vector<FoundEntry> FindLibraryEntries(const std::string& folder, const std::string& extension);

// The same search, files only: their full paths.
std::vector<std::string> FindLibraryFiles(const std::string& folder, const std::string& extension);
