// Writes that change a set of files all or nothing, and the temporary files they work with.
#pragma once

#include <string>
#include <vector>

// Files written completely beside their destinations and moved into place together, in the order
// they were added, when Commit is called. Until then no destination changes; a failure at any
// point, in Commit included, leaves every destination as it was and removes the temporaries.
//
// A temporary is an unnamed file where the file system allows it (a process that dies leaves
// nothing), else a hidden file named by TemporaryName; Commit names unnamed ones only for the
// moment of the move. A destination that is a symbolic link stays one: the file it points to is
// replaced. A replaced file keeps its permissions; a new one gets the ordinary ones (0666 less umask).
class StagedFiles {
public:
    StagedFiles() = default;
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // Each is false, with the reason, when the file cannot be written whole; the set stays usable.
    bool Write(const std::string& target, const std::string& bytes, std::string* error = nullptr);
    bool Copy(const std::string& from, const std::string& target, std::string* error = nullptr);
    // Like Write, for a file read earlier that must still hold `expected` when it is replaced:
    // Commit fails, and puts back every file, when by then it holds anything else, is gone, or has
    // lost its write permission.
    bool Replace(const std::string& target, const std::string& bytes, const std::string& expected,
                 std::string* error = nullptr);
    // Takes over a finished file that someone else wrote on the same file system (inside a folder
    // from MakeStagingFolder): it is moved to the target on Commit, removed otherwise.
    bool Adopt(const std::string& finished, const std::string& target, std::string* error = nullptr);

    // Moves every file into place, making missing folders on the way; on failure puts back what
    // had moved. The error names the file that failed.
    bool Commit(std::string* error = nullptr);

    size_t Size() const { return m_entries.size(); }

private:
    struct Entry {
        std::string target;        // links resolved
        std::string temporary;     // the named temporary, or empty while it is unnamed
        int fd = -1;               // the unnamed temporary, until Commit names it
        bool holdsOld = false;     // after the move, `temporary` holds the replaced file
        bool created = false;      // after the move, the target is new
        std::vector<std::string> madeFolders;
        bool checked = false;      // the target must hold `expected` and be writable when it is moved
        std::string expected;
    };
    bool Stage(const std::string& target, int sourceFd, const std::string* bytes, std::string* error);
    bool MoveIntoPlace(Entry& entry, std::string* error);
    static bool StillAsRead(const Entry& entry, const std::string& path, std::string* error);
    void PutBack(Entry& entry);
    void Discard();

    std::vector<Entry> m_entries;
};

// The hidden name of a temporary of this process for `baseName` (a file name, or empty for a
// folder of its own): ".trellis-PID-XXXXXX-baseName", with XXXXXX random. The process number
// lets a later run tell a temporary left by a process that died from one that is still at work.
std::string TemporaryName(const std::string& baseName);

// Removes the temporaries of processes that no longer run, files and folders, from the folder
// (and, when `recursive`, its subfolders; links are not followed). With a base name, only the
// temporaries of that file. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& folder, bool recursive, const std::string& baseName = {});

// Makes a new, empty folder inside `parent` named by TemporaryName(""); its path with a trailing
// "/", or empty text (and the reason) when it cannot be made.
std::string MakeStagingFolder(const std::string& parent, std::string* error = nullptr);

// Removes a folder and everything in it; for staging folders.
void RemoveFolderTree(const std::string& folder);
