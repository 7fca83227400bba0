// Whole-file text reading shared by the XML and JSON readers.
#include "icons/file_text.h"

#include <string>
#include <string_view>

#include "platform/files.h"

bool ReadFileAsText(const CString& path, CString& text)
{
    std::string bytes;
    if (!ReadWholeFile(path.ToUtf8(), bytes))
        return false;
    std::string_view used(bytes);
    used = used.substr(0, used.find('\0'));
    // The readers index text with 32-bit integers; longer text is treated as unreadable.
    constexpr size_t kMaxBytes = 1073741823;
    if (used.size() + 1 > kMaxBytes) {
        text.Empty();
        return true;
    }
    // Editors on Windows often start UTF-8 files with a byte-order mark; it is no content.
    if (used.substr(0, 3) == "\xEF\xBB\xBF")
        used.remove_prefix(3);
    text = CString::FromUtf8(used);
    return true;
}
