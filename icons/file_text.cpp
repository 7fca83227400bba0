// Whole-file text reading shared by the XML and JSON readers.
#include "icons/file_text.h"

#include "platform/files.h"

bool ReadFileTextBytes(const CString& path, std::string& bytes, std::string_view& used)
{
    std::string all;
    if (!ReadWholeFile(path.ToUtf8(), all))
        return false;
    bytes = std::move(all);
    used = bytes;
    used = used.substr(0, used.find('\0'));
    // The readers index text with 32-bit integers; longer text is treated as unreadable.
    constexpr size_t kMaxBytes = 1073741823;
    if (used.size() + 1 > kMaxBytes) {
        used = std::string_view();
        return true;
    }
    // Editors on Windows often start UTF-8 files with a byte-order mark; it is no content.
    if (used.substr(0, 3) == "\xEF\xBB\xBF")
        used.remove_prefix(3);
    return true;
}

bool ReadFileAsText(const CString& path, CString& text)
{
    std::string bytes;
    std::string_view used;
    if (!ReadFileTextBytes(path, bytes, used))
        return false;
    text = CString::FromUtf8(used);
    return true;
}
