// Publishing into a site's pages through the library: the object's links put back after each depth,
// and a page that changes between reading and writing stopping the whole site.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "extension/corvane_extension.h"
#include "host/publish/publish_into_site.h"
#include "tests/support/run_trellis.h"

namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> Contents(const fs::path& root)
{
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        files[entry.path().lexically_relative(root).string()] = entry.is_regular_file() ? ReadFileBytes(entry.path()) : "/";
    return files;
}

class PublishIntoSite : public testing::Test {
protected:
    PublishIntoSite()
    {
        site.Write("index.html", "<head></head><!-- trellis M -->");
        site.Write("a/index.html", "<head></head><nav data-trellis=\"M\"></nav>");
        site.Write("a/b/index.html", "<head></head><nav data-trellis=\"M\"></nav>");
        settings.plugin = TRELLIS_BIN_DIR "/Trellisv2.cvx64";
        request.out = site.Path();
        request.name = "M";
    }
    PreparedSite Prepare(Session& session) { return PrepareSite(session, request, {}, HostFontFolders(settings)); }
    TemporaryFolder site{"trellis-into"};
    HostSettings settings;
    PublishRequest request;
};

TEST_F(PublishIntoSite, MovesTheLinksForEachDepthAndPutsThemBack)
{
    Session session = OpenSession(settings);
    CCorvaneExtension& menu = *session.object;
    // The default menu's first link, as a page link from the site's root.
    menu.SetURL(2, u"./a/index.html#top");
    std::vector<CString> slots;
    for (int i = 0; i < menu.GetURLCount(); ++i)
        slots.push_back(menu.GetURL(i));

    const PreparedSite prepared = Prepare(session);
    ASSERT_EQ(prepared.changed.size(), 3u);
    for (int i = 0; i < menu.GetURLCount(); ++i)
        EXPECT_EQ(menu.GetURL(i), slots[i]) << i;
    EXPECT_NE(prepared.changed[0].after.find("href=\"./a/index.html#top\""), std::string::npos);
    EXPECT_NE(prepared.changed[1].after.find("href=\"../a/index.html#top\""), std::string::npos);
    EXPECT_NE(prepared.changed[2].after.find("href=\"../../a/index.html#top\""), std::string::npos);
    // The buttons' column texts and the groups' markers are no addresses: the panels keep their columns.
    EXPECT_EQ(prepared.changed[2].after.find("../../0"), std::string::npos);
    EXPECT_EQ(prepared.changed[2].after.find("../../PARENT"), std::string::npos);
}

TEST_F(PublishIntoSite, APageChangedOrMadeReadOnlyAfterItWasReadStopsTheWholeSite)
{
    struct Change {
        const char* what;
        void (*make)(const fs::path& page);
    };
    const Change changes[] = {
        {"edited", [](const fs::path& page) { std::ofstream(page, std::ios::app) << "<p>an edit</p>"; }},
        {"made read-only", [](const fs::path& page) { ::chmod(page.c_str(), 0444); }},
    };
    for (const Change& change : changes) {
        Session session = OpenSession(settings);
        const PreparedSite prepared = Prepare(session);
        ASSERT_EQ(prepared.changed.size(), 3u);
        // Half way: after the pages were read and planned, before anything is written.
        change.make(site / "a/index.html");
        const auto before = Contents(site.Path());
        EXPECT_THROW(WriteSite(session, request, prepared), CommandError) << change.what;
        EXPECT_EQ(Contents(site.Path()), before) << change.what;
        ::chmod((site / "a/index.html").c_str(), 0644);
        site.Write("a/index.html", "<head></head><nav data-trellis=\"M\"></nav>");
    }
    Session session = OpenSession(settings);
    const WriteReport report = WriteSite(session, request, Prepare(session));
    EXPECT_EQ(report.written.size(), 4u);  // the stylesheet and three pages
}

}  // namespace
