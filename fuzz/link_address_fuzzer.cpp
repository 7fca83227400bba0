// libFuzzer target: any stored link address must read into a kind and compose back without fault.
#include <cstddef>
#include <cstdint>

#include "editor/link_address.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says which pages and bookmarks the site has; the rest is the address.
    const uint8_t answers = data[0];
    const CString url = FuzzTextFromUtf8(data + 1, size - 1);
    LinkSite site;
    site.hasPage = [answers](const CString& page) { return (answers & 1) && !page.IsEmpty(); };
    site.hasBookmark = [answers](const CString& page, const CString& bookmark) {
        return (answers & (page.IsEmpty() ? 2 : 4)) && (bookmark.IsEmpty() || (answers & 8));
    };
    const LinkAddress read = ReadLinkAddress(url, site);

    FuzzRequire(read.smartLink >= 0 && read.smartLink < static_cast<int>(kSmartLinks.size()));
    FuzzRequire(read.kind != LinkKind::Page || read.lookedUpAsPage);
    FuzzRequire(read.hasBookmark == (read.kind == LinkKind::Page && url.Find(u'#') >= 0));
    // A file link's path survives OK composing it again.
    if (read.kind == LinkKind::File)
        FuzzRequire(ReadLinkAddress(FileAddress(read.fileName), site).fileName == read.fileName);
    // The empty bookmark entry leaves no bookmark behind.
    FuzzRequire(AddressWithBookmark(url, CString(), read.kind).Find(u'#') < 0);
    StartingAddress(read.kind, url);
    return 0;
}
