// The link address rule on its own: stored URLs read into kind, page, bookmark, file and smart
// link, and the addresses composed back, against a site made of plain lists. No widgets.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editor/link_address.h"
#include "tests/test_printers.h"

namespace {

CString U(const char* text) { return CString::FromUtf8(text); }
std::string Utf8(const CString& text) { return text.ToUtf8(); }

// Pages by name and the bookmarks each offers; the page under "" is the one being edited. Bookmarks
// match without regard to ASCII case, as the editor's lists do. Records what was asked.
struct FakeSite {
    std::map<std::string, std::vector<std::string>> pages;
    std::vector<std::string> asked;

    LinkSite Lookup()
    {
        LinkSite site;
        site.hasPage = [this](const CString& page) {
            asked.push_back("page " + Utf8(page));
            return !page.IsEmpty() && pages.count(Utf8(page)) > 0;
        };
        site.hasBookmark = [this](const CString& page, const CString& bookmark) {
            asked.push_back("bookmark " + Utf8(page) + "#" + Utf8(bookmark));
            const auto found = pages.find(Utf8(page));
            if (found == pages.end())
                return false;
            if (bookmark.IsEmpty())
                return true;
            for (const std::string& name : found->second) {
                if (U(name.c_str()).CompareNoCase(bookmark) == 0)
                    return true;
            }
            return false;
        };
        return site;
    }
};

FakeSite SmallSite()
{
    return FakeSite{{{"", {"top", "Contact"}}, {"about", {"team", "history"}}, {"old", {}}}, {}};
}

struct ReadCase {
    const char* url;
    LinkKind kind;
    bool lookedUpAsPage;
    const char* page;
    const char* bookmark;  // "-" for none found
    const char* fileName;
    int smartLink;
};

TEST(LinkAddress, ReadsEachStoredForm)
{
    const ReadCase cases[] = {
        // A scheme decides, and no page is looked up; only the first colon counts.
        {"https://example.com/a:b", LinkKind::WebAddress, false, "", "-", "", 0},
        {"mailto:info@example.com", LinkKind::Email, false, "", "-", "", 0},
        {"MailTo:x@example.com", LinkKind::Email, false, "", "-", "", 0},
        {"ftp://example.com/file://x", LinkKind::WebAddress, false, "", "-", "", 0},
        // A file keeps its path however the scheme is spelled.
        {"file:///home/me/price list.pdf", LinkKind::File, false, "", "-", "/home/me/price list.pdf", 0},
        {"FILE://C:\\docs\\a.txt", LinkKind::File, false, "", "-", "C:\\docs\\a.txt", 0},
        {"file:notes.txt", LinkKind::File, false, "", "-", "notes.txt", 0},
        {"file:", LinkKind::File, false, "", "-", "", 0},
        // Smart links match their stored form exactly; anything else is the first.
        {"smartlink://previous", LinkKind::SmartLink, false, "", "-", "", 3},
        {"smartlink://reload", LinkKind::SmartLink, false, "", "-", "", 7},
        {"SmartLink://next", LinkKind::SmartLink, false, "", "-", "", 0},
        {"smartlink://Unknown", LinkKind::SmartLink, false, "", "-", "", 0},
        // Without a scheme: a page of the site, by the file name of its "./" path.
        {"./about.html", LinkKind::Page, true, "about", "-", "", 0},
        {"../shop/./Archive/old.php", LinkKind::Page, true, "old", "-", "", 0},
        {"./about.html#TEAM", LinkKind::Page, true, "about", "TEAM", "", 0},
        {"./about.html#", LinkKind::Page, true, "about", "", "", 0},
        // A bookmark of the page being edited, without a page named.
        {"#contact", LinkKind::Page, true, "", "contact", "", 0},
        // Unknown page or bookmark: a web address, the known page still reported.
        {"./missing.html", LinkKind::WebAddress, true, "", "-", "", 0},
        {"./about.html#nowhere", LinkKind::WebAddress, true, "about", "-", "", 0},
        {"./missing.html#top", LinkKind::Page, true, "", "top", "", 0},
        {"about.html", LinkKind::WebAddress, true, "", "-", "", 0},
        {"", LinkKind::WebAddress, true, "", "-", "", 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.url);
        FakeSite site = SmallSite();
        const LinkAddress read = ReadLinkAddress(U(c.url), site.Lookup());
        EXPECT_EQ(read.kind, c.kind);
        EXPECT_EQ(read.lookedUpAsPage, c.lookedUpAsPage);
        EXPECT_EQ(Utf8(read.page), c.page);
        EXPECT_EQ(read.hasBookmark, std::string(c.bookmark) != "-");
        EXPECT_EQ(Utf8(read.bookmark), std::string(c.bookmark) == "-" ? "" : c.bookmark);
        EXPECT_EQ(Utf8(read.fileName), c.fileName);
        EXPECT_EQ(read.smartLink, c.smartLink);
    }
}

TEST(LinkAddress, AsksTheSiteOnlyWhatTheAddressNames)
{
    // The bookmark is looked for on the page the address names, else on the page being edited.
    FakeSite site = SmallSite();
    ReadLinkAddress(U("./a.b/Archive.v2.html#x"), site.Lookup());
    EXPECT_EQ(site.asked, (std::vector<std::string>{"page Archive.v2", "bookmark #x"}));

    site.asked.clear();
    ReadLinkAddress(U("./about.html#team"), site.Lookup());
    EXPECT_EQ(site.asked, (std::vector<std::string>{"page about", "bookmark about#team"}));

    site.asked.clear();
    ReadLinkAddress(U("index.html"), site.Lookup());
    ReadLinkAddress(U("mailto:a@b#c"), site.Lookup());
    EXPECT_TRUE(site.asked.empty());

    // A page being edited offers nothing when there is none: the list has no empty entry either.
    FakeSite noCurrentPage{{{"about", {"team"}}}, {}};
    EXPECT_EQ(ReadLinkAddress(U("#"), noCurrentPage.Lookup()).kind, LinkKind::WebAddress);
    EXPECT_EQ(ReadLinkAddress(U("#team"), noCurrentPage.Lookup()).kind, LinkKind::WebAddress);

    // Without a site every address without a scheme is a web address.
    const LinkAddress alone = ReadLinkAddress(U("./about.html#team"), LinkSite{});
    EXPECT_EQ(alone.kind, LinkKind::WebAddress);
    EXPECT_TRUE(alone.page.IsEmpty());
}

TEST(LinkAddress, EverySmartLinkReadsBackAsItself)
{
    FakeSite site = SmallSite();
    for (size_t i = 0; i < kSmartLinks.size(); ++i) {
        SCOPED_TRACE(i);
        const LinkAddress read = ReadLinkAddress(CString(kSmartLinks[i].address), site.Lookup());
        EXPECT_EQ(read.kind, LinkKind::SmartLink);
        EXPECT_EQ(read.smartLink, static_cast<int>(i));
    }
}

TEST(LinkAddress, ComposesTheAddressesTheEditorStores)
{
    // Picking a kind starts its address afresh; a relative address survives a pick of web address.
    EXPECT_EQ(StartingAddress(LinkKind::WebAddress, U("mailto:a@b")), U("http://"));
    EXPECT_EQ(StartingAddress(LinkKind::WebAddress, U("./missing.html")), U("./missing.html"));
    EXPECT_EQ(StartingAddress(LinkKind::Page, U("http://example.com")), CString());
    EXPECT_EQ(StartingAddress(LinkKind::Email, U("./about.html#team")), U("mailto:"));
    EXPECT_EQ(StartingAddress(LinkKind::File, U("http://example.com")), U("file://"));
    EXPECT_EQ(StartingAddress(LinkKind::SmartLink, U("smartlink://back")), U("smartlink://back"));

    // A file link is "file://" and the path, whatever the path holds.
    EXPECT_EQ(FileAddress(U("/home/me/report.odt")), U("file:///home/me/report.odt"));
    EXPECT_EQ(FileAddress(U("C:\\a#b.txt")), U("file://C:\\a#b.txt"));
    FakeSite site = SmallSite();
    for (const char* path : {"/srv/a b.pdf", "C:\\docs\\a.txt", "notes.txt"})
        EXPECT_EQ(ReadLinkAddress(FileAddress(U(path)), site.Lookup()).fileName, U(path)) << path;

    // A bookmark replaces the page address's own, and the empty entry removes it.
    EXPECT_EQ(AddressWithBookmark(U("./about.html"), U("team"), LinkKind::Page), U("./about.html#team"));
    EXPECT_EQ(AddressWithBookmark(U("./about.html#team"), U("history"), LinkKind::Page), U("./about.html#history"));
    EXPECT_EQ(AddressWithBookmark(U("#top"), U("Contact"), LinkKind::Page), U("#Contact"));
    EXPECT_EQ(AddressWithBookmark(U("./about.html#team"), CString(), LinkKind::Page), U("./about.html"));
    EXPECT_EQ(AddressWithBookmark(U("./about.html"), CString(), LinkKind::Page), U("./about.html"));
    // Any other kind keeps its address on a pick, but still loses a "#..." to the empty entry.
    EXPECT_EQ(AddressWithBookmark(U("http://example.com/#a"), U("team"), LinkKind::WebAddress), U("http://example.com/#a"));
    EXPECT_EQ(AddressWithBookmark(U("http://example.com/#a"), CString(), LinkKind::WebAddress), U("http://example.com/"));
}

}  // namespace
