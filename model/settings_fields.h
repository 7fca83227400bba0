// The settings fields of a menu, each described once: name, member, kind, default, range,
// transparency and place in the breakpoint record. Storage, defaults, the JSON form and its schema,
// the Style page, the check and the breakpoint rules all walk this table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/menu_settings.h"

enum class FieldKind {
    Number,  // a 32-bit integer
    Flag,    // a 32-bit integer that is 0 or 1
    Colour,  // a COLORREF; kTransparent where the field allows it
    Text,
};

struct SettingField {
    const char* name;  // the member's own name, "m_nFontSize": how the JSON form, the check and the tests name it
    FieldKind kind;
    // The member, by kind: number for numbers and flags, colour, or text.
    int32_t CMenuSettings::* number = nullptr;
    COLORREF CMenuSettings::* colour = nullptr;
    CString CMenuSettings::* text = nullptr;

    int64_t defaultValue = 0;             // numbers, flags and colours
    const char16_t* defaultText = u"";    // texts
    // The values that mean something; a number outside them is refused by the JSON form and
    // reported by the check. Every 32-bit value where no narrower range applies.
    int32_t low = INT32_MIN;
    int32_t high = INT32_MAX;
    bool mayBeTransparent = false;  // colours: "transparent" is a value of its own, not a colour
    int recordPlace = -1;           // the field's place in a breakpoint record, or -1
    int32_t spinMaximum = 0;        // the Style page's arrows step from 0 to here; 0: no arrows
    const char* description = "";   // one sentence, for the schema

    bool HasRange() const { return low != INT32_MIN || high != INT32_MAX; }
    bool InRange(int64_t value) const { return value >= low && value <= high; }
};

// Every settings field, in the order the JSON form's schema lists them.
std::span<const SettingField> SettingFields();

// The field of that name, or null.
const SettingField* FindSettingField(std::string_view name);

// The field of a member; std::out_of_range for a member that is no settings field.
const SettingField& SettingFieldOf(int32_t CMenuSettings::* member);
const SettingField& SettingFieldOf(COLORREF CMenuSettings::* member);
const SettingField& SettingFieldOf(CString CMenuSettings::* member);

// Calls visit with a reference to the field's member in the settings: int32_t& for numbers and
// flags, COLORREF& for colours, CString& for texts.
template <class Settings, class Visit>
decltype(auto) VisitSetting(const SettingField& field, Settings& settings, Visit&& visit)
{
    switch (field.kind) {
    case FieldKind::Colour: return visit(settings.*field.colour);
    case FieldKind::Text: return visit(settings.*field.text);
    case FieldKind::Number:
    case FieldKind::Flag: break;
    }
    return visit(settings.*field.number);
}

// The one way to copy a field's value from one settings record to another.
void CopySetting(const SettingField& field, const CMenuSettings& from, CMenuSettings& to);

// Gives the field its default value.
void SetSettingDefault(const SettingField& field, CMenuSettings& settings);
