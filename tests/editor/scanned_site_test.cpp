// A site structure scanned from a folder of pages, in the real page picker and link editor: the
// picked page link reopens as a page link with its bookmark.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "editor/link_editor_dialog.h"
#include "editor/page_picker.h"
#include "editor/qt_strings.h"
#include "host/site/site_folder.h"
#include "tests/editor/settings_sandbox.h"
#include "tests/editor/site_fixture.h"
#include "tests/support/temporary_folder.h"

namespace {

// The items below one in the picker's tree, by their texts.
QStringList Children(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

TEST(ScannedSite, APickedPageReopensAsAPageLinkWithItsBookmark)
{
    UseSandboxSettings();
    TemporaryFolder folder{"trellis-scanned"};
    folder.Write("home.html", "<h1 id=\"welcome\">Welcome</h1>");
    folder.Write("study/courses.html", "<h1 id=\"top\">Courses</h1>");
    folder.Write("study/ug/bsc-cs.html", "<h2 id=\"entry\">Entry</h2><section id=\"fees\">Fees</section>");
    const std::unique_ptr<CXmlDocument> site = ParseSite(SiteStructureOfFolder(folder.Path().string(), "home.html"));

    CMenuItem link;
    link.m_strText = u"BSc";
    link.m_strURL = u"http://";
    LinkEditorContext context{site.get(), CString(u"Font Awesome"), CString()};
    CLinkEditorDialog dialog(nullptr, false, context, link);
    ChooseEntry(dialog.LinkToList(), 1);
    QStringList shown;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<CSelectPageDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        const QTreeWidgetItem* top = picker->Tree()->topLevelItem(0);
        shown << Children(top) << Children(picker->FindItem(QStringLiteral("study")))
              << Children(picker->FindItem(QStringLiteral("ug")));
        picker->Tree()->setCurrentItem(picker->FindItem(QStringLiteral("bsc-cs")));
        picker->OkButton()->click();
    });
    dialog.SelectButton()->click();
    EXPECT_EQ(shown, (QStringList{"home", "study", "courses", "ug", "bsc-cs"}));
    EXPECT_EQ(dialog.PageEdit()->text(), QStringLiteral("bsc-cs"));
    QComboBox* bookmarks = dialog.BookmarkList();
    ASSERT_EQ(bookmarks->count(), 3);
    ChooseEntry(bookmarks, bookmarks->findText(QStringLiteral("fees")));
    dialog.OkButton()->click();
    CMenuItem picked;
    dialog.WriteResultsTo(picked);
    EXPECT_EQ(ToQString(picked.m_strURL), QStringLiteral("./study/ug/bsc-cs.html#fees"));

    CLinkEditorDialog reopened(nullptr, true, context, picked);
    EXPECT_EQ(reopened.LinkToList()->currentIndex(), 1);  // Page in this project
    EXPECT_EQ(reopened.PageEdit()->text(), QStringLiteral("bsc-cs"));
    EXPECT_EQ(reopened.BookmarkList()->currentText(), QStringLiteral("fees"));
}

}  // namespace
