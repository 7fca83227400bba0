// The General page: the button list and its commands, the Icon Font list, the inline-SVG flag.
#include "editor/general_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "editor/button_editor.h"
#include "editor/icon_combo_box.h"
#include "editor/qt_strings.h"
#include "tests/editor/editor_test_support.h"
#include "tests/support/temporary_folder.h"

namespace {

CMenuItem Button(const char16_t* text, const char16_t* columns = u"0")
{
    CMenuItem button = Node(text, columns);
    button.m_arrItems.Add(Group(u"G", {Node(u"l", u"https://l/")}));
    return button;
}

class GeneralPageTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(PendingModalAnswers(), 0) << "a dialog the test answers never opened";
        PendingModalAnswers() = 0;
    }

    void Open(const CArray<CMenuItem>& buttons, const CString& library = u"Font Awesome",
              const CString& folder = CString(), int32_t inlineSvg = 0)
    {
        page = std::make_unique<CPropertiesDlg>(buttons, nullptr, library, folder, inlineSvg);
        list = page->ButtonList();
    }

    CArray<CMenuItem> ThreeButtons()
    {
        CArray<CMenuItem> buttons;
        buttons.Add(Button(u"One"));
        buttons.Add(Button(u"Two", u"2"));
        buttons.Add(Button(u"Three"));
        return buttons;
    }

    void Click(const char* name) { Child<QPushButton>(page.get(), name)->click(); }

    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < list->count(); ++i)
            rows.append(list->item(i)->text());
        return rows;
    }

    int SelectedRow() const
    {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.front());
    }

    CString Texts() const
    {
        CString texts;
        for (const CMenuItem& button : page->Buttons())
            texts += button.m_strText + u" ";
        return texts;
    }

    std::unique_ptr<CPropertiesDlg> page;
    QListWidget* list = nullptr;
};

TEST_F(GeneralPageTest, ShowsTheButtonsWithTheFirstSelectedAndTheSpareCommandsHidden)
{
    Open(ThreeButtons());
    EXPECT_EQ(Rows(), (QStringList{"One", "Two", "Three"}));
    EXPECT_EQ(SelectedRow(), 0);
    for (const char* name : {"ctl606", "ctl1182"}) {
        auto* button = Child<QPushButton>(page.get(), name);
        EXPECT_FALSE(button->isEnabled());
        EXPECT_TRUE(button->isHidden());
    }
    EXPECT_EQ(Child<QPushButton>(page.get(), "ctl5037")->text(), QStringLiteral("Move &Up"));
}

TEST_F(GeneralPageTest, WithoutButtonsOrSelectionTheCommandsDoNothing)
{
    Open({});
    RejectEveryModal watch;
    for (const char* name : {"ctl5028", "ctl5029", "ctl5037", "ctl5038"})
        Click(name);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(watch.Opened(), 0);

    Open(ThreeButtons());
    list->clearSelection();
    for (const char* name : {"ctl5028", "ctl5029", "ctl5037", "ctl5038"})
        Click(name);
    EXPECT_EQ(Texts(), CString(u"One Two Three "));
    EXPECT_EQ(watch.Opened(), 0);
}

TEST_F(GeneralPageTest, AddAppendsANewButtonAndSelectsIt)
{
    Open(ThreeButtons());
    list->clearSelection();
    AnswerNextModal([](QDialog* editor) {
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Button Properties"));
        EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("ctl5048"))->text(), QStringLiteral("Button"));
        EXPECT_EQ(editor->findChild<QComboBox*>(QStringLiteral("ctl5049"))->currentIndex(), 0);
        EXPECT_EQ(editor->findChild<QComboBox*>(QStringLiteral("ctl5065"))->currentIndex(), 0);
        editor->accept();
    });
    Click("ctl5027");
    EXPECT_EQ(Rows().last(), QStringLiteral("Button"));
    EXPECT_EQ(SelectedRow(), 3);
    const CMenuItem& added = page->Buttons()[3];
    EXPECT_TRUE(added == Node(u"Button", u"0"));

    AnswerNextModal([](QDialog* editor) { editor->reject(); });
    Click("ctl5027");
    EXPECT_EQ(page->Buttons().GetSize(), 4);
}

TEST_F(GeneralPageTest, EditStoresTheResultsAndLeavesNoSelection)
{
    CArray<CMenuItem> buttons = ThreeButtons();
    buttons[1].m_bActive = 1;
    buttons[1].m_strIcon = u"home";
    Open(buttons, u"Material Icons");
    list->setCurrentRow(1);
    AnswerNextModal([](QDialog* dialog) {
        auto* editor = static_cast<CAddMenuItemDlg*>(dialog);
        EXPECT_EQ(dialog->findChild<QComboBox*>(QStringLiteral("ctl5049"))->currentIndex(), 2);
        EXPECT_EQ(editor->IconList()->currentText(), QStringLiteral("home"));
        editor->findChild<QLineEdit*>(QStringLiteral("ctl5048"))->setText(QStringLiteral("Second"));
        editor->accept();
    });
    Click("ctl5028");
    EXPECT_EQ(Rows(), (QStringList{"One", "Second", "Three"}));
    EXPECT_EQ(SelectedRow(), -1);
    CMenuItem expected = buttons[1];
    expected.m_strText = u"Second";
    EXPECT_TRUE(page->Buttons()[1] == expected);   // columns, icon, flag and panel come back as they were

    // Cancel changes nothing.
    list->setCurrentRow(0);
    AnswerNextModal([](QDialog* editor) {
        editor->findChild<QLineEdit*>(QStringLiteral("ctl5048"))->setText(QStringLiteral("changed"));
        editor->reject();
    });
    const QPoint onFirst = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onFirst);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onFirst);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, onFirst);
    EXPECT_EQ(page->Buttons()[0].m_strText, CString(u"One"));
}

// A mnemonic's late click (Alt+R just before a double-click opened the button editor) reaches the
// page while the editor covers it: removing or moving would shift the button being edited.
TEST_F(GeneralPageTest, CommandsThatArriveWhileTheButtonEditorIsOpenDoNothing)
{
    Open(ThreeButtons());
    list->setCurrentRow(2);
    AnswerNextModal([this](QDialog* editor) {
        Click("ctl5029");   // Remove
        Click("ctl5037");   // Move Up
        Click("ctl5027");   // Add
        editor->findChild<QLineEdit*>(QStringLiteral("ctl5048"))->setText(QStringLiteral("Third"));
        editor->accept();
    });
    Click("ctl5028");
    EXPECT_EQ(Rows(), (QStringList{"One", "Two", "Third"}));
    EXPECT_EQ(Texts(), CString(u"One Two Third "));
}

TEST_F(GeneralPageTest, AColumnTextThatIsNoNumberOpensAsOneColumnAndIsStoredAsZero)
{
    CArray<CMenuItem> buttons;
    buttons.Add(Button(u"Odd", u"wide"));
    Open(buttons);
    AnswerNextModal([](QDialog* editor) {
        EXPECT_EQ(editor->findChild<QComboBox*>(QStringLiteral("ctl5049"))->currentText(), QStringLiteral("1"));
        editor->accept();
    });
    Click("ctl5028");
    EXPECT_EQ(page->Buttons()[0].m_strURL, CString(u"0"));
}

TEST_F(GeneralPageTest, RemoveDeletesTheButtonWithItsPanelAndLeavesNoSelection)
{
    Open(ThreeButtons());
    list->setCurrentRow(1);
    Click("ctl5029");
    EXPECT_EQ(Rows(), (QStringList{"One", "Three"}));
    EXPECT_EQ(Texts(), CString(u"One Three "));
    EXPECT_EQ(SelectedRow(), -1);
}

TEST_F(GeneralPageTest, MovesSwapNeighboursAndStopAtTheEnds)
{
    Open(ThreeButtons());
    list->setCurrentRow(0);
    Click("ctl5037");
    EXPECT_EQ(Texts(), CString(u"One Two Three "));
    EXPECT_EQ(SelectedRow(), 0);
    Click("ctl5038");
    EXPECT_EQ(Rows(), (QStringList{"Two", "One", "Three"}));
    EXPECT_EQ(Texts(), CString(u"Two One Three "));
    EXPECT_EQ(SelectedRow(), 1);
    Click("ctl5038");
    Click("ctl5038");
    EXPECT_EQ(Texts(), CString(u"Two Three One "));
    EXPECT_EQ(SelectedRow(), 2);
    Click("ctl5037");
    EXPECT_EQ(Rows(), (QStringList{"Two", "One", "Three"}));
    EXPECT_EQ(page->Buttons()[0].m_strURL, CString(u"2"));   // the records travel with their rows
}

class IconFontListTest : public GeneralPageTest {
protected:
    IconFontListTest()
    {
        for (const char* name : {"Material Icons", "_private", "Elusive", "Linea.Arrows"})
            root.MakeFolder(std::string("fonts/") + name);
        root.Write("fonts/readme.txt", "not a library");
        folder = CString::FromUtf8((root / "fonts").string() + "/");
    }

    QStringList Entries()
    {
        QComboBox* fonts = page->IconFontList();
        QStringList entries;
        for (int i = 0; i < fonts->count(); ++i)
            entries.append(fonts->itemText(i));
        return entries;
    }

    TemporaryFolder root{"trellis-editor"};
    CString folder;
};

TEST_F(IconFontListTest, ListsFontAwesomeThenTheLibraryFoldersAndSelectsTheNameIgnoringCase)
{
    Open({}, u"material icons", folder);
    EXPECT_EQ(Entries(), (QStringList{"Font Awesome", "Elusive", "Linea.Arrows", "Material Icons"}));
    EXPECT_EQ(page->IconFontList()->currentText(), QStringLiteral("Material Icons"));
    EXPECT_TRUE(page->IconFontList()->isEnabled());
    page->ReadControls();
    EXPECT_EQ(page->IconLibrary(), CString(u"Material Icons"));
}

TEST_F(IconFontListTest, ALibraryNoLongerInstalledShowsAndStoresFontAwesome)
{
    Open({}, u"Gone", folder);
    EXPECT_EQ(page->IconFontList()->currentIndex(), 0);
    page->ReadControls();
    EXPECT_EQ(page->IconLibrary(), CString(u"Font Awesome"));
}

TEST_F(IconFontListTest, AMissingFolderLeavesOnlyFontAwesome)
{
    Open({}, u"Elusive", folder + u"missing/");
    EXPECT_EQ(Entries(), QStringList{"Font Awesome"});
    EXPECT_TRUE(page->IconFontList()->isEnabled());
}

TEST_F(IconFontListTest, WithoutAFolderTheListIsDisabledAndTheStoredNameKept)
{
    Open({}, u"Font", CString());
    EXPECT_EQ(Entries(), QStringList{"Font Awesome"});
    EXPECT_FALSE(page->IconFontList()->isEnabled());
    EXPECT_EQ(page->IconFontList()->currentIndex(), 0);   // the name begins it
    page->ReadControls();
    EXPECT_EQ(page->IconLibrary(), CString(u"Font Awesome"));

    // A name the single entry does not begin with shows nothing chosen and stays as it is.
    Open({}, u"Material Icons", CString());
    EXPECT_EQ(page->IconFontList()->currentIndex(), -1);
    page->ReadControls();
    EXPECT_EQ(page->IconLibrary(), CString(u"Material Icons"));
    Open({}, CString(), CString());
    EXPECT_EQ(page->IconFontList()->currentIndex(), -1);
}

TEST_F(IconFontListTest, TheButtonEditorOpenedNextOffersTheNewlyChosenLibrary)
{
    Open({}, u"Font Awesome", folder);
    QComboBox* fonts = page->IconFontList();
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_End);   // a user's choice: "Material Icons"
    EXPECT_EQ(page->IconLibrary(), CString(u"Material Icons"));
    AnswerNextModal([](QDialog* dialog) {
        auto* editor = static_cast<CAddMenuItemDlg*>(dialog);
        EXPECT_EQ(editor->IconList()->Library(), CString(u"Material Icons"));
        EXPECT_EQ(editor->IconList()->itemText(1), QStringLiteral("3d rotation"));
        editor->reject();
    });
    Click("ctl5027");
}

TEST_F(GeneralPageTest, TheInlineSvgBoxReadsBackAsZeroOrOneOnlyWhenChanged)
{
    Open({}, u"Font Awesome", CString(), 1);
    auto* box = Child<QCheckBox>(page.get(), "ctl5058");
    EXPECT_EQ(box->text(), QStringLiteral("Publish icons as inline SVG"));
    EXPECT_TRUE(box->isChecked());
    box->click();
    page->ReadControls();
    EXPECT_EQ(page->InlineSvg(), 0);

    Open({}, u"Font Awesome", CString(), 2);
    page->ReadControls();
    EXPECT_EQ(page->InlineSvg(), 2);
}

}  // namespace
