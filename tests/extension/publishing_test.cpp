// Publishing assets: linked local files copied into the publish subfolders, and the help document path.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../test_printers.h"
#include "extension/corvane_extension.h"
#include "extension/help_document.h"
#include "tests/support/temporary_folder.h"

namespace fs = std::filesystem;

namespace {

class Publishing : public testing::Test {
protected:
    Publishing() : object(SecondGeneration())
    {
        for (const char* name : {"b.pdf", "photo.JPG", "button.pdf", "deep.pdf", "plain"})
            root.Write(std::string("src/") + name, name);
    }

    CString Link(const char* name) const { return CString::FromUtf8("file://" + (root / "src" / name).string()); }
    CString Destination() const { return CString::FromUtf8((root / "out").string() + "/"); }

    TemporaryFolder root{"trellis-publish"};
    CCorvaneExtension object;
};

TEST_F(Publishing, CopiesLinkedFilesOfGroupsAndLinksIntoTheirSubfolders)
{
    CStringArray table;
    table.Add(CString(u"pdf|docs"));
    table.Add(CString(u"jpg|Images"));
    table.Add(CString(u"jpg|pics"));
    object.SetPublishFolders(table);
    CMenuItem& group = object.m_arrButtons[0].m_arrItems[0];
    group.m_arrItems[0].m_strURL = Link("b.pdf");
    group.m_arrItems[1].m_strURL = Link("photo.JPG");
    group.m_arrItems[2].m_strURL = Link("missing.pdf");  // ignored, the walk goes on
    group.m_arrItems[3].m_strURL = Link("plain");
    object.m_arrButtons[1].m_arrItems[1].m_strURL = Link("b.pdf");  // a group's own slot
    object.m_arrButtons[2].m_strURL = Link("button.pdf");           // buttons are not looked at
    CMenuItem deep;
    deep.m_strURL = Link("deep.pdf");                                // nor nodes below links
    group.m_arrItems[3].m_arrItems.Add(deep);

    EXPECT_EQ(object.CopyFiles(Destination().GetString(), nullptr), 1);
    fs::path out = root / "out";
    EXPECT_TRUE(fs::exists(out / "docs" / "b.pdf"));
    EXPECT_TRUE(fs::exists(out / "pics" / "photo.JPG"));
    EXPECT_FALSE(fs::exists(out / "Images"));
    EXPECT_TRUE(fs::exists(out / "plain"));
    EXPECT_FALSE(fs::exists(out / "docs" / "button.pdf"));
    EXPECT_FALSE(fs::exists(out / "docs" / "deep.pdf"));
    EXPECT_FALSE(fs::exists(out / "docs" / "missing.pdf"));

    // The published link points where the copy went.
    EXPECT_EQ(object.GetRealURL(Link("b.pdf").GetString()), CString(u"./docs/b.pdf"));
    EXPECT_EQ(object.GetRealURL(Link("photo.JPG").GetString()), CString(u"./pics/photo.JPG"));
}

TEST_F(Publishing, CopiesToTheDestinationItselfWithoutATableEntryAndReplacesOldCopies)
{
    object.m_arrButtons[0].m_arrItems[0].m_arrItems[0].m_strURL = Link("b.pdf");
    root.Write("out/b.pdf", "old");
    object.CopyFiles(Destination().GetString(), u"");
    std::ifstream copy(root / "out" / "b.pdf");
    std::string text;
    copy >> text;
    EXPECT_EQ(text, "b.pdf");
}

// A file that is there but cannot be copied (here the place of its copy is taken by a folder)
// makes the result 0; the other copies are still made.
TEST_F(Publishing, AFailedCopyOfAnExistingFileIsReported)
{
    CArray<CMenuItem>& links = object.m_arrButtons[0].m_arrItems[0].m_arrItems;
    links[0].m_strURL = Link("b.pdf");
    links[1].m_strURL = Link("plain");
    root.MakeFolder("out/b.pdf");
    EXPECT_EQ(object.CopyFiles(Destination().GetString(), u""), 0);
    EXPECT_TRUE(fs::exists(root / "out" / "plain"));
    EXPECT_TRUE(fs::is_directory(root / "out" / "b.pdf"));
}

TEST_F(Publishing, PreparesTheSubfolderWithItsParents)
{
    CStringArray table;
    table.Add(CString(u"png|assets/images"));
    object.SetPublishFolders(table);
    CString destination = CString::FromUtf8((root / "a" / "b").string() + "/");
    EXPECT_EQ(object.PrepareImagesFolder(destination.GetString(), u"C:\\x\\logo.PNG"), CString(u"assets/images/"));
    EXPECT_TRUE(fs::is_directory(root / "a" / "b" / "assets" / "images"));
    EXPECT_TRUE(object.PrepareImagesFolder(destination.GetString(), u"C:\\x\\README").IsEmpty());
}

TEST(HelpDocument, LiesBesideTheModuleAsPdf)
{
    EXPECT_EQ(HelpDocumentPath("/opt/corvane/Trellisv2.cvx64"), "/opt/corvane/Trellisv2.pdf");
    EXPECT_EQ(HelpDocumentPath("/opt/corvane/Trellis.cvx"), "/opt/corvane/Trellis.pdf");
    EXPECT_EQ(HelpDocumentPath("/opt/x.ucvx"), "/opt/x.pdf");
    EXPECT_EQ(HelpDocumentPath("/a.cvx64/b.cvx64"), "/a.pdf/b.pdf");
    EXPECT_EQ(HelpDocumentPath("/opt/plugin.so"), "/opt/plugin.so");
}

}  // namespace
