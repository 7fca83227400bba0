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

}  // namespace

CString GetPublishSubFolder(const CStringArray& publishFolders, const CString& path)
{
    const std::u16string_view found = Extension(path.view());
    if (found.empty())
        return CString();
    CString extension(found);
    extension.MakeLower();
    extension.Remove(u'.');

    // Every entry is compared, so the last one for an extension decides.
    CString folder;
    for (const CString& stored : publishFolders) {
        CString entry(stored);
        entry.MakeLower();
        const int bar = entry.Find(u'|');
        if ((bar < 0 ? entry : entry.Left(bar)) != extension)
            continue;
        if (bar < 0) {
            folder.Empty();
            continue;
        }
        const int end = entry.Find(u'|', bar + 1);
        folder = end < 0 ? entry.Mid(bar + 1) : entry.Mid(bar + 1, end - bar - 1);
    }
    return folder;
}

CString GetRealURL(const CStringArray& publishFolders, const CString& url)
{
    CString result(url);
    const int scheme = url.Find(kFileScheme);
    if (scheme < 0)
        return result;
    // The local folder runs up to the last separator after "file://" itself; the scheme's own
    // slashes do not count, so "file://logo.png" has no folder to replace.
    const size_t separator = url.view().find_last_of(kSeparators);
    if (separator == std::u16string_view::npos || separator < static_cast<size_t>(scheme) + kFileScheme.size())
        return result;
    const CString folder = url.Mid(scheme, static_cast<int>(separator) - scheme + 1);

    CString published(u"./");
    const CString subFolder = GetPublishSubFolder(publishFolders, url);
    if (!subFolder.IsEmpty()) {
        published += subFolder;
        published += u'/';
    }
    result.Replace(folder.view(), published.view());
    return result;
}
