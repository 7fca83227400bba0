// The colour button and its palette: the table, the chosen box, the keyboard, the text boxes.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QHelpEvent>
#include <QToolTip>
#include <QTest>

#include <set>

#include "editor/color_picker.h"
#include "editor/color_popup.h"
#include "model/menu_settings.h"
#include "tests/editor/modal_answer.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kNotInTable = RGB(1, 2, 3);

TEST(ColorPalette, HoldsTheNamedColoursInGridOrder)
{
    const auto colours = PaletteColours();
    ASSERT_EQ(colours.size(), 140u);
    EXPECT_EQ(std::u16string_view(colours[0].name), u"Black");
    EXPECT_EQ(std::u16string_view(colours[13].name), u"Medium Violet Red");
    EXPECT_EQ(std::u16string_view(colours[139].name), u"Sea Shell");
    EXPECT_EQ(colours[139].value, RGB(0xFF, 0xF5, 0xEE));
    // The values that differ from the CSS colours of the same names.
    auto value = [&](std::u16string_view name) {
        for (const NamedColour& colour : colours)
            if (name == colour.name)
                return colour.value;
        ADD_FAILURE() << "no colour named so";
        return COLORREF{};
    };
    EXPECT_EQ(value(u"Dark Slate Gray"), RGB(0x4F, 0x4F, 0x4F));
    EXPECT_EQ(value(u"Fuchsia"), RGB(0xFE, 0x00, 0xFE));
    EXPECT_EQ(value(u"Aqua"), RGB(0x00, 0xFE, 0xFE));
    EXPECT_EQ(value(u"Indigo"), RGB(0x4B, 0x00, 0x82));  // red in the low byte

    std::set<std::u16string_view> names;
    for (const NamedColour& colour : colours)
        names.insert(colour.name);
    EXPECT_EQ(names.size(), 140u);
}

TEST(ColorPalette, LaysOutFourteenColumnsBetweenTheTextBoxes)
{
    CColorPopup popup(kBlack, "transparent", "More Colors...", nullptr);
    EXPECT_EQ(popup.BoxRect(13).top(), popup.BoxRect(0).top());
    EXPECT_GT(popup.BoxRect(14).top(), popup.BoxRect(0).top());
    EXPECT_EQ(popup.BoxRect(14).left(), popup.BoxRect(0).left());
    EXPECT_EQ(popup.BoxRect(0).width(), 18);  // at 96 dots per inch
    const QRect grid = popup.BoxRect(0).united(popup.BoxRect(139));
    EXPECT_LT(popup.BoxRect(CColorPopup::kDefaultBox).bottom(), grid.top());
    EXPECT_GT(popup.BoxRect(CColorPopup::kCustomBox).top(), grid.bottom());
    EXPECT_EQ(popup.BoxRect(CColorPopup::kDefaultBox).width(), grid.width());
    EXPECT_EQ(popup.BoxRect(CColorPopup::kCustomBox).width(), grid.width());

    CColorPopup plain(kBlack, QString(), "More Colors...", nullptr);
    EXPECT_TRUE(plain.BoxRect(CColorPopup::kDefaultBox).isEmpty());
}

TEST(ColorPalette, MarksTheBoxOfTheStartingColour)
{
    EXPECT_EQ(CColorPopup(RGB(0x4B, 0x00, 0x82), {}, "More Colors...", nullptr).ChosenBox(), 2);
    EXPECT_EQ(CColorPopup(kTransparent, "transparent", "More Colors...", nullptr).ChosenBox(), CColorPopup::kDefaultBox);
    EXPECT_EQ(CColorPopup(kTransparent, QString(), "More Colors...", nullptr).ChosenBox(), CColorPopup::kCustomBox);
    EXPECT_EQ(CColorPopup(kNotInTable, "transparent", "More Colors...", nullptr).ChosenBox(), CColorPopup::kCustomBox);
}

TEST(ColorPalette, NamesEachBoxInItsTooltip)
{
    CColorPopup popup(kBlack, {}, "More Colors...", nullptr);
    popup.show();
    const QPoint inside = popup.BoxRect(15).center();
    QHelpEvent help(QEvent::ToolTip, inside, popup.mapToGlobal(inside));
    QApplication::sendEvent(&popup, &help);
    EXPECT_EQ(QToolTip::text(), "Navy");
}

class ColorPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker.SetColor(kBlack);
        picker.show();
        QObject::connect(&picker, &CColorPicker::selectionEndOk, [this](COLORREF c) { endings.push_back({true, c}); });
        QObject::connect(&picker, &CColorPicker::selectionEndCancel, [this](COLORREF c) { endings.push_back({false, c}); });
    }

    CColorPopup* Open()
    {
        QTest::mouseClick(&picker, Qt::LeftButton);
        EXPECT_TRUE(picker.IsPopupOpen());
        return picker.Popup();
    }

    void Keys(CColorPopup* popup, std::initializer_list<Qt::Key> keys)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(popup, key);
    }

    // The colour the button shows inside its frame.
    QColor Shown()
    {
        const QImage image = picker.grab().toImage();
        return image.pixelColor(6, image.height() / 2);
    }

    CColorPicker picker;
    std::vector<std::pair<bool, COLORREF>> endings;
};

TEST_F(ColorPickerTest, KeyboardWalksTheGridAndOnToTheTextBoxes)
{
    CColorPopup* popup = Open();
    EXPECT_EQ(popup->HighlightedBox(), 0);
    Keys(popup, {Qt::Key_Right, Qt::Key_Down});
    EXPECT_EQ(popup->HighlightedBox(), 15);
    EXPECT_EQ(picker.Color(), RGB(0x00, 0x00, 0x80));  // the button follows the highlight
    Keys(popup, {Qt::Key_Up, Qt::Key_Up});
    EXPECT_EQ(popup->HighlightedBox(), CColorPopup::kCustomBox);  // no default box above the grid
    Keys(popup, {Qt::Key_Left});
    EXPECT_EQ(popup->HighlightedBox(), 139);
    Keys(popup, {Qt::Key_Down});
    EXPECT_EQ(popup->HighlightedBox(), CColorPopup::kCustomBox);
    Keys(popup, {Qt::Key_Up, Qt::Key_Left, Qt::Key_Return});
    EXPECT_FALSE(picker.IsPopupOpen());
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_TRUE(endings[0].first);
    EXPECT_EQ(picker.Color(), PaletteColours()[125].value);
}

TEST_F(ColorPickerTest, EscapeRestoresTheStartingColour)
{
    CColorPopup* popup = Open();
    Keys(popup, {Qt::Key_Right, Qt::Key_Right});
    EXPECT_NE(picker.Color(), kBlack);
    Keys(popup, {Qt::Key_Escape});
    EXPECT_FALSE(picker.IsPopupOpen());
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings[0], std::make_pair(false, kBlack));
    EXPECT_EQ(picker.Color(), kBlack);
}

TEST_F(ColorPickerTest, ClickingOutsideCancels)
{
    CColorPopup* popup = Open();
    QTest::mouseMove(popup, popup->BoxRect(30).center());
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_FALSE(picker.IsPopupOpen());
    ASSERT_EQ(endings.size(), 1u);
    EXPECT_EQ(endings[0], std::make_pair(false, kBlack));
}

TEST_F(ColorPickerTest, TransparentShowsTheButtonFace)
{
    picker.SetDefaultText("transparent");
    CColorPopup* popup = Open();
    Keys(popup, {Qt::Key_Up});
    EXPECT_EQ(popup->HighlightedBox(), CColorPopup::kDefaultBox);
    Keys(popup, {Qt::Key_Space});
    EXPECT_EQ(picker.Color(), kTransparent);
    EXPECT_EQ(Shown(), picker.palette().color(QPalette::Button));

    // Reopened, the palette starts on the transparent box.
    popup = Open();
    EXPECT_EQ(popup->ChosenBox(), CColorPopup::kDefaultBox);
    Keys(popup, {Qt::Key_Escape});
    EXPECT_EQ(picker.Color(), kTransparent);
}

TEST_F(ColorPickerTest, DisabledButtonShowsTheButtonFace)
{
    picker.SetColor(RGB(0xFF, 0, 0));
    EXPECT_EQ(Shown(), QColor(Qt::red));
    picker.setEnabled(false);
    EXPECT_EQ(Shown(), picker.palette().color(QPalette::Button));
}

TEST_F(ColorPickerTest, MoreColorsRunsTheColourDialog)
{
    CColorPopup* popup = Open();
    AnswerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->currentColor(), QColor(Qt::black));  // starts at the button's colour
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->BoxRect(CColorPopup::kCustomBox).center());
    EXPECT_EQ(picker.Color(), RGB(0x12, 0x34, 0x56));

    popup = Open();
    AnswerNextModal([](QWidget* modal) {
        static_cast<QColorDialog*>(modal)->setCurrentColor(Qt::white);
        static_cast<QColorDialog*>(modal)->reject();
    });
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->BoxRect(CColorPopup::kCustomBox).center());
    EXPECT_EQ(picker.Color(), RGB(0x12, 0x34, 0x56));
    ASSERT_EQ(endings.size(), 2u);
    EXPECT_EQ(endings[1], std::make_pair(false, RGB(0x12, 0x34, 0x56)));
    QTest::qWait(0);
    EXPECT_FALSE(picker.IsPopupOpen());
}

}  // namespace
