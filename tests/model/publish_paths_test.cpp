// Tests for the publish subfolder of a file's type and the rewriting of local file links.
#include "model/publish_paths.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "../test_printers.h"

namespace {

CStringArray Table(std::initializer_list<const char16_t*> entries)
{
    CStringArray table;
    for (const char16_t* entry : entries)
        table.Add(CString(entry));
    return table;
}

}  // namespace

TEST(GetPublishSubFolder, FollowsTheExtensionOfTheLastPathComponent)
{
    const struct {
        const char16_t* path;
        std::initializer_list<const char16_t*> table;
        const char16_t* folder;
    } cases[] = {
        // The last matching entry wins, and the folder comes back in lower case.
        {u"file://C:\\x\\photo.JPG", {u"jpg|Images", u"jpg|pics"}, u"pics"},
        {u"file://C:\\x\\photo.JPG", {u"JPG|Images", u"png|pics"}, u"images"},
        {u"C:\\x\\README", {u"|images", u"readme|docs"}, u""},
        {u"C:\\x.d\\README", {u"d\\readme|docs", u"d|docs"}, u""},
        {u"/home/ann/v1.2/notes", {u"2/notes|docs", u"2|docs"}, u""},
        {u"/home/ann/logo.PNG", {u"png|images"}, u"images"},
        {u"file:///home/ann/archive.tar.gz", {u"gz|downloads", u"tar.gz|archives"}, u"downloads"},
        {u"a.png", {}, u""},
        // An entry without a bar has an empty folder, even when it comes after a match.
        {u"a.png", {u"png|images", u"png"}, u""},
        // A second bar ends the folder.
        {u"a.png", {u"png|images|unused"}, u"images"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetPublishSubFolder(Table(c.table), CString(c.path)), CString(c.folder)) << CString(c.path).ToUtf8();
}

TEST(GetPublishSubFolder, LeavesTheStoredTableAlone)
{
    const CStringArray table = Table({u"PNG|Images"});
    EXPECT_EQ(GetPublishSubFolder(table, CString(u"x.png")), CString(u"images"));
    EXPECT_EQ(table[0], CString(u"PNG|Images"));
}

TEST(GetRealURL, PointsLocalFilesIntoTheirPublishFolder)
{
    const struct {
        const char16_t* url;
        std::initializer_list<const char16_t*> table;
        const char16_t* published;
    } cases[] = {
        {u"file://C:\\Pictures\\logo.png", {u"png|images"}, u"./images/logo.png"},
        {u"file://C:\\Pictures\\logo.png", {}, u"./logo.png"},
        {u"file://C:\\a\\b\\c.gif", {}, u"./c.gif"},
        {u"file://C:\\a\\b\\c.gif", {u"gif|img"}, u"./img/c.gif"},
        // Files picked on this system: "/" separates as "\" does.
        {u"file:///home/ann/logo.png", {u"png|images"}, u"./images/logo.png"},
        {u"file:///home/ann/logo.png", {u"jpg|images"}, u"./logo.png"},
        {u"file://C:\\a/b\\c.pdf", {u"pdf|docs"}, u"./docs/c.pdf"},
        // Text before the scheme stays; the folder is replaced where it stands.
        {u"see file:///srv/a.png", {}, u"see ./a.png"},
        // The scheme's own slashes are no folder.
        {u"file://logo.png", {u"png|images"}, u"file://logo.png"},
        // Other addresses pass unchanged, whatever their slashes.
        {u"mailto:someone", {u"png|images"}, u"mailto:someone"},
        {u"smartlink://back", {}, u"smartlink://back"},
        {u"http://example.com/a/logo.png", {u"png|images"}, u"http://example.com/a/logo.png"},
        {u"index.html", {u"html|pages"}, u"index.html"},
        {u"", {}, u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetRealURL(Table(c.table), CString(c.url)), CString(c.published)) << CString(c.url).ToUtf8();
}
