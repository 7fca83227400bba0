// The Style page of both generations: controls, lists, ranges and the values written back.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <algorithm>
#include <memory>

#include "editor/color_picker.h"
#include "editor/color_popup.h"
#include "editor/font_combo_box.h"
#include "editor/qt_strings.h"
#include "editor/spin_edit.h"
#include "editor/style_page.h"
#include "extension/generation.h"
#include "model/storage_layout.h"
#include "model/style_page_layout.h"
#include "tests/editor/modal_answer.h"

namespace {

template <typename T>
T* Find(const QWidget& page, const char* name)
{
    T* widget = page.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString Label(const QWidget& page, const char* control)
{
    const auto* label = page.findChild<QLabel*>(QString::fromLatin1(control) + QStringLiteral("_label"));
    return label ? label->text() : QString();
}

QString Current(const QWidget& page, const char* list)
{
    return Find<QComboBox>(page, list)->currentText();
}

void ClickArrow(CSpinEdit* spin, QStyle::SubControl arrow)
{
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    option.buttonSymbols = spin->buttonSymbols();
    option.frame = spin->hasFrame();
    const QRect rect = spin->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, spin);
    QTest::mouseClick(spin, Qt::LeftButton, {}, rect.center());
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

CMenuSettings Store(CStylePage& page, const CMenuSettings& into)
{
    EXPECT_TRUE(page.ReadControls());
    CMenuSettings menu = into;
    page.StoreInto(menu);
    return menu;
}

TEST(StylePage, DefaultSettingsShowTheirValues)
{
    for (const StylePageLayout* layout : {&FirstGenerationStylePage(), &SecondGenerationStylePage()}) {
        CStylePage page(*layout, CMenuSettings());
        EXPECT_EQ(Current(page, "ctl5042"), "10");
        EXPECT_EQ(Current(page, "ctl5047"), "12");
        EXPECT_EQ(Current(page, "ctl276"), "normal");
        EXPECT_EQ(Current(page, "ctl5045"), "left");
        EXPECT_EQ(Current(page, "ctl5044"), "left");
        EXPECT_EQ(Current(page, "ctl1129"), "ease-out");
        EXPECT_EQ(Find<QLineEdit>(page, "ctl320")->text(), "200");
        EXPECT_EQ(Find<QLineEdit>(page, "ctl5063")->text(), "480");
        EXPECT_EQ(Find<CColorPicker>(page, "ctl153")->Color(), 0xBD7D3Eu);
        // "Arial" where a face of that name is installed; otherwise the face drawn in its place.
        auto* fonts = Find<CFontCombobox>(page, "ctl5043");
        const QString standIn = QFontInfo(QFont("Arial")).family();
        if (fonts->FindPrefix("Arial") >= 0)
            EXPECT_TRUE(fonts->currentText().startsWith("Arial", Qt::CaseInsensitive));
        else if (fonts->findText(standIn, Qt::MatchFixedString) >= 0)
            EXPECT_EQ(fonts->currentText(), standIn);
        else
            EXPECT_EQ(fonts->currentIndex(), -1);
    }
}

TEST(StylePage, ListsHoldTheirEntriesInOrder)
{
    CStylePage page(SecondGenerationStylePage(), CMenuSettings());
    auto entries = [&](const char* name) {
        QStringList texts;
        auto* list = Find<QComboBox>(page, name);
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts.join(',');
    };
    const QString sizes = "6,7,8,9,10,11,12,13,14,15,16,18,20,22,24,26,28,32,36,40,48,56,64,72,80,96";
    EXPECT_EQ(entries("ctl5042"), sizes);
    EXPECT_EQ(entries("ctl5047"), sizes);
    EXPECT_EQ(entries("ctl276"), "normal,italic,bold,bold italic");
    EXPECT_EQ(entries("ctl5045"), "left,center,right");
    EXPECT_EQ(entries("ctl1129"), "linear,ease,ease-in,ease-out,ease-in-out,cubic-bezier 1,cubic-bezier 2,"
                                  "cubic-bezier 3,cubic-bezier 4,cubic-bezier 5,cubic-bezier 6,cubic-bezier 7,"
                                  "cubic-bezier 8");
}

TEST(StylePage, GenerationsDifferInTheirControls)
{
    CStylePage second(SecondGenerationStylePage(), CMenuSettings());
    CStylePage first(FirstGenerationStylePage(), CMenuSettings());

    EXPECT_EQ(Label(second, "ctl154"), "Background - hover:");
    EXPECT_EQ(Label(first, "ctl154"), "Divider:");
    EXPECT_EQ(Label(second, "ctl157"), "Text - hover:");
    EXPECT_EQ(Label(first, "ctl157"), "Text hover:");
    EXPECT_EQ(Label(second, "ctl156"), "&Shadow:");

    for (const char* shadow : {"ctl156", "ctl609", "ctl610", "ctl1005", "ctl1006"})
        EXPECT_EQ(first.findChild<QWidget*>(shadow), nullptr) << shadow;
    EXPECT_EQ(first.findChild<QGroupBox*>("group Box Shadow"), nullptr);
    for (const char* own : {"ctl5089", "ctl5090", "ctl5084"})
        EXPECT_EQ(second.findChild<QWidget*>(own), nullptr) << own;

    EXPECT_EQ(Find<CSpinEdit>(first, "ctl5090")->Maximum(), 250);
    EXPECT_EQ(Find<CSpinEdit>(first, "ctl324")->Maximum(), 32000);
    EXPECT_EQ(Find<CSpinEdit>(second, "ctl324")->Maximum(), 32000);
    EXPECT_EQ(Find<CSpinEdit>(second, "ctl612")->Maximum(), 255);
    EXPECT_EQ(Find<CSpinEdit>(first, "ctl5059")->Maximum(), 99);
}

// Every setting the Style page that a generation names edits is one that generation stores, and
// the page has a group box for each group its rows name.
TEST(StylePage, RowsEditOnlyStoredFieldsOfTheirGeneration)
{
    for (const Generation* generation : {&FirstGeneration(), &SecondGeneration()}) {
        const std::string name = CString(generation->moduleName).ToUtf8();
        const StylePageLayout& layout = generation->stylePage();
        for (const StyleRow& row : layout.rows) {
            EXPECT_TRUE(LayoutStores(generation->storageLayout(), *row.field)) << name << " control " << row.id;
            EXPECT_TRUE(std::any_of(layout.groups.begin(), layout.groups.end(), [&](const StyleGroup& group) {
                return std::u16string_view(group.title) == row.group;
            })) << name << " control " << row.id << " is in no group";
        }
    }
}

// The arrows of each spin end at its field's maximum in the settings table, a list offers only
// values in its field's range, and a colour offers "transparent" exactly when the table lets its
// field be transparent.
TEST(StylePage, SpinLimitsAndTransparencyFollowTheSettingsTable)
{
    for (const StylePageLayout* layout : {&FirstGenerationStylePage(), &SecondGenerationStylePage()}) {
        CStylePage page(*layout, CMenuSettings());
        int spins = 0;
        int transparent = 0;
        for (const StyleRow& row : layout->rows) {
            const std::string id = "ctl" + std::to_string(row.spinId ? row.spinId : row.id);
            if (row.spinId != 0) {
                ++spins;
                EXPECT_GT(row.field->spinMaximum, 0) << row.field->name;
                EXPECT_EQ(Find<CSpinEdit>(page, id.c_str())->Maximum(), row.field->spinMaximum) << row.field->name;
            } else {
                EXPECT_EQ(row.field->spinMaximum, 0) << row.field->name << " has arrows in the table only";
            }
            if (row.control == StyleControl::Choice) {
                // Each choice's index is a value the field may hold.
                EXPECT_TRUE(row.field->HasRange()) << row.field->name;
                EXPECT_EQ(row.field->low, 0) << row.field->name;
                EXPECT_LE(static_cast<int64_t>(row.choices.size()), int64_t(row.field->high) + 1) << row.field->name;
            }
            if (row.control == StyleControl::Colour) {
                const bool offers = !Find<CColorPicker>(page, id.c_str())->DefaultText().isEmpty();
                EXPECT_EQ(offers, row.field->mayBeTransparent) << row.field->name;
                transparent += offers;
            }
        }
        EXPECT_GE(spins, 11);
        EXPECT_EQ(transparent, 2);
    }
}

TEST(StylePage, SpinArrowsKeepToTheirRangeWhileTypedValuesPass)
{
    CMenuSettings values;
    values.m_nMenuPaddingLeft = 99;
    values.m_nShadowOffsetX = 0;
    CStylePage page(SecondGenerationStylePage(), values);
    page.show();

    auto* padding = Find<CSpinEdit>(page, "ctl5059");
    ClickArrow(padding, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(padding->Text(), "99");
    ClickArrow(padding, QStyle::SC_SpinBoxDown);
    EXPECT_EQ(padding->Text(), "98");

    auto* offset = Find<CSpinEdit>(page, "ctl611");
    offset->setFocus();
    QTest::keyClick(offset, Qt::Key_Down);
    EXPECT_EQ(offset->Text(), "0");
    QTest::keyClick(offset, Qt::Key_Up);
    EXPECT_EQ(offset->Text(), "1");

    Retype(Find<QLineEdit>(page, "ctl5058"), "150");
    Retype(Find<QLineEdit>(page, "ctl610"), "-5");
    // The duration's arrows write plain digits, never a group separator.
    auto* duration = Find<CSpinEdit>(page, "ctl324");
    duration->SetText("1999");
    ClickArrow(duration, QStyle::SC_SpinBoxUp);
    EXPECT_EQ(duration->Text(), "2000");

    const CMenuSettings menu = Store(page, CMenuSettings());
    EXPECT_EQ(menu.m_nMenuPaddingLeft, 150);
    EXPECT_EQ(menu.m_nShadowOffsetX, 1);
    EXPECT_EQ(menu.m_nShadowOffsetY, -5);
    EXPECT_EQ(menu.m_nDuration, 2000);
}

TEST(StylePage, TextThatIsNoIntegerIsRefusedAndFocused)
{
    CMenuSettings values;
    CStylePage page(SecondGenerationStylePage(), values);
    page.show();
    QLineEdit* breakpoint = Find<QLineEdit>(page, "ctl5063");
    Retype(Find<QLineEdit>(page, "ctl5080"), "7");
    for (const char* text : {"12px", "", "1,000", "99999999999"}) {
        Retype(breakpoint, text);
        QString message;
        AnswerNextModal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                message = box->text();
            modal->close();
        });
        EXPECT_FALSE(page.ReadControls()) << text;
        EXPECT_EQ(message, "Please enter an integer.");
        EXPECT_EQ(page.focusWidget(), breakpoint);
        EXPECT_EQ(breakpoint->selectedText(), breakpoint->text());
        // Nothing was taken, not even the valid field read before.
        CMenuSettings menu;
        menu.m_nIconOffset = 55;
        page.StoreInto(menu);
        EXPECT_EQ(menu.m_nIconOffset, values.m_nIconOffset) << text;
    }
    Retype(breakpoint, " 600 ");
    EXPECT_EQ(Store(page, CMenuSettings()).m_nBreakpoint, 600);
}

TEST(StylePage, TransparentOnlyOnTheTwoBackgrounds)
{
    CStylePage page(SecondGenerationStylePage(), CMenuSettings());
    for (const char* name : {"ctl153", "ctl155"})
        EXPECT_EQ(Find<CColorPicker>(page, name)->DefaultText(), "transparent");
    for (const char* name : {"ctl150", "ctl149", "ctl151", "ctl154", "ctl152", "ctl157", "ctl164", "ctl156"})
        EXPECT_TRUE(Find<CColorPicker>(page, name)->DefaultText().isEmpty()) << name;

    page.show();
    auto* background = Find<CColorPicker>(page, "ctl153");
    QTest::mouseClick(background, Qt::LeftButton);
    CColorPopup* popup = background->Popup();
    ASSERT_NE(popup, nullptr);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->BoxRect(CColorPopup::kDefaultBox).center());
    EXPECT_EQ(Store(page, CMenuSettings()).m_crMenuBackground, kTransparent);
}

TEST(StylePage, SizesAndFontsChangeOnlyWhenPicked)
{
    CMenuSettings values;
    values.m_nFontSize = 17;
    values.m_nHeaderFontSize = 17;
    values.m_strFontName = u"No Such Face Anywhere";
    CStylePage page(SecondGenerationStylePage(), values);
    page.show();
    EXPECT_EQ(Find<QComboBox>(page, "ctl5042")->currentIndex(), -1);

    CMenuSettings menu = Store(page, CMenuSettings());
    EXPECT_EQ(menu.m_nFontSize, 17);
    EXPECT_EQ(menu.m_strFontName, values.m_strFontName);

    auto* header = Find<QComboBox>(page, "ctl5047");
    header->setFocus();
    QTest::keyClick(header, Qt::Key_Down);  // from no selection to the first size
    QTest::keyClick(header, Qt::Key_Down);
    auto* fonts = Find<CFontCombobox>(page, "ctl5043");
    ASSERT_GT(fonts->count(), 1);
    fonts->setFocus();
    QTest::keyClick(fonts, Qt::Key_End);
    menu = Store(page, CMenuSettings());
    EXPECT_EQ(menu.m_nHeaderFontSize, header->currentText().toInt());
    EXPECT_EQ(header->currentText(), "7");
    EXPECT_EQ(menu.m_nFontSize, 17);
    EXPECT_EQ(ToQString(menu.m_strFontName), fonts->itemText(fonts->count() - 1));
}

TEST(StylePage, StoresExactlyItsOwnFields)
{
    CMenuSettings values;
    values.m_nDropDownFontSize = 31;
    values.m_nFontStyle = 9;  // out of the list's range: shown without selection, kept
    values.m_strMaxWidth = u"640";
    values.m_nDropDownMargin = 21;
    values.m_crShadow = 0x123456;

    CMenuSettings untouched;
    untouched.m_strMaxWidth = u"untouched";
    untouched.m_nDropDownMargin = -7;
    untouched.m_crShadow = 0x654321;
    untouched.m_crDivider = 0x111111;
    untouched.m_strIconFont = u"Other";

    CStylePage second(SecondGenerationStylePage(), values);
    CMenuSettings menu = Store(second, untouched);
    for (const StyleRow& row : SecondGenerationStylePage().rows) {
        if (row.field->number) {
            EXPECT_EQ(menu.*row.field->number, values.*row.field->number) << row.id;
        }
        if (row.field->colour) {
            EXPECT_EQ(menu.*row.field->colour, values.*row.field->colour) << row.id;
        }
        if (row.field->text) {
            EXPECT_EQ(menu.*row.field->text, values.*row.field->text) << row.id;
        }
    }
    EXPECT_EQ(menu.m_nDropDownFontSize, 31);
    EXPECT_EQ(menu.m_nFontStyle, 9);
    EXPECT_EQ(menu.m_crShadow, 0x123456u);
    EXPECT_EQ(menu.m_strMaxWidth, untouched.m_strMaxWidth);
    EXPECT_EQ(menu.m_nDropDownMargin, -7);
    EXPECT_EQ(menu.m_crDivider, 0x111111u);
    EXPECT_EQ(menu.m_strIconFont, untouched.m_strIconFont);

    CStylePage first(FirstGenerationStylePage(), values);
    Retype(Find<QLineEdit>(first, "ctl5084"), "100%");
    menu = Store(first, untouched);
    EXPECT_EQ(menu.m_strMaxWidth, u"100%");
    EXPECT_EQ(menu.m_nDropDownMargin, 21);
    EXPECT_EQ(menu.m_crDivider, values.m_crDivider);
    EXPECT_EQ(menu.m_crShadow, 0x654321u);
    EXPECT_EQ(menu.m_nDropDownFontSize, 31);
}

}  // namespace
