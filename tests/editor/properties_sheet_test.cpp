// The properties sheet: its frame, and that only OK writes the edited copies back into the menu.
#include "editor/properties_sheet.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "editor/general_page.h"
#include "editor/style_page.h"
#include "extension/generation.h"
#include "icons/xml_document.h"
#include "tests/editor/editor_test_support.h"

namespace {

int g_helpOpened = 0;
void CountHelp() { ++g_helpOpened; }

class PropertiesSheetTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_EQ(PendingModalAnswers(), 0) << "a dialog the test answers never opened";
        PendingModalAnswers() = 0;
    }

    // Runs the sheet over the menu; `drive` works the sheet and closes it.
    bool Run(std::function<void(CPropertiesSheet*)> drive, const Generation& generation = SecondGeneration())
    {
        AnswerNextModal([drive](QDialog* dialog) { drive(static_cast<CPropertiesSheet*>(dialog)); });
        return RunPropertiesSheet(nullptr, generation.sheetCaption, generation.stylePage(), menu, site, &CountHelp);
    }

    // Removes, adds, moves and toggles on the General page.
    static void EditEverything(CPropertiesSheet* sheet)
    {
        CPropertiesDlg* general = sheet->GeneralPage();
        general->ButtonList()->setCurrentRow(0);
        general->RemoveButton();
        general->ButtonList()->setCurrentRow(0);
        general->MoveButtonDown();
        AnswerNextModal([](QDialog* editor) {
            editor->findChild<QLineEdit*>(QStringLiteral("ctl5048"))->setText(QStringLiteral("Added"));
            editor->accept();
        });
        general->AddButton();
        sheet->findChild<QCheckBox*>(QStringLiteral("ctl5058"))->click();
    }

    CMenuSettings menu;
    CXmlDocument site;
};

TEST_F(PropertiesSheetTest, HasTheGenerationsCaptionGeneralThenStyleAndHelpWithoutApply)
{
    // Each generation's caption, a Style control only it has and one only the other has: the first
    // generation's maximum width, the second's shadow colour.
    struct Expected {
        const Generation& generation;
        QString title;
        const char* own;
        const char* other;
    };
    for (const Expected& expected : {Expected{FirstGeneration(), "Trellis", "ctl5084", "ctl156"},
                                     Expected{SecondGeneration(), "Trellis v2", "ctl156", "ctl5084"}}) {
        g_helpOpened = 0;
        const bool saved = Run(
            [&expected](CPropertiesSheet* sheet) {
                EXPECT_EQ(sheet->windowTitle(), expected.title);
                EXPECT_NE(sheet->StylePage()->findChild<QWidget*>(expected.own), nullptr) << expected.own;
                EXPECT_EQ(sheet->StylePage()->findChild<QWidget*>(expected.other), nullptr) << expected.other;
                EXPECT_TRUE(sheet->isModal());
                QTabWidget* tabs = sheet->Tabs();
                ASSERT_EQ(tabs->count(), 2);
                EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
                EXPECT_EQ(tabs->tabText(1), QStringLiteral("Style"));
                EXPECT_EQ(tabs->currentIndex(), 0);
                QDialogButtonBox* buttons = sheet->Buttons();
                EXPECT_EQ(buttons->standardButtons(),
                          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
                buttons->button(QDialogButtonBox::Help)->click();
                tabs->setCurrentIndex(1);
                buttons->button(QDialogButtonBox::Help)->click();
                sheet->reject();
            },
            expected.generation);
        EXPECT_FALSE(saved);
        EXPECT_EQ(g_helpOpened, 2);
    }
}

TEST_F(PropertiesSheetTest, CancelAfterEditsLeavesTheMenuByteForByte)
{
    menu.m_strFontLibraryFolder = u"/nowhere/";
    const std::vector<uint8_t> before = StoredBytes(menu);
    EXPECT_FALSE(Run([](CPropertiesSheet* sheet) {
        EditEverything(sheet);
        sheet->Buttons()->button(QDialogButtonBox::Cancel)->click();
    }));
    EXPECT_EQ(StoredBytes(menu), before);

    // Closing the window is a Cancel too.
    EXPECT_FALSE(Run([](CPropertiesSheet* sheet) {
        EditEverything(sheet);
        sheet->close();
    }));
    EXPECT_EQ(StoredBytes(menu), before);
    EXPECT_EQ(menu.m_strFontLibraryFolder, CString(u"/nowhere/"));
}

TEST_F(PropertiesSheetTest, OkWithoutEditsLeavesTheMenuByteForByte)
{
    for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()}) {
        CMenuSettings fresh;
        menu = fresh;
        menu.m_bInlineSVG = 1;
        const std::vector<uint8_t> before = StoredBytes(menu);
        EXPECT_TRUE(Run([](CPropertiesSheet* sheet) { sheet->Buttons()->button(QDialogButtonBox::Ok)->click(); },
                        *generation));
        EXPECT_EQ(StoredBytes(menu), before);
    }
}

TEST_F(PropertiesSheetTest, OkWritesTheEditedCopiesBack)
{
    CMenuSettings original = menu;
    menu.m_strFontLibraryFolder = CString();
    EXPECT_TRUE(Run([](CPropertiesSheet* sheet) {
        EditEverything(sheet);
        sheet->Buttons()->button(QDialogButtonBox::Ok)->click();
    }));
    ASSERT_EQ(menu.m_arrButtons.GetSize(), original.m_arrButtons.GetSize());
    EXPECT_TRUE(menu.m_arrButtons[0] == original.m_arrButtons[2]);
    EXPECT_TRUE(menu.m_arrButtons[1] == original.m_arrButtons[1]);
    EXPECT_TRUE(menu.m_arrButtons[2] == original.m_arrButtons[3]);
    EXPECT_EQ(menu.m_arrButtons[3].m_strText, CString(u"Added"));
    EXPECT_EQ(menu.m_arrButtons[3].m_strURL, CString(u"0"));
    EXPECT_EQ(menu.m_bInlineSVG, 1);
    EXPECT_EQ(menu.m_strIconFont, CString(u"Font Awesome"));
    EXPECT_EQ(menu.m_strFontLibraryFolder, CString());
}

}  // namespace
