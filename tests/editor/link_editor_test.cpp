// The link editor: reading a stored URL into kind and fields, the handlers, and the URL OK composes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "editor/history_combo.h"
#include "editor/icon_combo_box.h"
#include "editor/link_editor_dialog.h"
#include "editor/page_picker.h"
#include "editor/qt_strings.h"
#include "editor/site_pages.h"
#include "tests/editor/settings_sandbox.h"
#include "tests/editor/site_fixture.h"

namespace {

CMenuItem MakeLink(const char* url, const char* target = "", const char* icon = "")
{
    CMenuItem link;
    link.m_strText = u"Link";
    link.m_strURL = CString::FromUtf8(url);
    link.m_strTarget = CString::FromUtf8(target);
    link.m_strIcon = CString::FromUtf8(icon);
    return link;
}

// Which of the address row's fields are shown, by their control names.
QString ShownFields(const CLinkEditorDialog& dialog)
{
    QStringList shown;
    const std::pair<const QWidget*, const char*> fields[] = {
        {dialog.UrlField(), "url"},       {dialog.PageEdit(), "page"},     {dialog.SelectButton(), "select"},
        {dialog.FileEdit(), "file"},      {dialog.BrowseButton(), "browse"}, {dialog.SmartLinkList(), "smart"}};
    for (const auto& [widget, name] : fields) {
        if (!widget->isHidden())
            shown.append(QLatin1String(name));
    }
    return shown.join(QLatin1Char(' '));
}

QString Str(const CString& text) { return ToQString(text); }

class LinkEditor : public ::testing::Test {
protected:
    void SetUp() override { UseSandboxSettings(); }

    std::unique_ptr<CLinkEditorDialog> Open(const CMenuItem& link, bool editing = true)
    {
        LinkEditorContext context{site.get(), CString(u"Font Awesome"), CString()};
        return std::make_unique<CLinkEditorDialog>(nullptr, editing, context, link);
    }

    // Ends the dialog with OK and gives the link it writes back.
    static CMenuItem Ok(CLinkEditorDialog& dialog)
    {
        dialog.OkButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        CMenuItem link;
        dialog.WriteResultsTo(link);
        return link;
    }

    std::unique_ptr<CXmlDocument> site = ParseSite(kSmallSite);
};

struct OpenCase {
    const char* url;
    const char* target;
    int linkTo;             // the Link To selection, -1 for none
    const char* label;      // the address label
    const char* shown;      // the address row's shown fields
    bool targetEnabled;     // the Target list
    bool valueEnabled;
    bool bookmarkEnabled;
    const char* address;    // the URL field's text
    const char* pageEdit;
    const char* bookmark;   // the selected bookmark
    const char* fileEdit;
};

TEST_F(LinkEditor, OpensEachStoredFormInItsKind)
{
    const QString prompt = kChoosePagePrompt;
    const OpenCase cases[] = {
        // A new link: a web address to be typed after "http://", in the same window.
        {"", "", 0, "&URL:", "url", true, false, false, "http://", "Click 'Select' to choose a page", "", ""},
        {"https://example.com/a:b", "_blank", 0, "&URL:", "url", true, false, false, "https://example.com/a:b", "", "", ""},
        {"mailto:info@example.com", "", 2, "T&o:", "url", false, false, false, "mailto:info@example.com", "", "", ""},
        {"MailTo:x@example.com", "", 2, "T&o:", "url", false, false, false, "MailTo:x@example.com", "", "", ""},
        {"file:///home/me/price list.pdf", "_top", 3, "Filename:", "file browse", true, true, false,
         "file:///home/me/price list.pdf", "", "", "/home/me/price list.pdf"},
        // The path survives other spellings of the scheme, so OK does not lose it.
        {"FILE://C:\\docs\\a.txt", "", 3, "Filename:", "file browse", true, false, false, "FILE://C:\\docs\\a.txt", "", "", "C:\\docs\\a.txt"},
        {"file:notes.txt", "", 3, "Filename:", "file browse", true, false, false, "file:notes.txt", "", "", "notes.txt"},
        {"./about.html#TEAM", "_self", 1, "&Page:", "page select", true, false, true, "./about.html#TEAM", "about", "team", ""},
        {"./about.html", "", 1, "&Page:", "page select", true, false, true, "./about.html", "about", "", ""},
        {"../shop/./Archive/old.php", "", 1, "&Page:", "page select", true, false, true, "../shop/./Archive/old.php", "old", "", ""},
        // A bookmark of the page being edited, without a page chosen.
        {"#contact", "", 1, "&Page:", "page select", true, false, true, "#contact", "Click 'Select' to choose a page", "Contact", ""},
        // Not found: the address opens as a web address, unchanged.
        {"./missing.html", "", 0, "&URL:", "url", true, false, false, "./missing.html", "Click 'Select' to choose a page", "", ""},
        {"./about.html#nowhere", "", 0, "&URL:", "url", true, false, false, "./about.html#nowhere", "about", "", ""},
        {"index", "frame1", 0, "&URL:", "url", true, true, false, "index", "Click 'Select' to choose a page", "", ""},
        // A smart link: no entry of its own, nothing in the address row.
        {"smartlink://next", "", -1, "Type:", "", true, false, false, "smartlink://next", "", "", ""},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.url);
        auto dialog = Open(MakeLink(c.url, c.target));
        EXPECT_EQ(dialog->LinkToList()->currentIndex(), c.linkTo);
        EXPECT_EQ(dialog->AddressLabel()->text(), QString::fromUtf8(c.label));
        EXPECT_EQ(ShownFields(*dialog), QString::fromUtf8(c.shown));
        EXPECT_EQ(dialog->TargetList()->isEnabled(), c.targetEnabled);
        EXPECT_EQ(dialog->ValueField()->isEnabled(), c.valueEnabled);
        EXPECT_EQ(dialog->BookmarkList()->isEnabled(), c.bookmarkEnabled);
        EXPECT_EQ(dialog->UrlField()->currentText(), QString::fromUtf8(c.address));
        EXPECT_EQ(dialog->PageEdit()->text(), QString::fromUtf8(c.pageEdit));
        EXPECT_EQ(dialog->BookmarkList()->currentText(), QString::fromUtf8(c.bookmark));
        EXPECT_EQ(dialog->FileEdit()->text(), QString::fromUtf8(c.fileEdit));
        EXPECT_TRUE(dialog->OkButton()->isEnabled());
    }
}

TEST_F(LinkEditor, TargetChoiceFollowsTheStoredTarget)
{
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"_self", 0}, {"_SELF", 0}, {"_blank", 1}, {"_Blank", 1}, {"_top", 2}, {"main", 2}};
    for (const auto& [target, choice] : cases) {
        SCOPED_TRACE(target);
        auto dialog = Open(MakeLink("http://example.com", target));
        EXPECT_EQ(dialog->TargetList()->currentIndex(), choice);
        EXPECT_EQ(dialog->ValueField()->isEnabled(), choice == 2);
        // A target that begins an entry of the Value list is shown, and kept, as that entry.
        EXPECT_EQ(Str(Ok(*dialog).m_strTarget), QString::fromUtf8(target).toLower());
    }
    auto prefix = Open(MakeLink("http://example.com", "_par"));
    EXPECT_EQ(prefix->ValueField()->currentText(), QStringLiteral("_parent"));
}

TEST_F(LinkEditor, CaptionsForAddingAndEditing)
{
    EXPECT_EQ(Open(MakeLink(""), false)->windowTitle(), QStringLiteral("Link"));
    EXPECT_EQ(Open(MakeLink(""), true)->windowTitle(), QStringLiteral("Edit Menu Item"));
}

struct SwitchCase {
    const char* url;
    const char* target;
    int kind;
    const char* url_after;
    const char* target_after;
    int choice_after;
    const char* label;
    const char* shown;
};

TEST_F(LinkEditor, SwitchingKindsResetsAddressAndTarget)
{
    const SwitchCase cases[] = {
        {"mailto:a@example.com", "", 0, "http://", "", 0, "&URL:", "url"},
        {"./missing.html", "", 0, "./missing.html", "", 0, "&URL:", "url"},
        {"http://example.com", "_blank", 1, "", "_blank", 1, "&Page:", "page select"},
        {"http://example.com", "_blank", 2, "mailto:", "", 0, "T&o:", "url"},
        {"./about.html#team", "frame", 2, "mailto:", "", 0, "T&o:", "url"},
        {"http://example.com", "_top", 3, "file://", "", 0, "Filename:", "file browse"},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(std::string(c.url) + " to kind " + std::to_string(c.kind));
        auto dialog = Open(MakeLink(c.url, c.target));
        ChooseEntry(dialog->LinkToList(), c.kind);
        EXPECT_EQ(dialog->AddressLabel()->text(), QString::fromUtf8(c.label));
        EXPECT_EQ(ShownFields(*dialog), QString::fromUtf8(c.shown));
        EXPECT_EQ(dialog->TargetList()->currentIndex(), c.choice_after);
        EXPECT_EQ(dialog->TargetList()->isEnabled(), c.kind != 2);
        EXPECT_EQ(dialog->BookmarkList()->isEnabled(), c.kind == 1);
        if (c.kind == 1) {
            EXPECT_EQ(dialog->PageEdit()->text(), kChoosePagePrompt);
            EXPECT_EQ(dialog->BookmarkList()->currentIndex(), 0);
        }
        const CMenuItem result = Ok(*dialog);
        EXPECT_EQ(Str(result.m_strURL), QString::fromUtf8(c.url_after));
        EXPECT_EQ(Str(result.m_strTarget), QString::fromUtf8(c.target_after));
    }
}

// The list reports a pick of the entry already shown as a choice too; that is no change of kind.
TEST_F(LinkEditor, ChoosingTheKindAlreadyShownKeepsWhatWasEntered)
{
    auto web = Open(MakeLink("http://example.com/shop", "_blank"));
    ChooseEntry(web->LinkToList(), 0);
    EXPECT_EQ(web->UrlField()->currentText(), QStringLiteral("http://example.com/shop"));
    EXPECT_EQ(web->TargetList()->currentIndex(), 1);
    CMenuItem result = Ok(*web);
    EXPECT_EQ(Str(result.m_strURL), QStringLiteral("http://example.com/shop"));
    EXPECT_EQ(Str(result.m_strTarget), QStringLiteral("_blank"));

    auto page = Open(MakeLink("http://example.com"));
    ChooseEntry(page->LinkToList(), 1);
    page->choosePage = [](QWidget*, CXmlDocument* structure, const QString&) {
        return FindPageByName(structure->GetRootElement(), QStringLiteral("About"));
    };
    page->SelectButton()->click();
    ChooseEntry(page->BookmarkList(), 2);
    ChooseEntry(page->LinkToList(), 1);
    EXPECT_EQ(page->PageEdit()->text(), QStringLiteral("About"));
    EXPECT_EQ(page->BookmarkList()->currentIndex(), 2);
    EXPECT_EQ(Str(Ok(*page).m_strURL), QStringLiteral("./about.html#team"));

    auto mail = Open(MakeLink("mailto:me@example.com"));
    ChooseEntry(mail->LinkToList(), 2);
    EXPECT_EQ(Str(Ok(*mail).m_strURL), QStringLiteral("mailto:me@example.com"));
}

TEST_F(LinkEditor, FocusGoesWhereTheKindIsCompleted)
{
    auto dialog = Open(MakeLink("http://example.com"));
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    EXPECT_EQ(QApplication::focusWidget(), dialog->TextEdit());
    ChooseEntry(dialog->LinkToList(), 2);
    EXPECT_TRUE(dialog->UrlField()->lineEdit()->hasFocus());
    // Typing goes after "mailto:".
    QTest::keyClicks(dialog->UrlField()->lineEdit(), QStringLiteral("me@example.com"));
    ChooseEntry(dialog->LinkToList(), 1);
    EXPECT_EQ(QApplication::focusWidget(), dialog->SelectButton());
    ChooseEntry(dialog->LinkToList(), 3);
    EXPECT_EQ(QApplication::focusWidget(), dialog->BrowseButton());
    ChooseEntry(dialog->LinkToList(), 2);
    QTest::keyClicks(dialog->UrlField()->lineEdit(), QStringLiteral("me@example.com"));
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("mailto:me@example.com"));
}

TEST_F(LinkEditor, ArrowKeysWalkTheClosedLinkToListWithoutLosingFocus)
{
    auto dialog = Open(MakeLink("http://example.com"));
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    dialog->LinkToList()->setFocus();
    QTest::keyClick(dialog->LinkToList(), Qt::Key_Down);
    EXPECT_EQ(dialog->LinkToList()->currentIndex(), 1);
    EXPECT_EQ(dialog->AddressLabel()->text(), QStringLiteral("&Page:"));
    QTest::keyClick(dialog->LinkToList(), Qt::Key_Down);
    EXPECT_TRUE(dialog->LinkToList()->hasFocus());
    EXPECT_EQ(dialog->AddressLabel()->text(), QStringLiteral("T&o:"));
    EXPECT_EQ(dialog->UrlField()->currentText(), QStringLiteral("mailto:"));
    // Tabbing on leaves the prefix to be completed.
    QTest::keyClick(dialog->LinkToList(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("me@example.com"));
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("mailto:me@example.com"));
}

TEST_F(LinkEditor, BookmarksAddAndRemoveTheirPartOfAPageAddress)
{
    auto dialog = Open(MakeLink("./about.html#team"));
    QComboBox* bookmarks = dialog->BookmarkList();
    ASSERT_EQ(bookmarks->count(), 3);  // sorted after the empty entry
    EXPECT_EQ(bookmarks->itemText(1), QStringLiteral("history"));

    ChooseEntry(bookmarks, 1);
    EXPECT_EQ(dialog->UrlField()->currentText(), QStringLiteral("./about.html#history"));
    ChooseEntry(bookmarks, 0);
    EXPECT_EQ(dialog->UrlField()->currentText(), QStringLiteral("./about.html"));
    ChooseEntry(bookmarks, 0);
    EXPECT_EQ(dialog->UrlField()->currentText(), QStringLiteral("./about.html"));
    ChooseEntry(bookmarks, 2);
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("./about.html#team"));

    // A bookmark of the current page without a chosen page stores "#" and its name alone.
    auto page = Open(MakeLink("http://example.com"));
    ChooseEntry(page->LinkToList(), 1);
    ChooseEntry(page->BookmarkList(), 2);
    EXPECT_EQ(Str(Ok(*page).m_strURL), QStringLiteral("#top"));
}

TEST_F(LinkEditor, WithoutACurrentPageTheBookmarkListStaysEmpty)
{
    site = ParseSite("<site><page name=\"About\" url=\"./about.html\"><bookmark name=\"team\"/></page></site>");
    auto dialog = Open(MakeLink("http://example.com"));
    EXPECT_EQ(dialog->BookmarkList()->count(), 0);
    ChooseEntry(dialog->LinkToList(), 1);
    EXPECT_EQ(dialog->BookmarkList()->count(), 0);
    // A page link brings its own bookmarks.
    auto about = Open(MakeLink("./about.html"));
    EXPECT_EQ(about->BookmarkList()->count(), 2);
}

TEST_F(LinkEditor, SmartLinksAndFilesComposeOnOk)
{
    for (const char* smart : {"smartlink://next", "smartlink://previous", "smartlink://Unknown"}) {
        auto dialog = Open(MakeLink(smart, "_blank"));
        EXPECT_EQ(dialog->SmartLinkType(), std::string_view(smart) == "smartlink://previous" ? 3 : smart[12] == 'n' ? 2 : 0);
        const CMenuItem result = Ok(*dialog);
        EXPECT_EQ(Str(result.m_strURL), QString::fromUtf8(smart));
        EXPECT_EQ(Str(result.m_strTarget), QStringLiteral("_blank"));
    }

    auto file = Open(MakeLink("file:///srv/a.pdf"));
    file->FileEdit()->setText(QStringLiteral("/srv/b.pdf"));
    EXPECT_EQ(Str(Ok(*file).m_strURL), QStringLiteral("file:///srv/b.pdf"));

    auto browsed = Open(MakeLink("http://example.com"));
    browsed->chooseFile = [](QWidget*) { return QStringLiteral("/home/me/report.odt"); };
    ChooseEntry(browsed->LinkToList(), 3);
    browsed->BrowseButton()->click();
    EXPECT_EQ(browsed->FileEdit()->text(), QStringLiteral("/home/me/report.odt"));
    EXPECT_EQ(Str(Ok(*browsed).m_strURL), QStringLiteral("file:///home/me/report.odt"));

    auto cancelled = Open(MakeLink("file:///srv/a.pdf"));
    cancelled->chooseFile = [](QWidget*) { return QString(); };
    cancelled->BrowseButton()->click();
    EXPECT_EQ(cancelled->FileEdit()->text(), QStringLiteral("/srv/a.pdf"));
}

TEST_F(LinkEditor, TargetListSetsTheTargetText)
{
    auto dialog = Open(MakeLink("http://example.com", "_blank"));
    ChooseEntry(dialog->TargetList(), 2);
    EXPECT_EQ(dialog->ValueField()->currentText(), QString());
    EXPECT_TRUE(dialog->ValueField()->isEnabled());
    dialog->ValueField()->setCurrentIndex(dialog->ValueField()->findText(QStringLiteral("_top")));
    EXPECT_EQ(Str(Ok(*dialog).m_strTarget), QStringLiteral("_top"));

    auto same = Open(MakeLink("http://example.com", "_blank"));
    ChooseEntry(same->TargetList(), 0);
    EXPECT_FALSE(same->ValueField()->isEnabled());
    EXPECT_EQ(Str(Ok(*same).m_strTarget), QStringLiteral("_self"));

    auto typed = Open(MakeLink("http://example.com"));
    ChooseEntry(typed->TargetList(), 2);
    QTest::keyClicks(typed->ValueField()->lineEdit(), QStringLiteral("content"));
    EXPECT_EQ(Str(Ok(*typed).m_strTarget), QStringLiteral("content"));
}

TEST_F(LinkEditor, OkNeedsText)
{
    auto dialog = Open(MakeLink("http://example.com"));
    dialog->TextEdit()->clear();
    EXPECT_FALSE(dialog->OkButton()->isEnabled());
    QTest::keyClicks(dialog->TextEdit(), QStringLiteral("x"));
    EXPECT_TRUE(dialog->OkButton()->isEnabled());

    CMenuItem empty = MakeLink("http://example.com");
    empty.m_strText.Empty();
    EXPECT_FALSE(Open(empty)->OkButton()->isEnabled());
}

TEST_F(LinkEditor, SelectTakesThePickedPage)
{
    auto dialog = Open(MakeLink("http://example.com"));
    ChooseEntry(dialog->LinkToList(), 1);
    QString preselect;
    dialog->choosePage = [&](QWidget*, CXmlDocument* structure, const QString& name) {
        preselect = name;
        return FindPageByName(structure->GetRootElement(), QStringLiteral("About"));
    };
    dialog->SelectButton()->click();
    EXPECT_EQ(preselect, kChoosePagePrompt);
    EXPECT_EQ(dialog->PageEdit()->text(), QStringLiteral("About"));
    EXPECT_EQ(dialog->BookmarkList()->count(), 3);
    EXPECT_EQ(dialog->BookmarkList()->currentIndex(), 0);
    ChooseEntry(dialog->BookmarkList(), 2);
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("./about.html#team"));

    // Cancel in the picker changes nothing.
    auto kept = Open(MakeLink("./about.html#team"));
    kept->choosePage = [](QWidget*, CXmlDocument*, const QString&) { return static_cast<CXmlElement*>(nullptr); };
    kept->SelectButton()->click();
    EXPECT_EQ(kept->PageEdit()->text(), QStringLiteral("about"));
    EXPECT_EQ(Str(Ok(*kept).m_strURL), QStringLiteral("./about.html#team"));
}

TEST_F(LinkEditor, SelectOpensTheRealPickerOnTheCurrentPage)
{
    auto dialog = Open(MakeLink("./archive/old.html"));
    QString shownSelection;
    QTimer::singleShot(0, [&] {
        auto* picker = qobject_cast<CSelectPageDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        shownSelection = picker->Tree()->currentItem()->text(0);
        picker->Tree()->setCurrentItem(picker->FindItem(QStringLiteral("Home")));
        picker->OkButton()->click();
    });
    dialog->SelectButton()->click();
    EXPECT_EQ(shownSelection, QStringLiteral("Old"));
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("./index.html"));
}

TEST_F(LinkEditor, IconChangesOnlyWhenTheUserPicksOne)
{
    auto unknown = Open(MakeLink("http://example.com", "", "no-such-icon"));
    EXPECT_EQ(unknown->IconList()->currentIndex(), 0);
    EXPECT_EQ(Str(Ok(*unknown).m_strIcon), QStringLiteral("no-such-icon"));

    auto cleared = Open(MakeLink("http://example.com", "", "no-such-icon"));
    ChooseEntry(cleared->IconList(), 0);
    EXPECT_EQ(Str(Ok(*cleared).m_strIcon), QString());

    auto picked = Open(MakeLink("http://example.com", "", "envelope"));
    EXPECT_EQ(picked->IconList()->currentText(), QStringLiteral("envelope"));
    ChooseEntry(picked->IconList(), picked->IconList()->findText(QStringLiteral("home")));
    EXPECT_EQ(Str(Ok(*picked).m_strIcon), QStringLiteral("home"));
}

TEST_F(LinkEditor, OkRecordsTheAddressInTheHistory)
{
    auto dialog = Open(MakeLink(""));
    QTest::keyClicks(dialog->UrlField()->lineEdit(), QStringLiteral("example.org"));
    EXPECT_EQ(Str(Ok(*dialog).m_strURL), QStringLiteral("http://example.org"));

    auto next = Open(MakeLink("mailto:x@example.com"));
    ASSERT_EQ(next->UrlField()->count(), 1);
    EXPECT_EQ(next->UrlField()->itemText(0), QStringLiteral("http://example.org"));
    // Loading the history does not replace the link's own address.
    EXPECT_EQ(next->UrlField()->currentText(), QStringLiteral("mailto:x@example.com"));
    // A new link's "http://" does not pick the remembered address that begins with it.
    auto fresh = Open(MakeLink(""));
    EXPECT_EQ(fresh->UrlField()->currentText(), QStringLiteral("http://"));
}

TEST_F(LinkEditor, RunWritesBackOnlyOnOk)
{
    LinkEditorContext context{site.get(), CString(u"Font Awesome"), CString()};
    CMenuItem link = MakeLink("http://example.com", "_blank", "home");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CLinkEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->TextEdit()->setText(QStringLiteral("Changed"));
        ChooseEntry(dialog->LinkToList(), 2);
        dialog->reject();
    });
    EXPECT_FALSE(RunLinkEditor(nullptr, true, context, link));
    EXPECT_EQ(link, MakeLink("http://example.com", "_blank", "home"));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CLinkEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->TextEdit()->setText(QStringLiteral("Write to us"));
        ChooseEntry(dialog->LinkToList(), 2);
        QTest::keyClicks(dialog->UrlField()->lineEdit(), QStringLiteral("us@example.com"));
        dialog->OkButton()->click();
    });
    EXPECT_TRUE(RunLinkEditor(nullptr, true, context, link));
    EXPECT_EQ(Str(link.m_strText), QStringLiteral("Write to us"));
    EXPECT_EQ(Str(link.m_strURL), QStringLiteral("mailto:us@example.com"));
    EXPECT_EQ(Str(link.m_strTarget), QString());
    EXPECT_EQ(Str(link.m_strIcon), QStringLiteral("home"));
}

TEST_F(LinkEditor, EveryControlCarriesItsName)
{
    auto dialog = Open(MakeLink(""));
    for (const char* name : {"ctl142", "ctl5065", "ctl148", "ctl5051", "ctl5040", "ctl434", "ctl192", "ctl127",
                             "ctl128", "ctl692", "ctl265", "ctl689", "ctl5018", "ctl1", "ctl2"})
        EXPECT_NE(dialog->findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

}  // namespace
