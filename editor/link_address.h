// The one URL a link stores, read as what the link editor shows (the kind of link and its page,
// bookmark, file, mail address or smart link) and composed back from it. No widgets here.
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "platform/cstring.h"

// The kinds of link. The first four are the entries of the Link To list, in order; a stored smart
// link has no entry of its own.
enum class LinkKind { WebAddress = 0, Page = 1, Email = 2, File = 3, SmartLink = 4 };

inline constexpr std::u16string_view kHttpPrefix = u"http://";
inline constexpr std::u16string_view kMailtoPrefix = u"mailto:";
inline constexpr std::u16string_view kFilePrefix = u"file://";

struct SmartLink {
    const char* entry;        // what the Type list shows
    const char16_t* address;  // the stored form, matched exactly
};

inline constexpr std::array<SmartLink, 8> kSmartLinks{{
    {"Parent Page", u"smartlink://parent"},
    {"Child Page", u"smartlink://child"},
    {"Next Page", u"smartlink://next"},
    {"Previous Page ", u"smartlink://previous"},
    {"Back", u"smartlink://back"},
    {"Close the current browser window", u"smartlink://close"},
    {"Print the current page", u"smartlink://print"},
    {"Reload Page", u"smartlink://reload"},
}};

// What reading an address asks of the site the link lives in.
struct LinkSite {
    // Whether the site has a page of this name.
    std::function<bool(const CString& page)> hasPage;
    // Whether `bookmark` is one of the bookmarks `page` offers, or, for an empty `page`, one of the
    // page being edited. An empty bookmark stands for the list's empty entry, which every page offers.
    std::function<bool(const CString& page, const CString& bookmark)> hasBookmark;
};

// An address as the link editor shows it.
struct LinkAddress {
    LinkKind kind = LinkKind::WebAddress;
    // Set when the address has no scheme and so was looked up as a page of the site; only then are
    // `page` and `bookmark` read.
    bool lookedUpAsPage = false;
    // The page the address names ("about" for "./about.html#team") when the site has it, even if
    // its bookmark is unknown and the address is kept as a web address.
    CString page;
    // The bookmark after '#', spelled as the address spells it, when the page offers it.
    CString bookmark;
    bool hasBookmark = false;
    CString fileName;    // for a file: the path after "file://" (any case) or after "file:"
    int smartLink = 0;   // for a smart link: its index in kSmartLinks, the first when none matches
};

// Reads a stored address. A scheme decides mail, file and smart links and keeps any other address
// a web address; an address without one is a page of the site when its "./" path names a page or
// its "#bookmark" names a bookmark, and a web address otherwise.
LinkAddress ReadLinkAddress(const CString& url, const LinkSite& site);

// The address a link starts with when the user picks `kind` instead of the kind it had: a bare
// "http://" (a relative "./" address is kept), no address for a page, "mailto:", "file://"; a smart
// link keeps `previous`.
CString StartingAddress(LinkKind kind, const CString& previous);

// The stored form of a file link.
CString FileAddress(const CString& fileName);

// `url` with its "#bookmark" part replaced by `bookmark`, or removed for an empty one. Only a page
// address gains a bookmark; any other keeps its address when one is chosen.
CString AddressWithBookmark(const CString& url, const CString& bookmark, LinkKind kind);
