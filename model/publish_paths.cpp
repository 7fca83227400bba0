// Publish subfolders by file type, and the rewriting of local file links into published addresses.
#include "model/publish_paths.h"

#include <string_view>

namespace {

// Projects made on Windows hold "\" paths, local files picked here hold "/" paths: both
// separate path components.
constexpr std::u16string_view kSeparators = u"\\/";
constexpr std::u16string_view kFileScheme = u"file://";

// The extension as the C runtime's path splitter finds it: from the last "." of the last
// component, after a drive prefix "X:". Empty when there is none.
std::u16string_view Extension(std::u16string_view path)
{
    const size_t drive = (path.size() >= 2 && path[1] == u':') ? 2 : 0;
    const size_t separator = path.find_last_of(kSeparators);
    const size_t name = (separator == std::u16string_view::npos || separator < drive) ? drive : separator + 1;
    const size_t dot = path.rfind(u'.');
    if (dot == std::u16string_view::npos || dot < name)
        return {};
    return path.substr(dot);
}

// Equal once both are lower-cased as MakeLower does.
bool EqualNoCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerOf(a[i]) != LowerOf(b[i]))
            return false;
    }
    return true;
}

void AppendLower(CString& out, std::u16string_view text)
{
    for (char16_t ch : text)
        out += LowerOf(ch);
}

// The folder field of the publish table entry for the path's extension, as stored (not yet
// lower-cased); empty when there is none. Read in place, as local links are rewritten for every
// link of a menu.
std::u16string_view FindSubFolder(const CStringArray& publishFolders, std::u16string_view path)
{
    const std::u16string_view found = Extension(path);
    if (found.empty())
        return {};
    const std::u16string_view extension = found.substr(1);  // without its "."

    // Every entry is compared, so the last one for an extension decides.
    std::u16string_view folder;
    for (const CString& stored : publishFolders) {
        const std::u16string_view entry = stored.view();
        const size_t bar = entry.find(u'|');
        if (!EqualNoCase(entry.substr(0, bar), extension))
            continue;
        if (bar == std::u16string_view::npos) {
            folder = {};
            continue;
        }
        // A second bar ends the folder.
        const size_t end = entry.find(u'|', bar + 1);
        folder = entry.substr(bar + 1, end == std::u16string_view::npos ? end : end - bar - 1);
    }
    return folder;
}

}  // namespace

CString GetPublishSubFolder(const CStringArray& publishFolders, const CString& path)
{
    CString folder;
    AppendLower(folder, FindSubFolder(publishFolders, path.view()));
    return folder;
}

void AppendRealURL(CString& out, const CStringArray& publishFolders, const CString& url)
{
    const std::u16string_view text = url.view();
    const size_t scheme = text.find(kFileScheme);
    // The local folder runs up to the last separator after "file://" itself; the scheme's own
    // slashes do not count, so "file://logo.png" has no folder to replace.
    const size_t separator = scheme == std::u16string_view::npos ? scheme : text.find_last_of(kSeparators);
    if (separator == std::u16string_view::npos || separator < scheme + kFileScheme.size()) {
        out += text;
        return;
    }
    const std::u16string_view folder = text.substr(scheme, separator - scheme + 1);
    const std::u16string_view subFolder = FindSubFolder(publishFolders, text);

    // Every occurrence of the folder, left to right, becomes "./" and the lower-cased subfolder.
    size_t from = 0;
    for (size_t at = text.find(folder); at != std::u16string_view::npos; at = text.find(folder, from)) {
        out += text.substr(from, at - from);
        out += u"./";
        if (!subFolder.empty()) {
            AppendLower(out, subFolder);
            out += u'/';
        }
        from = at + folder.size();
    }
    out += text.substr(from);
}

CString GetRealURL(const CStringArray& publishFolders, const CString& url)
{
    CString result;
    AppendRealURL(result, publishFolders, url);
    return result;
}
