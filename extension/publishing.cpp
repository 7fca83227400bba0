// Publishing assets: the fonts and files a published page needs, and copies of linked local files.
#include "extension/corvane_extension.h"
#include "icons/builtin_icons.h"
#include "model/publish_paths.h"
#include "platform/files.h"

namespace {

bool IsSeparator(char16_t ch) { return ch == u'/' || ch == u'\\'; }

// Creates the folder and every missing parent; failures (an existing folder included) are ignored.
void CreateFolderPath(const CString& path)
{
    for (int i = 1; i < path.GetLength(); ++i) {
        if (IsSeparator(path[i]))
            CreateOneFolder(NativePath(path.Left(i)));
    }
    CreateOneFolder(NativePath(path));
}

CString FileNameOf(const CString& path)
{
    int last = -1;
    for (int i = 0; i < path.GetLength(); ++i) {
        if (IsSeparator(path[i]))
            last = i;
    }
    return path.Mid(last + 1);
}

}  // namespace

void CCorvaneExtension::IncludeFonts(CStringArray& fonts) { AddUnique(fonts, m_strFontName); }

void CCorvaneExtension::IncludeResource(CStringArray& resources)
{
    if (m_bInlineSVG == 0 && IsFontAwesome(m_strIconFont))
        AddUnique(resources, CString(u"fontawesome-webfont.ttf"));
}

CString CCorvaneExtension::GetFontLibrary() { return m_bInlineSVG == 0 ? m_strIconFont : CString(); }

CString CCorvaneExtension::GetPublishSubFolder(const char16_t* path) const
{
    return ::GetPublishSubFolder(m_arrPublishFolders, CString(path));
}

CString CCorvaneExtension::PrepareImagesFolder(const char16_t* destination, const char16_t* path) const
{
    CString sub = GetPublishSubFolder(path);
    // The folder is made even when there is no subfolder: the destination itself may be missing.
    CreateFolderPath(CString(destination) + sub);
    return sub.IsEmpty() ? sub : sub + u'/';
}

// A link to a file that is not there is left out, as before; a file that is there but could not
// be copied (a full disk, a folder that cannot be written) makes the result 0, so that the host
// does not take a failed copy for a published one.
int CCorvaneExtension::CopyFiles(const char16_t* destination, const char16_t*)
{
    CString target(destination);
    int result = 1;
    auto copyLinkedFile = [&](const CMenuItem& node) {
        int at = node.m_strURL.Find(u"file://");
        if (at < 0)
            return;
        CString source = node.m_strURL.Mid(at + 7);
        CString sub = PrepareImagesFolder(target.GetString(), source.GetString());
        if (!CopyFileReplacing(NativePath(source), NativePath(target + sub + FileNameOf(source))) &&
            FileExists(NativePath(source)))
            result = 0;
    };
    // Groups and their links are published; buttons and deeper nodes are not looked at.
    for (const CMenuItem& button : m_arrButtons) {
        for (const CMenuItem& child : button.m_arrItems) {
            copyLinkedFile(child);
            for (const CMenuItem& grandchild : child.m_arrItems)
                copyLinkedFile(grandchild);
        }
    }
    return result;
}
