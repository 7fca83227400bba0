// The page picker: the site tree, preselection, "LastExpanded", and that only pages can be chosen.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <functional>
#include <string>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "editor/page_picker.h"
#include "editor/site_pages.h"
#include "tests/editor/settings_sandbox.h"
#include "tests/editor/site_fixture.h"

namespace {

// The tree as indented lines, one per item.
QStringList Outline(const QTreeWidget& tree)
{
    QStringList lines;
    std::function<void(const QTreeWidgetItem*, int)> add = [&](const QTreeWidgetItem* item, int depth) {
        lines.append(QString(depth * 2, QLatin1Char(' ')) + item->text(0));
        for (int i = 0; i < item->childCount(); ++i)
            add(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        add(tree.topLevelItem(i), 0);
    return lines;
}

// A double click as the mouse makes it: a click, then the second press.
void DoubleClick(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    const QPoint centre = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
}

class PagePicker : public ::testing::Test {
protected:
    void SetUp() override { UseSandboxSettings(); }
    std::unique_ptr<CXmlDocument> site = ParseSite(kSmallSite);
};

TEST_F(PagePicker, ShowsFoldersAndPagesOnlyAndLowersTheNamesItVisits)
{
    CSelectPageDlg picker(nullptr, site.get(), QString());
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Select Page"));
    EXPECT_EQ(Outline(*picker.Tree()), (QStringList{"Web Site", "  Home", "  Products", "    About", "    Archive",
                                                    "      Old", "  About"}));
    EXPECT_TRUE(picker.Tree()->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(picker.Tree()->topLevelItem(0)->child(1)->isExpanded());

    const CXmlElement* root = site->GetRootElement();
    auto child = root->m_children.begin();
    EXPECT_EQ(child->m_strName, u"page");
    EXPECT_EQ(child->m_children.front().m_strName, u"bookmark");
    EXPECT_EQ((++child)->m_strName, u"folder");
    // The skipped element's content is not visited at all.
    EXPECT_EQ((++child)->m_strName, u"extras");
    EXPECT_EQ(child->m_children.front().m_strName, u"page");
}

TEST_F(PagePicker, PreselectsTheFirstPageOfTheNameEvenInsideACollapsedFolder)
{
    CSelectPageDlg picker(nullptr, site.get(), QStringLiteral("about"));
    QTreeWidgetItem* current = picker.Tree()->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->parent()->text(0), QStringLiteral("Products"));
    EXPECT_TRUE(picker.OkButton()->isEnabled());

    picker.OkButton()->click();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    ASSERT_NE(picker.Result(), nullptr);
    EXPECT_EQ(ElementAttribute(*picker.Result(), QStringLiteral("url")), QStringLiteral("./about.html"));
    // The preselection's own expanding is not remembered as the user's.
    EXPECT_EQ(CSelectPageDlg::LastExpanded(), QString());
}

TEST_F(PagePicker, WithoutAChosenPageReopensTheFolderExpandedLast)
{
    {
        CSelectPageDlg first(nullptr, site.get(), QString());
        QTreeWidgetItem* archive = first.FindItem(QStringLiteral("Archive"));
        ASSERT_NE(archive, nullptr);
        first.Tree()->expandItem(archive);
        first.Tree()->expandItem(first.Tree()->topLevelItem(0));  // the site itself is never stored
    }
    EXPECT_EQ(CSelectPageDlg::LastExpanded(), QStringLiteral("Archive"));

    CSelectPageDlg again(nullptr, site.get(), kChoosePagePrompt);
    QTreeWidgetItem* archive = again.FindItem(QStringLiteral("archive"));
    EXPECT_TRUE(archive->isExpanded());
    EXPECT_TRUE(archive->parent()->isExpanded());

    // A name that is given but not found selects nothing and does not fall back to the last folder.
    CSelectPageDlg unknown(nullptr, site.get(), QStringLiteral("Nowhere"));
    EXPECT_FALSE(unknown.FindItem(QStringLiteral("Archive"))->isExpanded());
}

TEST_F(PagePicker, OpensWithThePageOrFolderInViewOfALargeSite)
{
    std::string xml = "<site>";
    for (int folder = 1; folder <= 10; ++folder) {
        xml += "<folder name=\"Folder " + std::to_string(folder) + "\">";
        for (int page = 1; page <= 30; ++page)
            xml += "<page name=\"Page " + std::to_string(folder) + "." + std::to_string(page) + "\" url=\"./p.html\"/>";
        xml += "</folder>";
    }
    auto large = ParseSite(xml + "</site>");

    // The chosen page shows in the middle of the tree, with pages before and after it in view.
    CSelectPageDlg picker(nullptr, large.get(), QStringLiteral("Page 6.15"));
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    const QRect view = picker.Tree()->viewport()->rect();
    const QRect item = picker.Tree()->visualItemRect(picker.Tree()->currentItem());
    EXPECT_TRUE(view.contains(item)) << item.y() << " in " << view.height();
    EXPECT_LE(std::abs(item.center().y() - view.center().y()), item.height()) << item.y() << " in " << view.height();

    // The folder expanded last is in view, though far down.
    picker.Tree()->expandItem(picker.FindItem(QStringLiteral("Folder 9")));
    CSelectPageDlg again(nullptr, large.get(), QString());
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    QTreeWidgetItem* folder = again.FindItem(QStringLiteral("Folder 9"));
    EXPECT_TRUE(folder->isExpanded());
    EXPECT_TRUE(again.Tree()->viewport()->rect().contains(again.Tree()->visualItemRect(folder)));
}

TEST_F(PagePicker, AFolderCanNeverBeChosen)
{
    CSelectPageDlg picker(nullptr, site.get(), QStringLiteral("Products"));
    picker.show();
    QTreeWidgetItem* folder = picker.Tree()->currentItem();
    ASSERT_EQ(folder->text(0), QStringLiteral("Products"));
    EXPECT_FALSE(picker.OkButton()->isEnabled());

    // Double-clicking the folder opens it and leaves the dialog open.
    DoubleClick(picker.Tree(), folder);
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(folder->isExpanded());
    EXPECT_EQ(CSelectPageDlg::LastExpanded(), QStringLiteral("Products"));

    // Selecting the site leaves the button as it was; selecting a page enables it.
    picker.Tree()->setCurrentItem(picker.Tree()->topLevelItem(0));
    EXPECT_FALSE(picker.OkButton()->isEnabled());
    QTreeWidgetItem* old = picker.FindItem(QStringLiteral("Old"));
    picker.Tree()->setCurrentItem(old);
    EXPECT_TRUE(picker.OkButton()->isEnabled());

    DoubleClick(picker.Tree(), old);
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(ElementAttribute(*picker.Result(), QStringLiteral("name")), QStringLiteral("Old"));
}

TEST_F(PagePicker, AnEmptySiteOnlyLetsTheUserCancel)
{
    for (CXmlDocument* structure : {static_cast<CXmlDocument*>(nullptr), ParseSite("").release()}) {
        std::unique_ptr<CXmlDocument> owned(structure);
        CSelectPageDlg picker(nullptr, structure, QString());
        picker.show();
        EXPECT_EQ(Outline(*picker.Tree()), QStringList{"Web Site"});
        picker.Tree()->setCurrentItem(picker.Tree()->topLevelItem(0));
        picker.OkButton()->click();
        DoubleClick(picker.Tree(), picker.Tree()->topLevelItem(0));
        EXPECT_TRUE(picker.isVisible());
        EXPECT_EQ(picker.Result(), nullptr);
        picker.reject();
    }
}

TEST_F(PagePicker, GrowsButNeverShrinksBelowItsFirstSize)
{
    CSelectPageDlg picker(nullptr, site.get(), QString());
    picker.show();
    const QSize first = picker.size();
    EXPECT_EQ(picker.minimumSize(), first);
    EXPECT_TRUE(picker.isSizeGripEnabled());
    const QSize tree = picker.Tree()->size();
    const QPoint ok = picker.OkButton()->mapTo(&picker, QPoint());
    const QPoint cancel = picker.findChild<QPushButton*>("ctl2")->mapTo(&picker, QPoint());

    // The tree follows both edges; OK and Cancel move with the bottom-right corner.
    picker.resize(first + QSize(200, 150));
    QApplication::processEvents();
    EXPECT_EQ(picker.Tree()->size(), tree + QSize(200, 150));
    EXPECT_EQ(picker.OkButton()->mapTo(&picker, QPoint()), ok + QPoint(200, 150));
    EXPECT_EQ(picker.findChild<QPushButton*>("ctl2")->mapTo(&picker, QPoint()), cancel + QPoint(200, 150));

    picker.resize(first - QSize(100, 100));
    EXPECT_EQ(picker.size(), first);
}

}  // namespace
