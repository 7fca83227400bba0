// editor_screenshots: pictures of the editor's dialogs, to look at as a user sees them, written as
// PNG files into the folder TRELLIS_SCREENSHOTS names. Not a test of its own; scripts/editor-screenshots
// runs it under a virtual display, where the widgets have a real window system's focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <cstdlib>
#include <memory>
#include <string>

#include "editor/button_editor.h"
#include "editor/link_editor_dialog.h"
#include "editor/page_picker.h"
#include "editor/properties_sheet.h"
#include "icons/xml_document.h"
#include "model/style_page_layout.h"
#include "tests/editor/editor_test_support.h"
#include "tests/editor/settings_sandbox.h"
#include "tests/editor/site_fixture.h"

namespace {

// A site of 12 folders of 25 pages each, and a few pages at the top: 305 pages in all.
std::string LargeSite()
{
    std::string xml = "<site><page name=\"Home\" url=\"./index.html\" current_page=\"true\">"
                      "<bookmark name=\"top\"/><bookmark name=\"news\"/></page>";
    for (int folder = 1; folder <= 12; ++folder) {
        const std::string name = "Section " + std::to_string(folder);
        xml += "<folder name=\"" + name + "\">";
        for (int page = 1; page <= 25; ++page) {
            const std::string title = name + " page " + std::to_string(page);
            xml += "<page name=\"" + title + "\" url=\"./s" + std::to_string(folder) + "/p" + std::to_string(page) +
                   ".html\"><bookmark name=\"details\"/></page>";
        }
        xml += "</folder>";
    }
    for (const char* page : {"About", "Contact", "Imprint", "Privacy policy and terms of use"})
        xml += std::string("<page name=\"") + page + "\" url=\"./" + page + ".html\"/>";
    return xml + "</site>";
}

CMenuItem Link(const char16_t* text, const char16_t* url, const char16_t* target = u"", const char16_t* icon = u"")
{
    return Node(text, url, target, icon);
}

class EditorScreenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* folder = std::getenv("TRELLIS_SCREENSHOTS");
        ASSERT_TRUE(folder && *folder) << "set TRELLIS_SCREENSHOTS to the folder to write the pictures to";
        m_folder = QString::fromLocal8Bit(folder);
        ASSERT_TRUE(QDir().mkpath(m_folder));
        UseSandboxSettings();
    }

    // Shows the window as the user would see it, with the keyboard focus where it starts, and saves it.
    void Save(QWidget* window, const char* name)
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QTest::qWait(100);
        const QString path = m_folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
        EXPECT_TRUE(window->grab().save(path)) << path.toStdString();
        window->hide();
    }

    QString m_folder;
};

TEST_F(EditorScreenshots, LinkEditorInEachKind)
{
    auto site = ParseSite(kSmallSite);
    const LinkEditorContext context{site.get(), CString(u"Font Awesome"), CString()};
    const std::pair<const char*, CMenuItem> links[] = {
        {"link-editor-web", Link(u"Partner offers", u"https://partner.example.org/offers", u"_blank", u"globe")},
        {"link-editor-page", Link(u"Our team", u"./about.html#team")},
        {"link-editor-email", Link(u"Write to us", u"mailto:sales@example.com", u"", u"envelope")},
        {"link-editor-file", Link(u"Price list", u"file:///home/designer/Documents/price list 2024.pdf", u"_blank")},
    };
    for (const auto& [name, link] : links) {
        CLinkEditorDialog dialog(nullptr, true, context, link);
        Save(&dialog, name);
    }
    // A new link, as Add Link opens it.
    CLinkEditorDialog fresh(nullptr, false, context, Link(u"Link", u""));
    Save(&fresh, "link-editor-new");
}

TEST_F(EditorScreenshots, PagePickerOverALargeSite)
{
    auto site = ParseSite(LargeSite());
    CSelectPageDlg picker(nullptr, site.get(), QStringLiteral("Section 7 page 12"));
    Save(&picker, "page-picker");
    CSelectPageDlg fresh(nullptr, site.get(), QString());
    Save(&fresh, "page-picker-nothing-chosen");
}

TEST_F(EditorScreenshots, PropertiesSheetOfEachGeneration)
{
    CXmlDocument site;
    struct Sheet {
        QString caption;
        const StylePageLayout& stylePage;
        std::string prefix;
    };
    for (const Sheet& shown : {Sheet{"Trellis", FirstGenerationStylePage(), "sheet-v1"},
                               Sheet{"Trellis v2", SecondGenerationStylePage(), "sheet-v2"}}) {
        CMenuSettings menu;
        CPropertiesSheet sheet(nullptr, shown.caption, shown.stylePage, menu, &site, nullptr);
        const std::string& prefix = shown.prefix;
        Save(&sheet, (prefix + "-general").c_str());
        sheet.Tabs()->setCurrentIndex(1);
        Save(&sheet, (prefix + "-style").c_str());
    }
}

TEST_F(EditorScreenshots, ButtonEditor)
{
    CArray<CMenuItem> groups;
    groups.Add(Group(u"Shop", {Link(u"Pricing plans", u"./products/pricing.html#plans")}));
    groups.Add(Group(u"Partners", {Link(u"Partner offers", u"https://partner.example.org/offers", u"_blank")}));
    groups.Add(Group(u"Get in touch", {Link(u"Write to us", u"mailto:sales@example.com"),
                                       Link(u"Brochure", u"file:///tmp/brochure.pdf")}));
    CAddMenuItemDlg editor(nullptr, LinkEditorContext{nullptr, CString(u"Font Awesome"), CString()}, u"Services", 2,
                           u"briefcase", 0, groups);
    Save(&editor, "button-editor");
}

}  // namespace
