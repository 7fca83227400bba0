// Reading a stored link address into the link editor's kind and fields, and composing it back.
#include "editor/link_address.h"

namespace {

// The page an address without a scheme names: the file name after its last '/', without the
// extension ("old" for "../shop/./Archive/old.php").
CString PageNameIn(const CString& url)
{
    CString name = url.Mid(url.ReverseFind(u'/') + 1);
    if (const int dot = name.ReverseFind(u'.'); dot >= 0)
        name = name.Left(dot);
    return name;
}

LinkAddress ReadSchemeAddress(const CString& url, int colon)
{
    LinkAddress read;
    // Schemes are ASCII, compared without regard to case.
    CString scheme = url.Left(colon);
    scheme.MakeLower();
    if (scheme == u"mailto") {
        read.kind = LinkKind::Email;
    } else if (scheme == u"file") {
        read.kind = LinkKind::File;
        // OK composes "file://" and the path again. An address spelled "FILE://" or without the
        // slashes must still keep its path instead of losing it on the way.
        CString lower = url;
        lower.MakeLower();
        const int slashes = lower.Find(kFilePrefix);
        read.fileName = slashes >= 0 ? url.Mid(slashes + static_cast<int>(kFilePrefix.size())) : url.Mid(colon + 1);
    } else if (scheme == u"smartlink") {
        read.kind = LinkKind::SmartLink;
        for (size_t i = 0; i < kSmartLinks.size(); ++i) {
            if (url == kSmartLinks[i].address)
                read.smartLink = static_cast<int>(i);
        }
    }
    return read;
}

}  // namespace

LinkAddress ReadLinkAddress(const CString& url, const LinkSite& site)
{
    if (const int colon = url.Find(u':'); colon >= 0)
        return ReadSchemeAddress(url, colon);

    LinkAddress read;
    read.lookedUpAsPage = true;
    if (url.Find(u"./") >= 0) {
        const CString name = PageNameIn(url);
        if (site.hasPage && site.hasPage(name)) {
            read.kind = LinkKind::Page;
            read.page = name;
        }
    }
    // A bookmark the page does not offer leaves a web address, even when the page is known.
    if (const int hash = url.Find(u'#'); hash >= 0) {
        const CString bookmark = url.Mid(hash + 1);
        if (site.hasBookmark && site.hasBookmark(read.page, bookmark)) {
            read.kind = LinkKind::Page;
            read.bookmark = bookmark;
            read.hasBookmark = true;
        } else {
            read.kind = LinkKind::WebAddress;
        }
    }
    return read;
}

CString StartingAddress(LinkKind kind, const CString& previous)
{
    switch (kind) {
    case LinkKind::WebAddress:
        return previous.Find(u"./") >= 0 ? previous : CString(kHttpPrefix);
    case LinkKind::Page: return CString();
    case LinkKind::Email: return CString(kMailtoPrefix);
    case LinkKind::File: return CString(kFilePrefix);
    case LinkKind::SmartLink: return previous;
    }
    return previous;
}

CString FileAddress(const CString& fileName)
{
    return CString(kFilePrefix) + fileName;
}

CString AddressWithBookmark(const CString& url, const CString& bookmark, LinkKind kind)
{
    const int hash = url.Find(u'#');
    if (bookmark.IsEmpty())
        return hash >= 0 ? url.Left(hash) : url;
    if (kind != LinkKind::Page)
        return url;
    return (hash >= 0 ? url.Left(hash) : url) + u'#' + bookmark;
}
