// The settings field table: one line per field, with everything the rest of the code knows of it.
#include "model/settings_fields.h"

#include <stdexcept>

namespace {

using S = CMenuSettings;

// Builds an entry one attribute at a time, so that each line names only what sets the field apart.
struct Entry {
    SettingField field;

    constexpr Entry Range(int32_t low, int32_t high) const { Entry e = *this; e.field.low = low; e.field.high = high; return e; }
    constexpr Entry Transparent() const { Entry e = *this; e.field.mayBeTransparent = true; return e; }
    constexpr Entry Record(int place) const { Entry e = *this; e.field.recordPlace = place; return e; }
    constexpr Entry Spin(int32_t maximum) const { Entry e = *this; e.field.spinMaximum = maximum; return e; }
    constexpr SettingField Says(const char* description) const
    {
        SettingField f = field;
        f.description = description;
        return f;
    }
};

constexpr Entry MakeNumber(const char* name, int32_t S::* member, int32_t value)
{
    return {{.name = name, .kind = FieldKind::Number, .number = member, .defaultValue = value}};
}
constexpr Entry MakeFlag(const char* name, int32_t S::* member, int32_t value)
{
    return {{.name = name, .kind = FieldKind::Flag, .number = member, .defaultValue = value, .low = 0, .high = 1}};
}
constexpr Entry MakeColour(const char* name, COLORREF S::* member, COLORREF value)
{
    return {{.name = name, .kind = FieldKind::Colour, .colour = member, .defaultValue = value}};
}
constexpr Entry MakeText(const char* name, CString S::* member, const char16_t* value)
{
    return {{.name = name, .kind = FieldKind::Text, .text = member, .defaultText = value}};
}

// The name is the member's own spelling, so the two cannot drift apart.
#define NUMBER(member, value) MakeNumber(#member, &S::member, value)
#define FLAG(member, value) MakeFlag(#member, &S::member, value)
#define COLOUR(member, r, g, b) MakeColour(#member, &S::member, RGB(r, g, b))
#define TEXT(member, value) MakeText(#member, &S::member, value)

constexpr const char* kMenuPadding = "Bar button padding in pixels.";
constexpr const char* kDropDownPadding = "Drop-down link padding in pixels.";

// The second generation's block order, then the fields only the first generation stores.
constexpr SettingField kFields[] = {
    NUMBER(m_nID, 0).Says("Host object identifier."),
    TEXT(m_strFontName, u"Arial").Says("Text font family (CSS font-family)."),
    NUMBER(m_nFontSize, 10).Record(0).Says("Menu font size in points."),
    NUMBER(m_nDropDownFontSize, 11).Record(1).Says("Drop-down font size in points."),
    NUMBER(m_nHeaderFontSize, 12).Record(2).Says("Group heading font size in points."),
    COLOUR(m_crMenuText, 0xFF, 0xFF, 0xFF).Says("Bar text."),
    COLOUR(m_crMenuTextHover, 0xFF, 0xFF, 0xFF).Says("Bar text under the pointer."),
    COLOUR(m_crMenuBackground, 0x3E, 0x7D, 0xBD).Transparent().Says("Bar background."),
    COLOUR(m_crMenuBackgroundHover, 0x38, 0x70, 0xAA).Says("Bar background under the pointer."),
    COLOUR(m_crDropDownText, 0x21, 0x25, 0x29).Says("Drop-down link text."),
    COLOUR(m_crDropDownBackground, 0xF8, 0xF9, 0xFA).Transparent().Says("Drop-down panel background."),
    COLOUR(m_crDropDownBackgroundHover, 0xEE, 0xEE, 0xEE).Says("Drop-down link background under the pointer."),
    COLOUR(m_crDropDownTextHover, 0x45, 0x45, 0x45).Says("Drop-down link text under the pointer."),
    NUMBER(m_nFontStyle, 0).Range(0, 3).Says("0 normal, 1 italic, 2 bold, 3 bold italic."),
    NUMBER(m_nReserved, 2).Says("Kept in the block; nothing reads it."),
    NUMBER(m_nBarBorder, 1).Says("Extra pixels in the design-view bar height."),
    NUMBER(m_nDropDownPaddingLeft, 20).Record(9).Spin(99).Says(kDropDownPadding),
    NUMBER(m_nDropDownPaddingTop, 3).Record(11).Spin(99).Says(kDropDownPadding),
    NUMBER(m_nDropDownPaddingRight, 20).Record(10).Spin(99).Says(kDropDownPadding),
    NUMBER(m_nDropDownPaddingBottom, 3).Record(8).Spin(99).Says(kDropDownPadding),
    NUMBER(m_nMenuPaddingLeft, 15).Record(4).Spin(99).Says(kMenuPadding),
    NUMBER(m_nMenuPaddingTop, 10).Record(6).Spin(99).Says(kMenuPadding),
    NUMBER(m_nMenuPaddingRight, 15).Record(5).Spin(99).Says(kMenuPadding),
    NUMBER(m_nMenuPaddingBottom, 10).Record(3).Spin(99).Says(kMenuPadding),
    NUMBER(m_nBreakpoint, 480).Says("Width in pixels below which the menu takes its narrow layout."),
    TEXT(m_strMaxWidth, u"800").Says("Maximum panel width in pixels, as text (first generation uses it)."),
    NUMBER(m_nBarHeight, 0).Says("Bar height last computed by the design view."),
    NUMBER(m_nDisplayMode, 1).Says("Answered by GetDisplayMode."),
    NUMBER(m_nDropDownTextAlignment, 0).Range(0, 2).Says("Text in the drop-down panel: 0 left, 1 center, 2 right."),
    NUMBER(m_nArrowOffset, 4).Spin(99).Says("Offset of the drop-down arrow in pixels."),
    NUMBER(m_nIconOffset, 4).Spin(99).Says("Space between an icon and its text in pixels."),
    NUMBER(m_nMenuAlignment, 0).Range(0, 2).Says("Buttons in the bar: 0 left, 1 center, 2 right."),
    COLOUR(m_crHeader, 0x42, 0x8B, 0xCA).Says("Group heading text."),
    NUMBER(m_nDropDownMargin, 15).Record(7).Spin(250).Says("Padding of the drop-down panel around its columns in pixels."),
    TEXT(m_strIconFont, u"Font Awesome")
        .Says("Icon font library: \"Font Awesome\", \"Material Icons\" or a folder in the icon font folder."),
    FLAG(m_bInlineSVG, 0).Says("Publish icons as inline SVG instead of an icon font."),
    NUMBER(m_nEasing, 3).Range(0, 14)
        .Says("Transition easing: 0 linear, 1 ease, 2 ease-in, 3 ease-out, 4 ease-in-out, 5 to 14 cubic-bezier curves."),
    NUMBER(m_nDuration, 200).Spin(32000).Says("Transition duration in milliseconds."),
    COLOUR(m_crShadow, 0x00, 0x00, 0x00).Says("Panel shadow colour."),
    NUMBER(m_nShadowOffsetX, 0).Spin(255).Says("Panel shadow horizontal offset in pixels."),
    NUMBER(m_nShadowOffsetY, 8).Spin(255).Says("Panel shadow vertical offset in pixels."),
    NUMBER(m_nBlurRadius, 16).Spin(255).Says("Panel shadow blur radius in pixels."),
    NUMBER(m_nShadowAlpha, 50).Range(0, 255).Spin(255).Says("Panel shadow opacity, 0 to 255."),
    COLOUR(m_crDivider, 0xEE, 0xEE, 0xEE).Says("Divider lines."),
};

#undef NUMBER
#undef FLAG
#undef COLOUR
#undef TEXT

template <class Member, class Of>
const SettingField& FieldWith(Member member, Of of)
{
    for (const SettingField& field : kFields) {
        if (of(field) == member)
            return field;
    }
    throw std::out_of_range("no settings field holds that member");
}

}  // namespace

std::span<const SettingField> SettingFields() { return kFields; }

const SettingField* FindSettingField(std::string_view name)
{
    for (const SettingField& field : kFields) {
        if (name == field.name)
            return &field;
    }
    return nullptr;
}

const SettingField& SettingFieldOf(int32_t S::* member)
{
    return FieldWith(member, [](const SettingField& f) { return f.number; });
}

const SettingField& SettingFieldOf(COLORREF S::* member)
{
    return FieldWith(member, [](const SettingField& f) { return f.colour; });
}

const SettingField& SettingFieldOf(CString S::* member)
{
    return FieldWith(member, [](const SettingField& f) { return f.text; });
}

void CopySetting(const SettingField& field, const CMenuSettings& from, CMenuSettings& to)
{
    switch (field.kind) {
    case FieldKind::Number:
    case FieldKind::Flag: to.*field.number = from.*field.number; break;
    case FieldKind::Colour: to.*field.colour = from.*field.colour; break;
    case FieldKind::Text: to.*field.text = from.*field.text; break;
    }
}

void SetSettingDefault(const SettingField& field, CMenuSettings& settings)
{
    switch (field.kind) {
    case FieldKind::Number:
    case FieldKind::Flag: settings.*field.number = static_cast<int32_t>(field.defaultValue); break;
    case FieldKind::Colour: settings.*field.colour = static_cast<COLORREF>(field.defaultValue); break;
    case FieldKind::Text: settings.*field.text = field.defaultText; break;
    }
}
